#include "app/CommandTable.h"

#include "app/Artwork.h"
#include "app/CommandIds.h"

#include <QAction>

#include <map>

namespace kadro::gui {

namespace {

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

CommandInfo command(int id, const char* menuText, QList<QKeySequence> keys, const char* prompt) {
    return {id, text(menuText), std::move(keys), text(prompt)};
}

void addZoomCommands(std::map<int, CommandInfo>& table) {
    for (int n = 2; n <= 16; ++n) {
        const int in = cmd::zoomInFirst + n - 2;
        const int out = cmd::zoomOutFirst + n - 2;
        const QString inText = n == 2 ? QStringLiteral("&2:1") : QStringLiteral("%1:1").arg(n);
        const QString outText = n == 2 ? QStringLiteral("1:&2") : QStringLiteral("1:%1").arg(n);
        table[in] = {in, inText, {}, QStringLiteral("Show the picture at %1:1\n%1:1").arg(n)};
        table[out] = {out, outText, {}, QStringLiteral("Show the picture at 1:%1\n1:%1").arg(n)};
    }
}

std::map<int, CommandInfo> buildTable() {
    using K = QKeySequence;
    std::map<int, CommandInfo> table;
    const CommandInfo commands[] = {
        command(cmd::fileNew, "(&N)ew\tCtrl+N", {K(Qt::CTRL | Qt::Key_N)}, "建立新文档\n新建"),
        command(cmd::newProject, "New Project", {}, "建立新工程\n新工程"),
        command(cmd::fileOpen, "(&O)pen...\tCtrl+O", {K(Qt::CTRL | Qt::Key_O)},
                "打开一个现有文档\n打开"),
        command(cmd::fileSave, "(&S)ave\tCtrl+S", {K(Qt::CTRL | Qt::Key_S)}, "保存活动文档\n保存"),
        command(cmd::fileSaveAs, "Save (&A)s...", {}, "用新名称保存活动文档\n另存为"),
        command(cmd::output, "Output...\tF5", {K(Qt::Key_F5)}, "输出转换结果\n输出"),
        command(cmd::appExit, "E(&x)it", {}, "退出应用程序\n退出"),
        command(cmd::projectAdd, "(&A)dd...", {}, ""),
        command(cmd::projectDel, "(&D)el", {}, ""),
        command(cmd::projectUp, "(&U)pward", {}, ""),
        command(cmd::projectDown, "D(&o)wnward", {}, ""),
        command(cmd::projectLoad, "Load...", {}, ""),
        command(cmd::projectSave, "Save", {}, ""),
        command(cmd::projectSaveAs, "Save As...", {}, ""),
        command(cmd::projectAttribute, "Attribute(&P)", {}, ""),
        command(cmd::projectOutput, "Output...", {}, ""),
        command(cmd::editUndo, "(&U)ndo\tCtrl+Z",
                {K(Qt::CTRL | Qt::Key_Z), K(Qt::ALT | Qt::Key_Backspace)},
                "撤消最后一步操作\n撤消"),
        command(cmd::editCut, "Cu(&t)\tCtrl+X",
                {K(Qt::CTRL | Qt::Key_X), K(Qt::SHIFT | Qt::Key_Delete)},
                "剪切被选对象并将其置于剪贴板上\n剪切"),
        command(cmd::editCopy, "(&C)opy\tCtrl+C",
                {K(Qt::CTRL | Qt::Key_C), K(Qt::CTRL | Qt::Key_Insert)},
                "复制被选对象并将其置于剪贴板上\n复制"),
        command(cmd::editPaste, "(&P)aste\tCtrl+V",
                {K(Qt::CTRL | Qt::Key_V), K(Qt::SHIFT | Qt::Key_Insert)}, "插入剪贴板内容\n粘贴"),
        command(cmd::viewToolBar, "(&T)oolbar", {}, "显示或隐藏工具栏\n显隐工具栏"),
        command(cmd::viewStatusBar, "(&S)tatusbar", {}, "显示或隐藏状态栏\n显隐状态栏"),
        command(cmd::viewPal, "(&P)AL", {}, "显示或隐藏调色板\n显隐调色板"),
        command(cmd::viewToolBox, "Tool (&B)ox", {}, "显示或隐藏工具箱\n显隐工具箱"),
        command(cmd::refresh, "(&R)efresh", {K(Qt::CTRL | Qt::Key_R)}, "刷新当前图片\n刷新"),
        command(cmd::displayGrid, "Display grid", {}, "显示网格\n网格"),
        command(cmd::zoomNormal, "Normal(1:1)", {}, "以默认大小显示图片\n默认"),
        // "+" is a character: typed with Shift on most keyboards, or on the keypad.
        command(
            cmd::zoomInStep, "Zoom in",
            {K(Qt::Key_Plus), K(Qt::SHIFT | Qt::Key_Plus), K(Qt::KeypadModifier | Qt::Key_Plus)},
            "放大显示图片\n放大"),
        command(cmd::zoomOutStep, "Zoom out",
                {K(Qt::Key_Minus), K(Qt::KeypadModifier | Qt::Key_Minus)}, "缩小显示图片\n缩小"),
        command(cmd::transform, "(&T)ransform\tCtrl+T", {K(Qt::CTRL | Qt::Key_T)},
                "转换图形格式\n转换"),
        command(cmd::adaptHsl, "VT03 HSL 4K", {}, ""),
        command(cmd::adaptRgb, "VT03 RGB 4K", {}, ""),
        command(cmd::adaptNes, "6561 64", {}, ""),
        command(cmd::tvEffect, "TV Effect", {}, ""),
        command(cmd::batchProcess, "Batch process", {}, ""),
        command(cmd::paletteTool, "Palette tool", {}, ""),
        command(cmd::appAbout, "(&A)bout Kadro...", {}, "显示程序信息、版本号和版权\n关于"),
        command(cmd::nextPane, "Next pane", {K(Qt::Key_F6)}, "切换到下一个窗格\n下一窗格"),
        command(cmd::previousPane, "Previous pane", {K(Qt::SHIFT | Qt::Key_F6)},
                "切换回前一个窗格\n前一窗格"),
        command(cmd::firstTool + 0, "Eraser", {}, "Select Palette Erase Tool\nEraser"),
        command(cmd::firstTool + 1, "Pen", {}, "Select Palette Pen Tool\nPen"),
        command(cmd::firstTool + 2, "Select", {}, "Select Palette Select Tool\nSelect"),
        command(cmd::firstTool + 3, "Brush", {}, "Select Palette Brush Tool\nBrush"),
        command(cmd::firstTool + 4, "Spray", {}, "Select Palette Spray Tool\nSpray"),
        command(cmd::firstTool + 5, "Paint", {}, "Select Palette Paint Tool\nPaint"),
        command(cmd::firstTool + 6, "Line", {}, "Select Palette Line Tool\nLine"),
        command(cmd::firstTool + 7, "Eye Drop", {}, "Select Palette EyeDrop Tool\nEye Drop"),
        command(cmd::firstTool + 8, "Magnify", {}, "Select Palette Magnify Tool\nMagnify"),
        command(cmd::firstTool + 9, "Rectangle", {}, "Select Palette Rectangle Tool\nRectangle"),
        command(cmd::firstTool + 10, "Round", {}, "Select Palette Round Tool\nRound"),
        command(cmd::firstTool + 11, "Oval", {}, "Select Palette Oval Tool\nOval"),
    };
    for (const CommandInfo& s : commands)
        table[s.id] = s;
    addZoomCommands(table);
    return table;
}

} // namespace

const CommandInfo* CommandTable::find(int id) {
    static const std::map<int, CommandInfo> table = buildTable();
    const auto found = table.find(id);
    return found == table.end() ? nullptr : &found->second;
}

QAction* CommandTable::makeAction(int id, QObject* owner) {
    auto* action = new QAction(owner);
    action->setData(id);
    if (const CommandInfo* s = find(id)) {
        action->setText(s->text);
        action->setShortcuts(s->keys);
        const qsizetype newline = s->prompt.indexOf(QLatin1Char('\n'));
        action->setStatusTip(newline < 0 ? s->prompt : s->prompt.left(newline));
        if (newline >= 0)
            action->setToolTip(s->prompt.mid(newline + 1));
    }
    action->setIcon(artwork::commandIcon(id));
    // Menus show the icons of the tool bar only in the tool bar, as the menus have none.
    action->setIconVisibleInMenu(false);
    return action;
}

int CommandTable::idOf(const QAction* action) {
    return action ? action->data().toInt() : 0;
}

} // namespace kadro::gui
