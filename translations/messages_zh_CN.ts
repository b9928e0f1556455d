<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>core</name>
    <message>
        <source>(%1,%2,%3,%4)内颜色超过%5种,转换终止!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(%1,%2,%3,%4)范围内颜色超过%5种,转换终止!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有可用的调色板匹配(%1,%2,%3,%4),转换终止!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请将位图转换为24位色处理!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>当前区域与块大小不匹配!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>非法的KDR文件!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: 非法的KDR文件!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>该文件不是合法的调色板文件!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: 该文件不是合法的调色板文件!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PRG文件错误!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RGB2HSL.TAB文件读取错误!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6576(ok).act文件错误!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无效的文件类型</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>错误</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>转换中...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输出PGT...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输出PNT...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输出Palette...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输出Attrib...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>工程</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>工程文件(*.prg)|*.prg||</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The characters of picture rows %1-%2 need more than one pattern bank: their distinct tiles do not fit between address 0x%3 and end address 0x%4. Conversion stopped.</source>
        <translation>图片第 %1-%2 行的字符需要不止一个图案库:它们不同的图块放不进地址 0x%3 与结束地址 0x%4 之间。转换终止。</translation>
    </message>
    <message>
        <source>The area needs more than %1 pattern banks. Conversion stopped.</source>
        <translation>该区域需要超过 %1 个图案库。转换终止。</translation>
    </message>
    <message>
        <source>The conversion settings hold an unknown character size, colour count, compression or colour mode.</source>
        <translation>转换设置中有未知的字符大小、颜色数、压缩方式或颜色模式。</translation>
    </message>
    <message>
        <source>The area (%1,%2,%3,%4) is empty or reaches outside the %5x%6 picture.</source>
        <translation>区域 (%1,%2,%3,%4) 为空或超出了 %5x%6 的图片。</translation>
    </message>
    <message>
        <source>The settings&apos; size %1x%2 differs from the area&apos;s %3x%4.</source>
        <translation>设置中的大小 %1x%2 与区域的 %3x%4 不同。</translation>
    </message>
    <message>
        <source>End address 0x%1 is above 0x2000, the size of a pattern bank.</source>
        <translation>结束地址 0x%1 超过了一个图案库的大小 0x2000。</translation>
    </message>
    <message>
        <source>End address 0x%1 is not above start address 0x%2.</source>
        <translation>结束地址 0x%1 不大于起始地址 0x%2。</translation>
    </message>
    <message>
        <source>Start address 0x%1 is not a multiple of 0x%2, so %3 characters could not be named from it.</source>
        <translation>起始地址 0x%1 不是 0x%2 的倍数,因此无法从这里为 %3 字符编号。</translation>
    </message>
    <message>
        <source>%1; the fitted palettes are used.</source>
        <translation>%1;使用拟合出的调色板。</translation>
    </message>
    <message>
        <source>%1: cannot open the palette file</source>
        <translation>%1: 无法打开调色板文件</translation>
    </message>
    <message>
        <source>%1: the palette file is shorter than 2064 bytes</source>
        <translation>%1: 调色板文件不足 2064 字节</translation>
    </message>
    <message>
        <source>%1: cannot create the file: %2</source>
        <translation>%1: 无法创建文件: %2</translation>
    </message>
    <message>
        <source>%1: cannot write the file: %2</source>
        <translation>%1: 无法写入文件: %2</translation>
    </message>
    <message>
        <source>%1: cannot replace the file: %2</source>
        <translation>%1: 无法替换文件: %2</translation>
    </message>
    <message>
        <source>%1: the project was not saved: %2</source>
        <translation>%1: 工程未保存: %2</translation>
    </message>
    <message>
        <source>%1: cannot open the project file</source>
        <translation>%1: 无法打开工程文件</translation>
    </message>
    <message>
        <source>%1: the project file ends inside entry %2 of %3</source>
        <translation>%1: 工程文件在第 %2 个条目(共 %3 个)中途结束</translation>
    </message>
    <message>
        <source>%1: the project file holds no entries</source>
        <translation>%1: 工程文件中没有条目</translation>
    </message>
    <message>
        <source>a text of %1 bytes (at most %2)</source>
        <translation>一段 %1 字节的文字(最多 %2)</translation>
    </message>
    <message>
        <source>the project has no root entry</source>
        <translation>工程没有根条目</translation>
    </message>
    <message>
        <source>the project has %1 entries; a project file holds at most %2</source>
        <translation>工程有 %1 个条目;一个工程文件最多容纳 %2 个</translation>
    </message>
    <message>
        <source>the name %1 is %2 bytes long; a project file holds at most %3</source>
        <translation>名称 %1 长 %2 字节;工程文件最多容纳 %3 字节</translation>
    </message>
    <message>
        <source>the entry %1 has %2</source>
        <translation>条目 %1 含有%2</translation>
    </message>
    <message>
        <source>the entry %1 has no record</source>
        <translation>条目 %1 没有记录</translation>
    </message>
    <message>
        <source>Item &quot;%1&quot; skipped: %2</source>
        <translation>已跳过项目“%1”: %2</translation>
    </message>
    <message>
        <source>it has no name</source>
        <translation>它没有名称</translation>
    </message>
    <message>
        <source>its name cannot be a file name</source>
        <translation>它的名称不能用作文件名</translation>
    </message>
    <message>
        <source>its file would replace VT03IRQ.ASM</source>
        <translation>它的文件会替换 VT03IRQ.ASM</translation>
    </message>
    <message>
        <source>an earlier item already writes %1.ASM</source>
        <translation>前面的项目已经写入 %1.ASM</translation>
    </message>
    <message>
        <source>it names no document</source>
        <translation>它没有指定文档</translation>
    </message>
    <message>
        <source>Project output refused: the patterns need 2 KB block numbers up to %1, but an IRQ record holds at most $FF (512 KB of patterns); nothing was written</source>
        <translation>工程输出被拒绝:图案需要的 2 KB 块编号高达 %1,但 IRQ 记录最多只能容纳 $FF(512 KB 图案);什么也没有写入</translation>
    </message>
    <message>
        <source>Project output</source>
        <translation>工程输出</translation>
    </message>
    <message>
        <source>%1: %2; the batch run stops</source>
        <translation>%1: %2;批处理停止</translation>
    </message>
    <message>
        <source>cannot be loaded or converted</source>
        <translation>无法载入或转换</translation>
    </message>
    <message>
        <source>damaged conversion results: %1</source>
        <translation>转换结果已损坏: %1</translation>
    </message>
    <message>
        <source>not converted with 16 colours and 8*8 characters</source>
        <translation>不是以 16 色和 8*8 字符转换的</translation>
    </message>
    <message>
        <source>its tiles need more than one 8 KB pattern bank</source>
        <translation>它的图块需要不止一个 8 KB 图案库</translation>
    </message>
    <message>
        <source>the picture has no tiles</source>
        <translation>图片没有图块</translation>
    </message>
    <message>
        <source>its names point past its tiles</source>
        <translation>它的名称指向图块之外</translation>
    </message>
    <message>
        <source>its tiles do not fit into one 512 KB block</source>
        <translation>它的图块放不进一个 512 KB 的块</translation>
    </message>
    <message>
        <source>Sprite_pgt.bin not found!</source>
        <translation>找不到 Sprite_pgt.bin!</translation>
    </message>
    <message>
        <source>Batch process</source>
        <translation>批处理</translation>
    </message>
    <message>
        <source>The conversion results are damaged: %1</source>
        <translation>转换结果已损坏: %1</translation>
    </message>
    <message>
        <source>picture size is not a whole number of characters</source>
        <translation>图片大小不是整数个字符</translation>
    </message>
    <message>
        <source>name table is not as long as the header says</source>
        <translation>名称表的长度与文件头所写的不符</translation>
    </message>
    <message>
        <source>palette block is not 512 bytes</source>
        <translation>调色板块不是 512 字节</translation>
    </message>
    <message>
        <source>pattern block is not as long as the header says</source>
        <translation>图案块的长度与文件头所写的不符</translation>
    </message>
    <message>
        <source>Open Rom.b00 Error!</source>
        <translation>打开 Rom.b00 出错!</translation>
    </message>
    <message>
        <source>Rom.b00 is not a 512 KB ROM image (%1 bytes)</source>
        <translation>Rom.b00 不是 512 KB 的 ROM 映像(%1 字节)</translation>
    </message>
    <message>
        <source>The picture is too large for the test ROM: at most 2040 x 2040 pixels</source>
        <translation>图片对测试 ROM 来说太大:最多 2040 x 2040 像素</translation>
    </message>
    <message>
        <source>The picture does not fit into the test ROM: its data would reach %1, where the palette lies from 0x7E000 on</source>
        <translation>图片放不进测试 ROM:它的数据会到达 %1,而调色板从 0x7E000 开始</translation>
    </message>
    <message>
        <source>%1: cannot open the file</source>
        <translation>%1: 无法打开文件</translation>
    </message>
    <message>
        <source>%1: too short for a document header</source>
        <translation>%1: 文件太短,放不下文档头</translation>
    </message>
    <message>
        <source>%1: the document holds no converted picture</source>
        <translation>%1: 文档中没有转换好的图片</translation>
    </message>
    <message>
        <source>%1: corrupt document: %2</source>
        <translation>%1: 文档已损坏: %2</translation>
    </message>
    <message>
        <source>unknown character size %1</source>
        <translation>未知的字符大小 %1</translation>
    </message>
    <message>
        <source>unknown colour count %1</source>
        <translation>未知的颜色数 %1</translation>
    </message>
    <message>
        <source>unknown colour mode %1</source>
        <translation>未知的颜色模式 %1</translation>
    </message>
    <message>
        <source>picture size out of range</source>
        <translation>图片大小超出范围</translation>
    </message>
    <message>
        <source>name table size is not three bytes per cell</source>
        <translation>名称表大小不是每格三字节</translation>
    </message>
    <message>
        <source>name table does not match the picture size</source>
        <translation>名称表与图片大小不符</translation>
    </message>
    <message>
        <source>pattern block size out of range</source>
        <translation>图案块大小超出范围</translation>
    </message>
    <message>
        <source>more than 16 pattern banks</source>
        <translation>超过 16 个图案库</translation>
    </message>
    <message>
        <source>bank %1 reaches past the pattern block</source>
        <translation>图案库 %1 超出了图案块</translation>
    </message>
    <message>
        <source>%1: the project file is damaged: %2 entry(ies) lay outside the project and were put under it</source>
        <translation>%1: 工程文件已损坏: %2 个条目位于工程之外,已放到工程之下</translation>
    </message>
    <message>
        <source>bank %1 starts at row %2; the first bank starts at row 0</source>
        <translation>图案库 %1 从第 %2 行开始;第一个图案库从第 0 行开始</translation>
    </message>
    <message>
        <source>bank %1 starts at row %2, not after the bank before it</source>
        <translation>图案库 %1 从第 %2 行开始,不在前一个图案库之后</translation>
    </message>
    <message>
        <source>bank %1 starts at row %2, below the picture&apos;s %3 rows</source>
        <translation>图案库 %1 从第 %2 行开始,超出了图片的 %3 行</translation>
    </message>
    <message>
        <source>bank %1 starts at row %2, which is not the first row of a character</source>
        <translation>图案库 %1 从第 %2 行开始,这不是字符的第一行</translation>
    </message>
    <message>
        <source>bank %1 spans %2 pixel rows, but its IRQ count %3 does not fit a byte (at most 256 rows a bank)</source>
        <translation>图案库 %1 跨越 %2 个像素行,但它的 IRQ 计数 %3 放不进一个字节(每个图案库最多 256 行)</translation>
    </message>
    <message>
        <source>The PNT file cannot be written: %1</source>
        <translation>无法写出 PNT 文件: %1</translation>
    </message>
    <message>
        <source>sprite %1 has a tile at %2 offset %3 (%4), but a sprite line holds one byte</source>
        <translation>精灵 %1 有一个图块的 %2 偏移为 %3(%4),但精灵行的每个值只有一个字节</translation>
    </message>
    <message>
        <source>its %1 names do not fit one 8 KB page of names</source>
        <translation>它的 %1 个名称放不进一个 8 KB 的名称页</translation>
    </message>
    <message>
        <source>the animation&apos;s patterns pass 8 MB, so its 512 KB block number %1 does not fit a byte</source>
        <translation>动画的图案超过了 8 MB,它的 512 KB 块编号 %1 放不进一个字节</translation>
    </message>
    <message>
        <source>the names pass 2 MB, so the page number %1 does not fit a byte</source>
        <translation>名称超过了 2 MB,页号 %1 放不进一个字节</translation>
    </message>
    <message>
        <source>%1; no project output file was changed</source>
        <translation>%1;没有改动任何工程输出文件</translation>
    </message>
    <message>
        <source>%1: cannot replace it: it is not a file</source>
        <translation>%1: 无法替换:它不是文件</translation>
    </message>
    <message>
        <source>%1: cannot keep the previous file: %2</source>
        <translation>%1: 无法保留原来的文件: %2</translation>
    </message>
    <message>
        <source>the file is shorter than its header says</source>
        <translation>文件比文件头所写的短</translation>
    </message>
    <message>
        <source>%1: there is no picture to save</source>
        <translation>%1: 没有可保存的图片</translation>
    </message>
    <message>
        <source>%1: the picture has no info header</source>
        <translation>%1: 图片没有信息头</translation>
    </message>
    <message>
        <source>This permanently removes the selected group and all sub-groups under it.  Are you sure?</source>
        <translation>这会永久删除所选的组及其下的所有子组。确定吗?</translation>
    </message>
    <message>
        <source>width:%1</source>
        <translation>宽:%1</translation>
    </message>
    <message>
        <source>height:%1</source>
        <translation>高:%1</translation>
    </message>
    <message>
        <source>compress mode:%1</source>
        <translation>压缩模式:%1</translation>
    </message>
    <message>
        <source>color mode:%1</source>
        <translation>颜色模式:%1</translation>
    </message>
    <message>
        <source>block mode:%1</source>
        <translation>块模式:%1</translation>
    </message>
    <message>
        <source>block:%1</source>
        <translation>块数:%1</translation>
    </message>
    <message>
        <source>PGT size:$%1</source>
        <translation>PGT 大小:$%1</translation>
    </message>
    <message>
        <source>begin address:$%1</source>
        <translation>起始地址:$%1</translation>
    </message>
    <message>
        <source>end address:$%1</source>
        <translation>结束地址:$%1</translation>
    </message>
    <message>
        <source>PAL begin:$%1</source>
        <translation>调色板起点:$%1</translation>
    </message>
    <message>
        <source>color:$%1</source>
        <translation>颜色:$%1</translation>
    </message>
    <message>
        <source>Address:%1</source>
        <translation>地址:%1</translation>
    </message>
    <message>
        <source>compress:%1</source>
        <translation>压缩:%1</translation>
    </message>
    <message>
        <source>color:%1</source>
        <translation>颜色:%1</translation>
    </message>
    <message>
        <source>blockmode:%1</source>
        <translation>块模式:%1</translation>
    </message>
    <message>
        <source>PGTsize:$%1</source>
        <translation>PGT 大小:$%1</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>压缩</translation>
    </message>
    <message>
        <source>No Compress</source>
        <translation>不压缩</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>找不到</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>无法读取</translation>
    </message>
    <message>
        <source>The colour table of this colour mode holds no colour.</source>
        <translation>该颜色模式的颜色表中没有颜色。</translation>
    </message>
    <message>
        <source>Reducing colours...</source>
        <translation>正在减少颜色...</translation>
    </message>
</context>
<context>
    <name>kadro-cli</name>
    <message>
        <source>%1: 无效的文件类型 (not a picture type kadro reads)</source>
        <translation>%1: 无效的文件类型</translation>
    </message>
    <message>
        <source>format, size and colour count of a picture or document</source>
        <translation>图片或文档的格式、大小和颜色数</translation>
    </message>
    <message>
        <source>reduce a picture&apos;s colours to those of one VT03 colour mode</source>
        <translation>把图片的颜色减为一种 VT03 颜色模式能显示的颜色</translation>
    </message>
    <message>
        <source>convert an area of a picture (or .kdr) into VT03 tiles and save the .kdr document</source>
        <translation>把图片(或 .kdr)的一个区域转换为 VT03 图块并保存 .kdr 文档</translation>
    </message>
    <message>
        <source>draw a converted document as the console would show it</source>
        <translation>按游戏机显示的样子画出转换好的文档</translation>
    </message>
    <message>
        <source>print a project tree, start a project, or add an entry first under entry N</source>
        <translation>打印工程树、新建工程,或在条目 N 下最前面添加条目</translation>
    </message>
    <message>
        <source>write VT03PGT.BIN, VT03IRQ.ASM and one NAME.ASM per item beside the project file</source>
        <translation>在工程文件旁写出 VT03PGT.BIN、VT03IRQ.ASM 和每个项目的 NAME.ASM</translation>
    </message>
    <message>
        <source>write the PGT and PNT files of a converted document</source>
        <translation>写出转换好的文档的 PGT 和 PNT 文件</translation>
    </message>
    <message>
        <source>build the TV test ROM (Rom.b01 beside the program, ROM.BIN on a volume labelled MS1)</source>
        <translation>生成电视测试 ROM(程序旁的 Rom.b01,卷标为 MS1 的卷上的 ROM.BIN)</translation>
    </message>
    <message>
        <source>convert the frames of a list and write the animation sources in the current folder</source>
        <translation>转换列表中的各帧,并在当前文件夹写出动画源文件</translation>
    </message>
    <message>
        <source>write PALStep.asm: the palette faded toward a colour in N steps</source>
        <translation>写出 PALStep.asm:调色板分 N 步渐变到一种颜色</translation>
    </message>
    <message>
        <source>the picture to adapt</source>
        <translation>要调整颜色的图片</translation>
    </message>
    <message>
        <source>the adapted picture, written as BMP or PNG</source>
        <translation>调整后的图片,写成 BMP 或 PNG</translation>
    </message>
    <message>
        <source>the colour adaptation: %1</source>
        <translation>颜色调整方式: %1</translation>
    </message>
    <message>
        <source>-o: the adapted picture is written as .bmp or .png, not &apos;%1&apos;</source>
        <translation>-o: 调整后的图片写成 .bmp 或 .png,而不是“%1”</translation>
    </message>
    <message>
        <source>%1: a converted document has no picture to adapt</source>
        <translation>%1: 转换好的文档中没有可调整颜色的图片</translation>
    </message>
    <message>
        <source>the frame list: picture paths separated by blanks</source>
        <translation>帧列表:以空白分隔的图片路径</translation>
    </message>
    <message>
        <source>%1: cannot read the frame list</source>
        <translation>%1: 无法读取帧列表</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>显示本帮助并退出</translation>
    </message>
    <message>
        <source>takes %1, not &apos;%2&apos;</source>
        <translation>取值为 %1,而不是“%2”</translation>
    </message>
    <message>
        <source>takes a whole number from %1 to %2, not &apos;%3&apos;</source>
        <translation>取 %1 到 %2 的整数,而不是“%3”</translation>
    </message>
    <message>
        <source>show no progress on the terminal</source>
        <translation>不在终端上显示进度</translation>
    </message>
    <message>
        <source>usage: kadro-cli %1</source>
        <translation>用法: kadro-cli %1</translation>
    </message>
    <message>
        <source>Try &apos;kadro-cli %1 --help&apos; for more information.</source>
        <translation>运行“kadro-cli %1 --help”了解更多信息。</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>选项 %1 不带值</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>选项 %1 需要一个值</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>多余的参数“%1”</translation>
    </message>
    <message>
        <source>unknown option %1 (did you mean %2?)</source>
        <translation>未知选项 %1(是指 %2 吗?)</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>未知选项 %1</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>缺少 %1</translation>
    </message>
    <message>
        <source>something required is missing</source>
        <translation>缺少必需的内容</translation>
    </message>
    <message>
        <source>Usage: kadro-cli %1</source>
        <translation>用法: kadro-cli %1</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>参数:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>选项:</translation>
    </message>
    <message>
        <source>(default: %1)</source>
        <translation>(默认: %1)</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 或 %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>the picture, or a .kdr document to convert again</source>
        <translation>图片,或要重新转换的 .kdr 文档</translation>
    </message>
    <message>
        <source>the document to write</source>
        <translation>要写出的文档</translation>
    </message>
    <message>
        <source>the area to convert, a whole number of characters</source>
        <translation>要转换的区域,须为整数个字符</translation>
    </message>
    <message>
        <source>the whole picture</source>
        <translation>整幅图片</translation>
    </message>
    <message>
        <source>the colour mode: %1</source>
        <translation>颜色模式: %1</translation>
    </message>
    <message>
        <source>colours per character</source>
        <translation>每个字符的颜色数</translation>
    </message>
    <message>
        <source>character size</source>
        <translation>字符大小</translation>
    </message>
    <message>
        <source>keep duplicate tiles (they are removed by default)</source>
        <translation>保留重复的图块(默认会去掉)</translation>
    </message>
    <message>
        <source>the first pattern address</source>
        <translation>第一个图案地址</translation>
    </message>
    <message>
        <source>the pattern address the data ends before</source>
        <translation>数据结束处的图案地址</translation>
    </message>
    <message>
        <source>slot 0 of every palette</source>
        <translation>每个调色板的第 0 格</translation>
    </message>
    <message>
        <source>the colour of pixel (0, 0)</source>
        <translation>像素 (0, 0) 的颜色</translation>
    </message>
    <message>
        <source>lay the used slots of a palette file over the fitted palettes</source>
        <translation>用调色板文件中已用的格覆盖拟合出的调色板</translation>
    </message>
    <message>
        <source>save the palettes as the conversion used them</source>
        <translation>保存转换所用的调色板</translation>
    </message>
    <message>
        <source>first reduce the picture&apos;s colours as &apos;kadro-cli adapt&apos; does (default: no adaptation)</source>
        <translation>先像“kadro-cli adapt”那样减少图片的颜色(默认: 不调整)</translation>
    </message>
    <message>
        <source>-o: the document is written as .kdr, not &apos;%1&apos;</source>
        <translation>-o: 文档写成 .kdr,而不是“%1”</translation>
    </message>
    <message>
        <source>the conversion failed</source>
        <translation>转换失败</translation>
    </message>
    <message>
        <source>a picture, or a converted .kdr document</source>
        <translation>图片,或转换好的 .kdr 文档</translation>
    </message>
    <message>
        <source>print the figures as one JSON object, for scripts</source>
        <translation>以一个 JSON 对象打印各项数据,供脚本使用</translation>
    </message>
    <message>
        <source>takes a colour as #RRGGBB, not &apos;%1&apos;</source>
        <translation>取 #RRGGBB 形式的颜色,而不是“%1”</translation>
    </message>
    <message>
        <source>takes X,Y,W,H with a positive width and height, not &apos;%1&apos;</source>
        <translation>取宽和高为正数的 X,Y,W,H,而不是“%1”</translation>
    </message>
    <message>
        <source>takes a hexadecimal address of up to four digits, such as 400 or 1FFF, not &apos;%1&apos;</source>
        <translation>取最多四位的十六进制地址,如 400 或 1FFF,而不是“%1”</translation>
    </message>
    <message>
        <source>the converted document</source>
        <translation>转换好的文档</translation>
    </message>
    <message>
        <source>the PGT file</source>
        <translation>PGT 文件</translation>
    </message>
    <message>
        <source>DOC_pgt.bin or DOC_pgt.asm</source>
        <translation>DOC_pgt.bin 或 DOC_pgt.asm</translation>
    </message>
    <message>
        <source>the PNT file</source>
        <translation>PNT 文件</translation>
    </message>
    <message>
        <source>DOC_pnt.asm</source>
        <translation>DOC_pnt.asm</translation>
    </message>
    <message>
        <source>the PGT as raw bytes (BIN) or as assembler text (ASM)</source>
        <translation>PGT 写成原始字节(BIN)或汇编文本(ASM)</translation>
    </message>
    <message>
        <source>16 interleaves every 32-byte group of the PGT (16bit)</source>
        <translation>16 表示把 PGT 的每 32 字节一组交错排列(16bit)</translation>
    </message>
    <message>
        <source>name and attribute tables (TXT) or sprite tables (SPR)</source>
        <translation>名称表和属性表(TXT)或精灵表(SPR)</translation>
    </message>
    <message>
        <source>sprite lines with name and attribute (NOR) or pattern index (EXT)</source>
        <translation>精灵行带名称和属性(NOR)或字模索引(EXT)</translation>
    </message>
    <message>
        <source>the palette file whose first 64 colours fade</source>
        <translation>要渐变前 64 种颜色的调色板文件</translation>
    </message>
    <message>
        <source>the colour the palette fades toward</source>
        <translation>调色板渐变的目标颜色</translation>
    </message>
    <message>
        <source>the number of steps</source>
        <translation>步数</translation>
    </message>
    <message>
        <source>the colour mode of the written codes: %1</source>
        <translation>写出的颜色代码所用的颜色模式: %1</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: 没有这个文件</translation>
    </message>
    <message>
        <source>%1: cannot read the file</source>
        <translation>%1: 无法读取文件</translation>
    </message>
    <message>
        <source>%1: no %2 module (%3) beside the program</source>
        <translation>%1: 程序旁没有 %2 模块(%3)</translation>
    </message>
    <message>
        <source>%1: not a readable %2 picture (corrupt, truncated or too large)</source>
        <translation>%1: 不是可读的 %2 图片(已损坏、被截断或太大)</translation>
    </message>
    <message>
        <source>%1: the picture cannot be encoded as PNG</source>
        <translation>%1: 图片无法编码为 PNG</translation>
    </message>
    <message>
        <source>%1: already exists; remove it first to start a new project</source>
        <translation>%1: 已经存在;要新建工程请先删除它</translation>
    </message>
    <message>
        <source>give exactly one of --section, --group, --item, --sub-block</source>
        <translation>请给出 --section、--group、--item、--sub-block 中的恰好一个</translation>
    </message>
    <message>
        <source>--sub-block needs --rect X,Y,WIDTH,HEIGHT</source>
        <translation>--sub-block 需要 --rect X,Y,WIDTH,HEIGHT</translation>
    </message>
    <message>
        <source>--rect: Y, width and height of a sub block must be 0 to 255</source>
        <translation>--rect: 子块的 Y、宽和高须在 0 到 255 之间</translation>
    </message>
    <message>
        <source>warning: %1 (project-output needs a converted, saved document)</source>
        <translation>警告: %1(project-output 需要转换并保存好的文档)</translation>
    </message>
    <message>
        <source>--under needs an entry number that &apos;kadro-cli project show&apos; lists</source>
        <translation>--under 需要“kadro-cli project show”列出的条目编号</translation>
    </message>
    <message>
        <source>entry %1 (%2) cannot hold that entry: sections go under the project, groups and items under a section or group, sub blocks under an item</source>
        <translation>条目 %1(%2)不能容纳该条目:段放在工程下,组和项目放在段或组下,子块放在项目下</translation>
    </message>
    <message>
        <source>add: the entry, numbered as &apos;project show&apos; lists them, that gets the new entry first among its children</source>
        <translation>add: 获得新条目(排在其子条目最前)的条目,编号同“project show”所列</translation>
    </message>
    <message>
        <source>add a section (under the project)</source>
        <translation>添加段(在工程下)</translation>
    </message>
    <message>
        <source>the new section does not number its items on</source>
        <translation>新段不为其项目自动编号</translation>
    </message>
    <message>
        <source>add a group (under a section or group)</source>
        <translation>添加组(在段或组下)</translation>
    </message>
    <message>
        <source>add an item for a converted document (under a section or group)</source>
        <translation>为转换好的文档添加项目(在段或组下)</translation>
    </message>
    <message>
        <source>the item&apos;s name</source>
        <translation>项目的名称</translation>
    </message>
    <message>
        <source>the document&apos;s name</source>
        <translation>文档的名称</translation>
    </message>
    <message>
        <source>add a sub block (under an item)</source>
        <translation>添加子块(在项目下)</translation>
    </message>
    <message>
        <source>the sub block&apos;s place and size in pixels</source>
        <translation>子块的位置和大小(像素)</translation>
    </message>
    <message>
        <source>show (print the tree), new (start a project) or add (add an entry)</source>
        <translation>show(打印工程树)、new(新建工程)或 add(添加条目)</translation>
    </message>
    <message>
        <source>the project file</source>
        <translation>工程文件</translation>
    </message>
    <message>
        <source>unknown action &apos;%1&apos;; use show, new or add</source>
        <translation>未知操作“%1”;请用 show、new 或 add</translation>
    </message>
    <message>
        <source>project output not written</source>
        <translation>工程输出未写出</translation>
    </message>
    <message>
        <source>%1 item(s) skipped; the output lacks them</source>
        <translation>跳过了 %1 个项目;输出中没有它们</translation>
    </message>
    <message>
        <source>the picture to write, as BMP or PNG</source>
        <translation>要写出的图片,BMP 或 PNG</translation>
    </message>
    <message>
        <source>-o: the picture is written as .bmp or .png, not &apos;%1&apos;</source>
        <translation>-o: 图片写成 .bmp 或 .png,而不是“%1”</translation>
    </message>
    <message>
        <source>%1: the document holds no converted picture</source>
        <translation>%1: 文档中没有转换好的图片</translation>
    </message>
    <message>
        <source>%1: %2 character(s) name patterns the document lacks; they are left blank</source>
        <translation>%1: 有 %2 个字符指向文档中没有的图案;它们留为空白</translation>
    </message>
    <message>
        <source>takes an index from 0 to 29 or one of the panel codes, not &apos;%1&apos;</source>
        <translation>取 0 到 29 的编号或一个面板代码,而不是“%1”</translation>
    </message>
    <message>
        <source>the TV panel, by index (0-29) or code</source>
        <translation>电视面板,按编号(0-29)或代码</translation>
    </message>
    <message>
        <source>also save the ROM image here</source>
        <translation>另外把 ROM 映像保存到这里</translation>
    </message>
    <message>
        <source>the program&apos;s folder is not writable, so %1 was not saved there</source>
        <translation>程序所在的文件夹不可写,因此 %1 没有保存在那里</translation>
    </message>
    <message>
        <source>Usage: kadro-cli COMMAND [ARGUMENTS]</source>
        <translation>用法: kadro-cli 命令 [参数]</translation>
    </message>
    <message>
        <source>Pictures to VT03 console data.</source>
        <translation>把图片转换为 VT03 游戏机数据。</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>命令:</translation>
    </message>
    <message>
        <source>show the version and build and exit</source>
        <translation>显示版本和构建并退出</translation>
    </message>
    <message>
        <source>&apos;kadro-cli COMMAND --help&apos; shows the options of a command.</source>
        <translation>“kadro-cli 命令 --help”显示一个命令的选项。</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>未知选项“%1”</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>未知命令“%1”</translation>
    </message>
    <message>
        <source> (did you mean &apos;%1&apos;?)</source>
        <translation>(是指“%1”吗?)</translation>
    </message>
    <message>
        <source>&apos;kadro-cli --help&apos; lists the commands.</source>
        <translation>“kadro-cli --help”列出所有命令。</translation>
    </message>
    <message>
        <source>%1: a converted document shows console colours already</source>
        <translation>%1: 转换好的文档已经是游戏机的颜色</translation>
    </message>
    <message>
        <source>--adapt and --reduce both reduce the colours; give one of them</source>
        <translation>--adapt 和 --reduce 都会减少颜色,只能给出其中一个</translation>
    </message>
    <message>
        <source>--dither and --strength are options of --reduce</source>
        <translation>--dither 和 --strength 是 --reduce 的选项</translation>
    </message>
    <message>
        <source>-o: the reduced picture is written as .bmp or .png, not &apos;%1&apos;</source>
        <translation>-o: 减色后的图片只能写为 .bmp 或 .png,不能是 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>bring any picture to the console&apos;s rules: up to 16 palettes, one for each 16 x 16 block</source>
        <translation>把任何图片变为游戏机的规则:最多 16 个调色板,每个 16 x 16 块用一个</translation>
    </message>
    <message>
        <source>first bring the area to the console&apos;s rules: up to 16 palettes of the colour mode&apos;s colours, one for each 16 x 16 block (implies --palette-fit best)</source>
        <translation>先把区域变为游戏机的规则:最多 16 个由该颜色模式的颜色组成的调色板,每个 16 x 16 块用一个(隐含 --palette-fit best)</translation>
    </message>
    <message>
        <source>how strongly the dither mixes</source>
        <translation>抖动混合的强度</translation>
    </message>
    <message>
        <source>how the blocks&apos; colours go into the 16 palettes: first, each block into the first palette with room, or best, palettes searched for that hold every block (the same as first wherever first succeeds; best with --reduce)</source>
        <translation>各块的颜色如何放入 16 个调色板:first,每块放入第一个有空位的调色板;best,搜索能容纳所有块的调色板(first 能成功时结果与 first 相同;用 --reduce 时为 best)</translation>
    </message>
    <message>
        <source>how the reduction mixes the colours of a block&apos;s palette: none, ordered (an 8 x 8 Bayer matrix) or diffusion (the error spread to the next pixels)</source>
        <translation>减色时如何混合块调色板中的颜色:none(不混合)、ordered(8 x 8 Bayer 矩阵)或 diffusion(误差扩散到后面的像素)</translation>
    </message>
    <message>
        <source>takes a number from 0 to 1, not &apos;%1&apos;</source>
        <translation>取 0 到 1 之间的数,不能是 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the picture to reduce</source>
        <translation>要减色的图片</translation>
    </message>
    <message>
        <source>the reduced picture, written as BMP or PNG</source>
        <translation>减色后的图片,写为 BMP 或 PNG</translation>
    </message>
</context>
</TS>
