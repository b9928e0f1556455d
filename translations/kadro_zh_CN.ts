<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CommandTable</name>
    <message>
        <source>Show the picture at %1:1
%1:1</source>
        <translation>以 %1:1 显示图片
%1:1</translation>
    </message>
    <message>
        <source>Show the picture at 1:%1
1:%1</source>
        <translation>以 1:%1 显示图片
1:%1</translation>
    </message>
    <message>
        <source>(&amp;N)ew	Ctrl+N</source>
        <translation>新建(&amp;N)	Ctrl+N</translation>
    </message>
    <message>
        <source>建立新文档
新建</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>新建工程</translation>
    </message>
    <message>
        <source>建立新工程
新工程</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(&amp;O)pen...	Ctrl+O</source>
        <translation>打开(&amp;O)...	Ctrl+O</translation>
    </message>
    <message>
        <source>打开一个现有文档
打开</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(&amp;S)ave	Ctrl+S</source>
        <translation>保存(&amp;S)	Ctrl+S</translation>
    </message>
    <message>
        <source>保存活动文档
保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save (&amp;A)s...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>用新名称保存活动文档
另存为</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output...	F5</source>
        <translation>输出...	F5</translation>
    </message>
    <message>
        <source>输出转换结果
输出</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E(&amp;x)it</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>退出应用程序
退出</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(&amp;A)dd...</source>
        <translation>添加(&amp;A)...</translation>
    </message>
    <message>
        <source>(&amp;D)el</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>(&amp;U)pward</source>
        <translation>上移(&amp;U)</translation>
    </message>
    <message>
        <source>D(&amp;o)wnward</source>
        <translation>下移(&amp;O)</translation>
    </message>
    <message>
        <source>Load...</source>
        <translation>载入...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>另存为...</translation>
    </message>
    <message>
        <source>Attribute(&amp;P)</source>
        <translation>属性(&amp;P)</translation>
    </message>
    <message>
        <source>Output...</source>
        <translation>输出...</translation>
    </message>
    <message>
        <source>(&amp;U)ndo	Ctrl+Z</source>
        <translation>撤消(&amp;U)	Ctrl+Z</translation>
    </message>
    <message>
        <source>撤消最后一步操作
撤消</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu(&amp;t)	Ctrl+X</source>
        <translation>剪切(&amp;T)	Ctrl+X</translation>
    </message>
    <message>
        <source>剪切被选对象并将其置于剪贴板上
剪切</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(&amp;C)opy	Ctrl+C</source>
        <translation>复制(&amp;C)	Ctrl+C</translation>
    </message>
    <message>
        <source>复制被选对象并将其置于剪贴板上
复制</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(&amp;P)aste	Ctrl+V</source>
        <translation>粘贴(&amp;P)	Ctrl+V</translation>
    </message>
    <message>
        <source>插入剪贴板内容
粘贴</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(&amp;T)oolbar</source>
        <translation>工具栏(&amp;T)</translation>
    </message>
    <message>
        <source>显示或隐藏工具栏
显隐工具栏</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(&amp;S)tatusbar</source>
        <translation>状态栏(&amp;S)</translation>
    </message>
    <message>
        <source>显示或隐藏状态栏
显隐状态栏</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(&amp;P)AL</source>
        <translation>调色板(&amp;P)</translation>
    </message>
    <message>
        <source>显示或隐藏调色板
显隐调色板</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tool (&amp;B)ox</source>
        <translation>工具箱(&amp;B)</translation>
    </message>
    <message>
        <source>显示或隐藏工具箱
显隐工具箱</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(&amp;R)efresh</source>
        <translation>刷新(&amp;R)</translation>
    </message>
    <message>
        <source>刷新当前图片
刷新</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display grid</source>
        <translation>显示网格</translation>
    </message>
    <message>
        <source>显示网格
网格</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal(1:1)</source>
        <translation>原始大小(1:1)</translation>
    </message>
    <message>
        <source>以默认大小显示图片
默认</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>放大显示图片
放大</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>缩小显示图片
缩小</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(&amp;T)ransform	Ctrl+T</source>
        <translation>转换(&amp;T)	Ctrl+T</translation>
    </message>
    <message>
        <source>转换图形格式
转换</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VT03 HSL 4K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VT03 RGB 4K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6561 64</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV Effect</source>
        <translation>电视效果</translation>
    </message>
    <message>
        <source>Batch process</source>
        <translation>批处理</translation>
    </message>
    <message>
        <source>Palette tool</source>
        <translation>调色板工具</translation>
    </message>
    <message>
        <source>(&amp;A)bout Kadro...</source>
        <translation>关于 Kadro(&amp;A)...</translation>
    </message>
    <message>
        <source>显示程序信息、版本号和版权
关于</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next pane</source>
        <translation>下一窗格</translation>
    </message>
    <message>
        <source>切换到下一个窗格
下一窗格</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous pane</source>
        <translation>前一窗格</translation>
    </message>
    <message>
        <source>切换回前一个窗格
前一窗格</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>橡皮擦</translation>
    </message>
    <message>
        <source>Select Palette Erase Tool
Eraser</source>
        <translation>选择橡皮擦工具
橡皮擦</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>画笔</translation>
    </message>
    <message>
        <source>Select Palette Pen Tool
Pen</source>
        <translation>选择画笔工具
画笔</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>选取</translation>
    </message>
    <message>
        <source>Select Palette Select Tool
Select</source>
        <translation>选择选取工具
选取</translation>
    </message>
    <message>
        <source>Brush</source>
        <translation>刷子</translation>
    </message>
    <message>
        <source>Select Palette Brush Tool
Brush</source>
        <translation>选择刷子工具
刷子</translation>
    </message>
    <message>
        <source>Spray</source>
        <translation>喷枪</translation>
    </message>
    <message>
        <source>Select Palette Spray Tool
Spray</source>
        <translation>选择喷枪工具
喷枪</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>填充</translation>
    </message>
    <message>
        <source>Select Palette Paint Tool
Paint</source>
        <translation>选择填充工具
填充</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>直线</translation>
    </message>
    <message>
        <source>Select Palette Line Tool
Line</source>
        <translation>选择直线工具
直线</translation>
    </message>
    <message>
        <source>Eye Drop</source>
        <translation>吸管</translation>
    </message>
    <message>
        <source>Select Palette EyeDrop Tool
Eye Drop</source>
        <translation>选择吸管工具
吸管</translation>
    </message>
    <message>
        <source>Magnify</source>
        <translation>放大镜</translation>
    </message>
    <message>
        <source>Select Palette Magnify Tool
Magnify</source>
        <translation>选择放大镜工具
放大镜</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>矩形</translation>
    </message>
    <message>
        <source>Select Palette Rectangle Tool
Rectangle</source>
        <translation>选择矩形工具
矩形</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>圆形</translation>
    </message>
    <message>
        <source>Select Palette Round Tool
Round</source>
        <translation>选择圆形工具
圆形</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>椭圆</translation>
    </message>
    <message>
        <source>Select Palette Oval Tool
Oval</source>
        <translation>选择椭圆工具
椭圆</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>Color</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
</context>
<context>
    <name>kadro::gui::AboutDialog</name>
    <message>
        <source>About Kadro</source>
        <translation>关于 Kadro</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Pictures into VT03 character data.</source>
        <translation>把图片转换为 VT03 字符数据。</translation>
    </message>
</context>
<context>
    <name>kadro::gui::BatchDialog</name>
    <message>
        <source>Process</source>
        <translation>处理</translation>
    </message>
    <message>
        <source>Batch process</source>
        <translation>批处理</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>载入</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>LST文件(*.lst)|*.lst||</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the frame list &quot;%1&quot;.</source>
        <translation>无法读取帧列表“%1”。</translation>
    </message>
    <message>
        <source>Batch process finished: %1 files written in %2.</source>
        <translation>批处理完成:在 %2 写出了 %1 个文件。</translation>
    </message>
    <message>
        <source>The batch process stopped.</source>
        <translation>批处理已停止。</translation>
    </message>
</context>
<context>
    <name>kadro::gui::CHyperLink</name>
    <message>
        <source>Can&apos;t open link:

</source>
        <translation>无法打开链接:

</translation>
    </message>
    <message>
        <source>No program on this desktop opens &quot;%1&quot;.</source>
        <translation>这个桌面上没有能打开“%1”的程序。</translation>
    </message>
</context>
<context>
    <name>kadro::gui::CKadroApp</name>
    <message>
        <source>打开图像文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>所有图象文件(*.bmp,*.pcx,*.gif;*.tga;*.psd;*.jpg;*.tif;)|*.bmp;*.pcx;*.gif;*.tga;*.psd;*.jpg;*.tif;|KDR文件|*.gs?;*.kdr||</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 written in %2</source>
        <translation>%1 已写入 %2</translation>
    </message>
</context>
<context>
    <name>kadro::gui::CKadroDoc</name>
    <message>
        <source>Cannot open &quot;%1&quot;: it is missing, unreadable or not a picture.</source>
        <translation>无法打开“%1”:文件不存在、无法读取或不是图片。</translation>
    </message>
    <message>
        <source>无标题</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kadro Files (*.kdr)|*.kdr||</source>
        <translation>Kadro 文件 (*.kdr)|*.kdr||</translation>
    </message>
    <message>
        <source>Bitmap(*.bmp)|*.bmp||</source>
        <translation>位图(*.bmp)|*.bmp||</translation>
    </message>
    <message>
        <source>Bitmap(*.kdr)|*.kdr|Bitmap(*.bmp)|*.bmp||</source>
        <translation>块图(*.kdr)|*.kdr|位图(*.bmp)|*.bmp||</translation>
    </message>
</context>
<context>
    <name>kadro::gui::CMainFrame</name>
    <message>
        <source>就绪</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(&amp;F)ile</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation>最近的文件</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>最近的文件</translation>
    </message>
    <message>
        <source>打开该文档</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(&amp;P)roject</source>
        <translation>工程(&amp;P)</translation>
    </message>
    <message>
        <source>(&amp;E)dit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>(&amp;V)iew</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>系统的语言</translation>
    </message>
    <message>
        <source>Original texts</source>
        <translation>原始文字</translation>
    </message>
    <message>
        <source>Kadro shows the new language when it starts again.</source>
        <translation>Kadro 下次启动时显示新的语言。</translation>
    </message>
    <message>
        <source>(&amp;T)ool</source>
        <translation>工具(&amp;T)</translation>
    </message>
    <message>
        <source>VT03 color adaptation</source>
        <translation>VT03 颜色调整</translation>
    </message>
    <message>
        <source>(&amp;H)elp</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>大写</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>数字</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>滚动</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kadro::gui::CPRGTreeView</name>
    <message>
        <source>Add(&amp;A)</source>
        <translation>添加(&amp;A)</translation>
    </message>
    <message>
        <source>Del(&amp;D)</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>Upward(&amp;U)</source>
        <translation>上移(&amp;U)</translation>
    </message>
    <message>
        <source>Downward(&amp;O)</source>
        <translation>下移(&amp;O)</translation>
    </message>
    <message>
        <source>Attribute(&amp;P)</source>
        <translation>属性(&amp;P)</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>输出</translation>
    </message>
    <message>
        <source>Project output: %1 files written in %2</source>
        <translation>工程输出:在 %2 写出了 %1 个文件</translation>
    </message>
</context>
<context>
    <name>kadro::gui::ColourPickerDialog</name>
    <message>
        <source>Colors Select</source>
        <translation>选择颜色</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>红</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>绿</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>蓝</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>色调</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>饱和度</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Old</source>
        <translation>原来</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新</translation>
    </message>
</context>
<context>
    <name>kadro::gui::FileOutputDialog</name>
    <message>
        <source>File Output</source>
        <translation>文件输出</translation>
    </message>
    <message>
        <source>PGT File</source>
        <translation>PGT 文件</translation>
    </message>
    <message>
        <source>PGT文件(*.bin,*.asm)|*.bin||</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNT File</source>
        <translation>PNT 文件</translation>
    </message>
    <message>
        <source>PNT文件(*.asm)|*.asm||</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PGT format</source>
        <translation>PGT 格式</translation>
    </message>
    <message>
        <source>PGT width</source>
        <translation>PGT 宽度</translation>
    </message>
    <message>
        <source>PNT content</source>
        <translation>PNT 内容</translation>
    </message>
    <message>
        <source>Sprite format</source>
        <translation>精灵格式</translation>
    </message>
    <message>
        <source>LEVEL</source>
        <translation>级别</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>浏览...</translation>
    </message>
</context>
<context>
    <name>kadro::gui::IncreaseDialog</name>
    <message>
        <source>块图文件(*.kdr)|*.kdr||</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group</source>
        <translation>组</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>项目</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>浏览...</translation>
    </message>
    <message>
        <source>Increase</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>路径</translation>
    </message>
</context>
<context>
    <name>kadro::gui::IncreaseSectionDialog</name>
    <message>
        <source>Automatically increase the spatial block data</source>
        <translation>自动增加空间块数据</translation>
    </message>
    <message>
        <source>Increase Section</source>
        <translation>添加段</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
</context>
<context>
    <name>kadro::gui::InfoBar</name>
    <message>
        <source>Information</source>
        <translation>信息</translation>
    </message>
</context>
<context>
    <name>kadro::gui::NewSizeDialog</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>宽</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>kadro::gui::PalSetupDialog</name>
    <message>
        <source>调色板文件(*.pal)|*.pal||</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VT03 PAL Setup</source>
        <translation>VT03 调色板设置</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>载入</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>kadro::gui::PalettePanel</name>
    <message>
        <source>Right Button</source>
        <translation>右键</translation>
    </message>
    <message>
        <source>Line clear</source>
        <translation>清除该行</translation>
    </message>
    <message>
        <source>Line cut</source>
        <translation>剪切该行</translation>
    </message>
    <message>
        <source>Line Copy</source>
        <translation>复制该行</translation>
    </message>
    <message>
        <source>Line paste</source>
        <translation>粘贴该行</translation>
    </message>
</context>
<context>
    <name>kadro::gui::PaletteToolDialog</name>
    <message>
        <source>No PAL File Define!</source>
        <translation>没有指定调色板文件!</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>请输入 %1 到 %2 之间的整数。</translation>
    </message>
    <message>
        <source>PAL process</source>
        <translation>调色板处理</translation>
    </message>
    <message>
        <source>Brows</source>
        <translation>浏览</translation>
    </message>
    <message>
        <source>PAL File:</source>
        <translation>调色板文件:</translation>
    </message>
    <message>
        <source>To</source>
        <translation>目标</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>级数</translation>
    </message>
    <message>
        <source>调色板文件(*.pal)|*.pal||</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kadro::gui::PntAttribDialog</name>
    <message>
        <source>Switch1</source>
        <translation>开关1</translation>
    </message>
    <message>
        <source>Switch2</source>
        <translation>开关2</translation>
    </message>
    <message>
        <source>PNT Attrib</source>
        <translation>PNT 属性</translation>
    </message>
    <message>
        <source>PNTCode</source>
        <translation>PNT 代码</translation>
    </message>
    <message>
        <source>ATTCode</source>
        <translation>属性代码</translation>
    </message>
    <message>
        <source>PALNo</source>
        <translation>调色板号</translation>
    </message>
</context>
<context>
    <name>kadro::gui::ReduceDialog</name>
    <message>
        <source>Reduce to VT03 colours</source>
        <translation>减少为 VT03 颜色</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Ordered</source>
        <translation>有序</translation>
    </message>
    <message>
        <source>Diffusion</source>
        <translation>扩散</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>原图</translation>
    </message>
    <message>
        <source>Reduced</source>
        <translation>减色后</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>颜色模式</translation>
    </message>
    <message>
        <source>Color SUM</source>
        <translation>颜色数</translation>
    </message>
    <message>
        <source>Dither</source>
        <translation>抖动</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>强度</translation>
    </message>
    <message>
        <source>PSNR</source>
        <translation>PSNR</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>完全一致</translation>
    </message>
    <message>
        <source>%1 dB</source>
        <translation>%1 dB</translation>
    </message>
</context>
<context>
    <name>kadro::gui::SelectColorDialog</name>
    <message>
        <source>Select Color</source>
        <translation>选择颜色</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>kadro::gui::SubBlockDialog</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>请输入整数。</translation>
    </message>
    <message>
        <source>Setup Sub Block</source>
        <translation>设置子块</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>宽</translation>
    </message>
    <message>
        <source>Heigh</source>
        <translation>高</translation>
    </message>
</context>
<context>
    <name>kadro::gui::ToolBox</name>
    <message>
        <source>绘图工具</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kadro::gui::TransformationDialog</name>
    <message>
        <source>VT03 Transformation</source>
        <translation>VT03 转换</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>宽</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <source>Used Color：</source>
        <translation>已用颜色:</translation>
    </message>
    <message>
        <source>avilable color:</source>
        <translation>可用颜色:</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>颜色模式</translation>
    </message>
    <message>
        <source>Color SUM</source>
        <translation>颜色数</translation>
    </message>
    <message>
        <source>Char Size</source>
        <translation>字符大小</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>Start Address</source>
        <translation>起始地址</translation>
    </message>
    <message>
        <source>End Address</source>
        <translation>结束地址</translation>
    </message>
    <message>
        <source>Backgroud Color</source>
        <translation>背景颜色</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The area must lie inside the picture, which is %1 x %2 pixels.</source>
        <translation>区域必须在图片之内,图片大小为 %1 x %2 像素。</translation>
    </message>
</context>
<context>
    <name>kadro::gui::TvDisplayDialog</name>
    <message>
        <source>TV Display Config</source>
        <translation>电视显示设置</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Test ROM saved as %1</source>
        <translation>测试 ROM 已保存为 %1</translation>
    </message>
    <message>
        <source>, copied to %1</source>
        <translation>,并复制到 %1</translation>
    </message>
</context>
</TS>
