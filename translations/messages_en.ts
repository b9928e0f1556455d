<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>core</name>
    <message>
        <source>(%1,%2,%3,%4)内颜色超过%5种,转换终止!</source>
        <translation>Block (%1,%2)–(%3,%4) has more than %5 colours; conversion stopped.</translation>
    </message>
    <message>
        <source>(%1,%2,%3,%4)范围内颜色超过%5种,转换终止!</source>
        <translation>Character (%1,%2)–(%3,%4) has more than %5 colours; conversion stopped.</translation>
    </message>
    <message>
        <source>没有可用的调色板匹配(%1,%2,%3,%4),转换终止!</source>
        <translation>No palette is free for block (%1,%2)–(%3,%4); conversion stopped.</translation>
    </message>
    <message>
        <source>请将位图转换为24位色处理!</source>
        <translation>Please convert the picture to 24-bit colour first.</translation>
    </message>
    <message>
        <source>当前区域与块大小不匹配!</source>
        <translation>The area is not a whole number of characters.</translation>
    </message>
    <message>
        <source>非法的KDR文件!</source>
        <translation>Not a valid KDR file.</translation>
    </message>
    <message>
        <source>%1: 非法的KDR文件!</source>
        <translation>%1: not a valid KDR file.</translation>
    </message>
    <message>
        <source>该文件不是合法的调色板文件!</source>
        <translation>The file is not a valid palette file.</translation>
    </message>
    <message>
        <source>%1: 该文件不是合法的调色板文件!</source>
        <translation>%1: not a valid palette file.</translation>
    </message>
    <message>
        <source>PRG文件错误!</source>
        <translation>The project file is damaged.</translation>
    </message>
    <message>
        <source>RGB2HSL.TAB文件读取错误!</source>
        <translation>The colour table RGB2HSL.TAB cannot be read.</translation>
    </message>
    <message>
        <source>6576(ok).act文件错误!</source>
        <translation>The colour table 6576(ok).act is damaged or missing.</translation>
    </message>
    <message>
        <source>无效的文件类型</source>
        <translation>Not a picture type Kadro reads.</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>转换中...</source>
        <translation>Converting...</translation>
    </message>
    <message>
        <source>输出PGT...</source>
        <translation>Writing PGT...</translation>
    </message>
    <message>
        <source>输出PNT...</source>
        <translation>Writing PNT...</translation>
    </message>
    <message>
        <source>输出Palette...</source>
        <translation>Writing palette...</translation>
    </message>
    <message>
        <source>输出Attrib...</source>
        <translation>Writing attributes...</translation>
    </message>
    <message>
        <source>工程</source>
        <translation>Project</translation>
    </message>
    <message>
        <source>工程文件(*.prg)|*.prg||</source>
        <translation>Project files (*.prg)|*.prg||</translation>
    </message>
    <message>
        <source>The characters of picture rows %1-%2 need more than one pattern bank: their distinct tiles do not fit between address 0x%3 and end address 0x%4. Conversion stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The area needs more than %1 pattern banks. Conversion stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The conversion settings hold an unknown character size, colour count, compression or colour mode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The area (%1,%2,%3,%4) is empty or reaches outside the %5x%6 picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings&apos; size %1x%2 differs from the area&apos;s %3x%4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End address 0x%1 is above 0x2000, the size of a pattern bank.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End address 0x%1 is not above start address 0x%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start address 0x%1 is not a multiple of 0x%2, so %3 characters could not be named from it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; the fitted palettes are used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot open the palette file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the palette file is shorter than 2064 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot create the file: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot write the file: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot replace the file: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the project was not saved: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot open the project file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the project file ends inside entry %2 of %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the project file holds no entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a text of %1 bytes (at most %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the project has no root entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the project has %1 entries; a project file holds at most %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name %1 is %2 bytes long; a project file holds at most %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the entry %1 has %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the entry %1 has no record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item &quot;%1&quot; skipped: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has no name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its name cannot be a file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its file would replace VT03IRQ.ASM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an earlier item already writes %1.ASM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it names no document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project output refused: the patterns need 2 KB block numbers up to %1, but an IRQ record holds at most $FF (512 KB of patterns); nothing was written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2; the batch run stops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be loaded or converted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>damaged conversion results: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not converted with 16 colours and 8*8 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its tiles need more than one 8 KB pattern bank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture has no tiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its names point past its tiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its tiles do not fit into one 512 KB block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sprite_pgt.bin not found!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Batch process</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The conversion results are damaged: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>picture size is not a whole number of characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name table is not as long as the header says</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>palette block is not 512 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pattern block is not as long as the header says</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Rom.b00 Error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rom.b00 is not a 512 KB ROM image (%1 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture is too large for the test ROM: at most 2040 x 2040 pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture does not fit into the test ROM: its data would reach %1, where the palette lies from 0x7E000 on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot open the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: too short for a document header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the document holds no converted picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: corrupt document: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown character size %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown colour count %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown colour mode %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>picture size out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name table size is not three bytes per cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name table does not match the picture size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pattern block size out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more than 16 pattern banks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bank %1 reaches past the pattern block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the project file is damaged: %2 entry(ies) lay outside the project and were put under it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bank %1 starts at row %2; the first bank starts at row 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bank %1 starts at row %2, not after the bank before it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bank %1 starts at row %2, below the picture&apos;s %3 rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bank %1 starts at row %2, which is not the first row of a character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bank %1 spans %2 pixel rows, but its IRQ count %3 does not fit a byte (at most 256 rows a bank)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PNT file cannot be written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sprite %1 has a tile at %2 offset %3 (%4), but a sprite line holds one byte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its %1 names do not fit one 8 KB page of names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the animation&apos;s patterns pass 8 MB, so its 512 KB block number %1 does not fit a byte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the names pass 2 MB, so the page number %1 does not fit a byte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; no project output file was changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot replace it: it is not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot keep the previous file: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is shorter than its header says</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: there is no picture to save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the picture has no info header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This permanently removes the selected group and all sub-groups under it.  Are you sure?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>width:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>height:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>compress mode:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>color mode:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>block mode:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>block:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PGT size:$%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>begin address:$%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>end address:$%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PAL begin:$%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>color:$%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>compress:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>color:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blockmode:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PGTsize:$%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Compress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The colour table of this colour mode holds no colour.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reducing colours...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kadro-cli</name>
    <message>
        <source>%1: 无效的文件类型 (not a picture type kadro reads)</source>
        <translation>%1: not a picture type kadro reads</translation>
    </message>
    <message>
        <source>format, size and colour count of a picture or document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reduce a picture&apos;s colours to those of one VT03 colour mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>convert an area of a picture (or .kdr) into VT03 tiles and save the .kdr document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>draw a converted document as the console would show it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print a project tree, start a project, or add an entry first under entry N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write VT03PGT.BIN, VT03IRQ.ASM and one NAME.ASM per item beside the project file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write the PGT and PNT files of a converted document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>build the TV test ROM (Rom.b01 beside the program, ROM.BIN on a volume labelled MS1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>convert the frames of a list and write the animation sources in the current folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write PALStep.asm: the palette faded toward a colour in N steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture to adapt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the adapted picture, written as BMP or PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the colour adaptation: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-o: the adapted picture is written as .bmp or .png, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: a converted document has no picture to adapt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the frame list: picture paths separated by blanks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot read the frame list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>takes %1, not &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>takes a whole number from %1 to %2, not &apos;%3&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show no progress on the terminal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>usage: kadro-cli %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;kadro-cli %1 --help&apos; for more information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option %1 (did you mean %2?)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>something required is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: kadro-cli %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(default: %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture, or a .kdr document to convert again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the document to write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the area to convert, a whole number of characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the whole picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the colour mode: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>colours per character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>character size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keep duplicate tiles (they are removed by default)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the first pattern address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the pattern address the data ends before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slot 0 of every palette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the colour of pixel (0, 0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lay the used slots of a palette file over the fitted palettes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>save the palettes as the conversion used them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>first reduce the picture&apos;s colours as &apos;kadro-cli adapt&apos; does (default: no adaptation)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-o: the document is written as .kdr, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the conversion failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a picture, or a converted .kdr document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print the figures as one JSON object, for scripts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>takes a colour as #RRGGBB, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>takes X,Y,W,H with a positive width and height, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>takes a hexadecimal address of up to four digits, such as 400 or 1FFF, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the converted document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the PGT file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DOC_pgt.bin or DOC_pgt.asm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the PNT file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DOC_pnt.asm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the PGT as raw bytes (BIN) or as assembler text (ASM)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16 interleaves every 32-byte group of the PGT (16bit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name and attribute tables (TXT) or sprite tables (SPR)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sprite lines with name and attribute (NOR) or pattern index (EXT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the palette file whose first 64 colours fade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the colour the palette fades toward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the number of steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the colour mode of the written codes: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot read the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no %2 module (%3) beside the program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not a readable %2 picture (corrupt, truncated or too large)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the picture cannot be encoded as PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: already exists; remove it first to start a new project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give exactly one of --section, --group, --item, --sub-block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--sub-block needs --rect X,Y,WIDTH,HEIGHT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--rect: Y, width and height of a sub block must be 0 to 255</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>warning: %1 (project-output needs a converted, saved document)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--under needs an entry number that &apos;kadro-cli project show&apos; lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>entry %1 (%2) cannot hold that entry: sections go under the project, groups and items under a section or group, sub blocks under an item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>add: the entry, numbered as &apos;project show&apos; lists them, that gets the new entry first among its children</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>add a section (under the project)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the new section does not number its items on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>add a group (under a section or group)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>add an item for a converted document (under a section or group)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the item&apos;s name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the document&apos;s name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>add a sub block (under an item)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the sub block&apos;s place and size in pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show (print the tree), new (start a project) or add (add an entry)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the project file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown action &apos;%1&apos;; use show, new or add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>project output not written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 item(s) skipped; the output lacks them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture to write, as BMP or PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-o: the picture is written as .bmp or .png, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the document holds no converted picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 character(s) name patterns the document lacks; they are left blank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>takes an index from 0 to 29 or one of the panel codes, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the TV panel, by index (0-29) or code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>also save the ROM image here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the program&apos;s folder is not writable, so %1 was not saved there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: kadro-cli COMMAND [ARGUMENTS]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures to VT03 console data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show the version and build and exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;kadro-cli COMMAND --help&apos; shows the options of a command.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (did you mean &apos;%1&apos;?)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;kadro-cli --help&apos; lists the commands.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: a converted document shows console colours already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--adapt and --reduce both reduce the colours; give one of them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--dither and --strength are options of --reduce</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-o: the reduced picture is written as .bmp or .png, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bring any picture to the console&apos;s rules: up to 16 palettes, one for each 16 x 16 block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>first bring the area to the console&apos;s rules: up to 16 palettes of the colour mode&apos;s colours, one for each 16 x 16 block (implies --palette-fit best)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>how strongly the dither mixes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>how the blocks&apos; colours go into the 16 palettes: first, each block into the first palette with room, or best, palettes searched for that hold every block (the same as first wherever first succeeds; best with --reduce)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>how the reduction mixes the colours of a block&apos;s palette: none, ordered (an 8 x 8 Bayer matrix) or diffusion (the error spread to the next pixels)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>takes a number from 0 to 1, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture to reduce</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the reduced picture, written as BMP or PNG</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
