<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CommandTable</name>
    <message>
        <source>Show the picture at %1:1
%1:1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the picture at 1:%1
1:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(&amp;N)ew	Ctrl+N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>建立新文档
新建</source>
        <translation>Create a new document
New</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>建立新工程
新工程</source>
        <translation>Create a new project
New Project</translation>
    </message>
    <message>
        <source>(&amp;O)pen...	Ctrl+O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打开一个现有文档
打开</source>
        <translation>Open an existing document
Open</translation>
    </message>
    <message>
        <source>(&amp;S)ave	Ctrl+S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存活动文档
保存</source>
        <translation>Save the active document
Save</translation>
    </message>
    <message>
        <source>Save (&amp;A)s...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>用新名称保存活动文档
另存为</source>
        <translation>Save the active document under a new name
Save As</translation>
    </message>
    <message>
        <source>Output...	F5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输出转换结果
输出</source>
        <translation>Write the conversion results
Output</translation>
    </message>
    <message>
        <source>E(&amp;x)it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>退出应用程序
退出</source>
        <translation>Quit the application
Exit</translation>
    </message>
    <message>
        <source>(&amp;A)dd...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(&amp;D)el</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(&amp;U)pward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D(&amp;o)wnward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attribute(&amp;P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(&amp;U)ndo	Ctrl+Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>撤消最后一步操作
撤消</source>
        <translation>Undo the last action
Undo</translation>
    </message>
    <message>
        <source>Cu(&amp;t)	Ctrl+X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>剪切被选对象并将其置于剪贴板上
剪切</source>
        <translation>Cut the selection and put it on the clipboard
Cut</translation>
    </message>
    <message>
        <source>(&amp;C)opy	Ctrl+C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>复制被选对象并将其置于剪贴板上
复制</source>
        <translation>Copy the selection and put it on the clipboard
Copy</translation>
    </message>
    <message>
        <source>(&amp;P)aste	Ctrl+V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>插入剪贴板内容
粘贴</source>
        <translation>Insert the clipboard contents
Paste</translation>
    </message>
    <message>
        <source>(&amp;T)oolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>显示或隐藏工具栏
显隐工具栏</source>
        <translation>Show or hide the tool bar
Toggle Tool Bar</translation>
    </message>
    <message>
        <source>(&amp;S)tatusbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>显示或隐藏状态栏
显隐状态栏</source>
        <translation>Show or hide the status bar
Toggle Status Bar</translation>
    </message>
    <message>
        <source>(&amp;P)AL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>显示或隐藏调色板
显隐调色板</source>
        <translation>Show or hide the palette
Toggle Palette</translation>
    </message>
    <message>
        <source>Tool (&amp;B)ox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>显示或隐藏工具箱
显隐工具箱</source>
        <translation>Show or hide the tool box
Toggle Tool Box</translation>
    </message>
    <message>
        <source>(&amp;R)efresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>刷新当前图片
刷新</source>
        <translation>Redraw the current picture
Refresh</translation>
    </message>
    <message>
        <source>Display grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>显示网格
网格</source>
        <translation>Show the grid
Grid</translation>
    </message>
    <message>
        <source>Normal(1:1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>以默认大小显示图片
默认</source>
        <translation>Show the picture at its own size
Normal</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>放大显示图片
放大</source>
        <translation>Show the picture larger
Zoom In</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>缩小显示图片
缩小</source>
        <translation>Show the picture smaller
Zoom Out</translation>
    </message>
    <message>
        <source>(&amp;T)ransform	Ctrl+T</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>转换图形格式
转换</source>
        <translation>Convert the picture into VT03 data
Transform</translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Batch process</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Palette tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(&amp;A)bout Kadro...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>显示程序信息、版本号和版权
关于</source>
        <translation>Show the program information, version and copyright
About</translation>
    </message>
    <message>
        <source>Next pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>切换到下一个窗格
下一窗格</source>
        <translation>Switch to the next pane
Next Pane</translation>
    </message>
    <message>
        <source>Previous pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>切换回前一个窗格
前一窗格</source>
        <translation>Switch back to the previous pane
Previous Pane</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Palette Erase Tool
Eraser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Palette Pen Tool
Pen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Palette Select Tool
Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Palette Brush Tool
Brush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Palette Spray Tool
Spray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Palette Paint Tool
Paint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Palette Line Tool
Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eye Drop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Palette EyeDrop Tool
Eye Drop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magnify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Palette Magnify Tool
Magnify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Palette Rectangle Tool
Rectangle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Palette Round Tool
Round</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Palette Oval Tool
Oval</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kadro::gui::AboutDialog</name>
    <message>
        <source>About Kadro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures into VT03 character data.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kadro::gui::BatchDialog</name>
    <message>
        <source>Process</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Batch process</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LST文件(*.lst)|*.lst||</source>
        <translation>Frame lists (*.lst)|*.lst||</translation>
    </message>
    <message>
        <source>Cannot read the frame list &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Batch process finished: %1 files written in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The batch process stopped.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kadro::gui::CHyperLink</name>
    <message>
        <source>Can&apos;t open link:

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No program on this desktop opens &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kadro::gui::CKadroApp</name>
    <message>
        <source>打开图像文件</source>
        <translation>Open a Picture</translation>
    </message>
    <message>
        <source>所有图象文件(*.bmp,*.pcx,*.gif;*.tga;*.psd;*.jpg;*.tif;)|*.bmp;*.pcx;*.gif;*.tga;*.psd;*.jpg;*.tif;|KDR文件|*.gs?;*.kdr||</source>
        <translation>All pictures (*.bmp,*.pcx,*.gif;*.tga;*.psd;*.jpg;*.tif;)|*.bmp;*.pcx;*.gif;*.tga;*.psd;*.jpg;*.tif;|KDR files|*.gs?;*.kdr||</translation>
    </message>
    <message>
        <source>%1 written in %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kadro::gui::CKadroDoc</name>
    <message>
        <source>Cannot open &quot;%1&quot;: it is missing, unreadable or not a picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无标题</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Kadro Files (*.kdr)|*.kdr||</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmap(*.bmp)|*.bmp||</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmap(*.kdr)|*.kdr|Bitmap(*.bmp)|*.bmp||</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kadro::gui::CMainFrame</name>
    <message>
        <source>就绪</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>(&amp;F)ile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打开该文档</source>
        <translation>Open this document</translation>
    </message>
    <message>
        <source>(&amp;P)roject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(&amp;E)dit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(&amp;V)iew</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Original texts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kadro shows the new language when it starts again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(&amp;T)ool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VT03 color adaptation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(&amp;H)elp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>大写</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>数字</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>滚动</source>
        <translation>SCRL</translation>
    </message>
</context>
<context>
    <name>kadro::gui::CPRGTreeView</name>
    <message>
        <source>Add(&amp;A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Del(&amp;D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upward(&amp;U)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downward(&amp;O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attribute(&amp;P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project output: %1 files written in %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kadro::gui::ColourPickerDialog</name>
    <message>
        <source>Colors Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Old</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kadro::gui::FileOutputDialog</name>
    <message>
        <source>File Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PGT File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PGT文件(*.bin,*.asm)|*.bin||</source>
        <translation>PGT files (*.bin,*.asm)|*.bin||</translation>
    </message>
    <message>
        <source>PNT File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNT文件(*.asm)|*.asm||</source>
        <translation>PNT files (*.asm)|*.asm||</translation>
    </message>
    <message>
        <source>PGT format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PGT width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNT content</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sprite format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LEVEL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kadro::gui::IncreaseDialog</name>
    <message>
        <source>块图文件(*.kdr)|*.kdr||</source>
        <translation>Kadro documents (*.kdr)|*.kdr||</translation>
    </message>
    <message>
        <source>Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Increase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kadro::gui::IncreaseSectionDialog</name>
    <message>
        <source>Automatically increase the spatial block data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Increase Section</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kadro::gui::InfoBar</name>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kadro::gui::NewSizeDialog</name>
    <message>
        <source>Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kadro::gui::PalSetupDialog</name>
    <message>
        <source>调色板文件(*.pal)|*.pal||</source>
        <translation>Palette files (*.pal)|*.pal||</translation>
    </message>
    <message>
        <source>VT03 PAL Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kadro::gui::PalettePanel</name>
    <message>
        <source>Right Button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line paste</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kadro::gui::PaletteToolDialog</name>
    <message>
        <source>No PAL File Define!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PAL process</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PAL File:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>调色板文件(*.pal)|*.pal||</source>
        <translation>Palette files (*.pal)|*.pal||</translation>
    </message>
</context>
<context>
    <name>kadro::gui::PntAttribDialog</name>
    <message>
        <source>Switch1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNT Attrib</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNTCode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ATTCode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PALNo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kadro::gui::ReduceDialog</name>
    <message>
        <source>Reduce to VT03 colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diffusion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Original</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reduced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color SUM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dither</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strength</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PSNR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>exact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 dB</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kadro::gui::SelectColorDialog</name>
    <message>
        <source>Select Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kadro::gui::SubBlockDialog</name>
    <message>
        <source>Please enter an integer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setup Sub Block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heigh</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kadro::gui::ToolBox</name>
    <message>
        <source>绘图工具</source>
        <translation>Drawing Tools</translation>
    </message>
</context>
<context>
    <name>kadro::gui::TransformationDialog</name>
    <message>
        <source>VT03 Transformation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Used Color：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>avilable color:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color SUM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Char Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backgroud Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The area must lie inside the picture, which is %1 x %2 pixels.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kadro::gui::TvDisplayDialog</name>
    <message>
        <source>TV Display Config</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test ROM saved as %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, copied to %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
