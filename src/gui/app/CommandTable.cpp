#include "app/CommandTable.h"

#include "app/Artwork.h"
#include "app/CommandIds.h"

#include <QAction>
#include <QCoreApplication>

#include <map>

namespace kadro::gui {

namespace {

CommandInfo command(int id, const char* menuText, QList<QKeySequence> keys, const char* prompt) {
    return {id, QString::fromUtf8(menuText), std::move(keys), QString::fromUtf8(prompt)};
}

// The table keeps the system's own texts; each action shows them in the language in use.
QString translated(const QString& source) {
    return source.isEmpty()
               ? source
               : QCoreApplication::translate("CommandTable", source.toUtf8().constData());
}

void addZoomCommands(std::map<int, CommandInfo>& table) {
    for (int n = 2; n <= 16; ++n) {
        const int in = cmd::zoomInFirst + n - 2;
        const int out = cmd::zoomOutFirst + n - 2;
        const QString inText = n == 2 ? QStringLiteral("&2:1") : QStringLiteral("%1:1").arg(n);
        const QString outText = n == 2 ? QStringLiteral("1:&2") : QStringLiteral("1:%1").arg(n);
        table[in] = {
            in,
            inText,
            {},
            QString::fromUtf8(QT_TRANSLATE_NOOP("CommandTable", "Show the picture at %1:1\n%1:1")),
            n};
        table[out] = {
            out,
            outText,
            {},
            QString::fromUtf8(QT_TRANSLATE_NOOP("CommandTable", "Show the picture at 1:%1\n1:%1")),
            n};
    }
}

std::map<int, CommandInfo> buildTable() {
    using K = QKeySequence;
    std::map<int, CommandInfo> table;
    const CommandInfo commands[] = {
        command(cmd::fileNew, QT_TRANSLATE_NOOP("CommandTable", "(&N)ew\tCtrl+N"),
                {K(Qt::CTRL | Qt::Key_N)}, QT_TRANSLATE_NOOP("CommandTable", "建立新文档\n新建")),
        command(cmd::newProject, QT_TRANSLATE_NOOP("CommandTable", "New Project"), {},
                QT_TRANSLATE_NOOP("CommandTable", "建立新工程\n新工程")),
        command(cmd::fileOpen, QT_TRANSLATE_NOOP("CommandTable", "(&O)pen...\tCtrl+O"),
                {K(Qt::CTRL | Qt::Key_O)},
                QT_TRANSLATE_NOOP("CommandTable", "打开一个现有文档\n打开")),
        command(cmd::fileSave, QT_TRANSLATE_NOOP("CommandTable", "(&S)ave\tCtrl+S"),
                {K(Qt::CTRL | Qt::Key_S)}, QT_TRANSLATE_NOOP("CommandTable", "保存活动文档\n保存")),
        command(cmd::fileSaveAs, QT_TRANSLATE_NOOP("CommandTable", "Save (&A)s..."), {},
                QT_TRANSLATE_NOOP("CommandTable", "用新名称保存活动文档\n另存为")),
        command(cmd::output, QT_TRANSLATE_NOOP("CommandTable", "Output...\tF5"), {K(Qt::Key_F5)},
                QT_TRANSLATE_NOOP("CommandTable", "输出转换结果\n输出")),
        command(cmd::appExit, QT_TRANSLATE_NOOP("CommandTable", "E(&x)it"), {},
                QT_TRANSLATE_NOOP("CommandTable", "退出应用程序\n退出")),
        command(cmd::projectAdd, QT_TRANSLATE_NOOP("CommandTable", "(&A)dd..."), {}, ""),
        command(cmd::projectDel, QT_TRANSLATE_NOOP("CommandTable", "(&D)el"), {}, ""),
        command(cmd::projectUp, QT_TRANSLATE_NOOP("CommandTable", "(&U)pward"), {}, ""),
        command(cmd::projectDown, QT_TRANSLATE_NOOP("CommandTable", "D(&o)wnward"), {}, ""),
        command(cmd::projectLoad, QT_TRANSLATE_NOOP("CommandTable", "Load..."), {}, ""),
        command(cmd::projectSave, QT_TRANSLATE_NOOP("CommandTable", "Save"), {}, ""),
        command(cmd::projectSaveAs, QT_TRANSLATE_NOOP("CommandTable", "Save As..."), {}, ""),
        command(cmd::projectAttribute, QT_TRANSLATE_NOOP("CommandTable", "Attribute(&P)"), {}, ""),
        command(cmd::projectOutput, QT_TRANSLATE_NOOP("CommandTable", "Output..."), {}, ""),
        command(cmd::editUndo, QT_TRANSLATE_NOOP("CommandTable", "(&U)ndo\tCtrl+Z"),
                {K(Qt::CTRL | Qt::Key_Z), K(Qt::ALT | Qt::Key_Backspace)},
                QT_TRANSLATE_NOOP("CommandTable", "撤消最后一步操作\n撤消")),
        command(cmd::editCut, QT_TRANSLATE_NOOP("CommandTable", "Cu(&t)\tCtrl+X"),
                {K(Qt::CTRL | Qt::Key_X), K(Qt::SHIFT | Qt::Key_Delete)},
                QT_TRANSLATE_NOOP("CommandTable", "剪切被选对象并将其置于剪贴板上\n剪切")),
        command(cmd::editCopy, QT_TRANSLATE_NOOP("CommandTable", "(&C)opy\tCtrl+C"),
                {K(Qt::CTRL | Qt::Key_C), K(Qt::CTRL | Qt::Key_Insert)},
                QT_TRANSLATE_NOOP("CommandTable", "复制被选对象并将其置于剪贴板上\n复制")),
        command(cmd::editPaste, QT_TRANSLATE_NOOP("CommandTable", "(&P)aste\tCtrl+V"),
                {K(Qt::CTRL | Qt::Key_V), K(Qt::SHIFT | Qt::Key_Insert)},
                QT_TRANSLATE_NOOP("CommandTable", "插入剪贴板内容\n粘贴")),
        command(cmd::viewToolBar, QT_TRANSLATE_NOOP("CommandTable", "(&T)oolbar"), {},
                QT_TRANSLATE_NOOP("CommandTable", "显示或隐藏工具栏\n显隐工具栏")),
        command(cmd::viewStatusBar, QT_TRANSLATE_NOOP("CommandTable", "(&S)tatusbar"), {},
                QT_TRANSLATE_NOOP("CommandTable", "显示或隐藏状态栏\n显隐状态栏")),
        command(cmd::viewPal, QT_TRANSLATE_NOOP("CommandTable", "(&P)AL"), {},
                QT_TRANSLATE_NOOP("CommandTable", "显示或隐藏调色板\n显隐调色板")),
        command(cmd::viewToolBox, QT_TRANSLATE_NOOP("CommandTable", "Tool (&B)ox"), {},
                QT_TRANSLATE_NOOP("CommandTable", "显示或隐藏工具箱\n显隐工具箱")),
        command(cmd::refresh, QT_TRANSLATE_NOOP("CommandTable", "(&R)efresh"),
                {K(Qt::CTRL | Qt::Key_R)}, QT_TRANSLATE_NOOP("CommandTable", "刷新当前图片\n刷新")),
        command(cmd::displayGrid, QT_TRANSLATE_NOOP("CommandTable", "Display grid"), {},
                QT_TRANSLATE_NOOP("CommandTable", "显示网格\n网格")),
        command(cmd::zoomNormal, QT_TRANSLATE_NOOP("CommandTable", "Normal(1:1)"), {},
                QT_TRANSLATE_NOOP("CommandTable", "以默认大小显示图片\n默认")),
        // QT_TRANSLATE_NOOP("CommandTable", "+") is a character: typed with Shift on most
        // keyboards, or on the keypad.
        command(
            cmd::zoomInStep, QT_TRANSLATE_NOOP("CommandTable", "Zoom in"),
            {K(Qt::Key_Plus), K(Qt::SHIFT | Qt::Key_Plus), K(Qt::KeypadModifier | Qt::Key_Plus)},
            QT_TRANSLATE_NOOP("CommandTable", "放大显示图片\n放大")),
        command(cmd::zoomOutStep, QT_TRANSLATE_NOOP("CommandTable", "Zoom out"),
                {K(Qt::Key_Minus), K(Qt::KeypadModifier | Qt::Key_Minus)},
                QT_TRANSLATE_NOOP("CommandTable", "缩小显示图片\n缩小")),
        command(cmd::transform, QT_TRANSLATE_NOOP("CommandTable", "(&T)ransform\tCtrl+T"),
                {K(Qt::CTRL | Qt::Key_T)}, QT_TRANSLATE_NOOP("CommandTable", "转换图形格式\n转换")),
        command(cmd::adaptHsl, QT_TRANSLATE_NOOP("CommandTable", "VT03 HSL 4K"), {}, ""),
        command(cmd::adaptRgb, QT_TRANSLATE_NOOP("CommandTable", "VT03 RGB 4K"), {}, ""),
        command(cmd::adaptNes, QT_TRANSLATE_NOOP("CommandTable", "6561 64"), {}, ""),
        command(cmd::tvEffect, QT_TRANSLATE_NOOP("CommandTable", "TV Effect"), {}, ""),
        command(cmd::batchProcess, QT_TRANSLATE_NOOP("CommandTable", "Batch process"), {}, ""),
        command(cmd::paletteTool, QT_TRANSLATE_NOOP("CommandTable", "Palette tool"), {}, ""),
        command(cmd::appAbout, QT_TRANSLATE_NOOP("CommandTable", "(&A)bout Kadro..."), {},
                QT_TRANSLATE_NOOP("CommandTable", "显示程序信息、版本号和版权\n关于")),
        command(cmd::nextPane, QT_TRANSLATE_NOOP("CommandTable", "Next pane"), {K(Qt::Key_F6)},
                QT_TRANSLATE_NOOP("CommandTable", "切换到下一个窗格\n下一窗格")),
        command(cmd::previousPane, QT_TRANSLATE_NOOP("CommandTable", "Previous pane"),
                {K(Qt::SHIFT | Qt::Key_F6)},
                QT_TRANSLATE_NOOP("CommandTable", "切换回前一个窗格\n前一窗格")),
        command(cmd::firstTool + 0, QT_TRANSLATE_NOOP("CommandTable", "Eraser"), {},
                QT_TRANSLATE_NOOP("CommandTable", "Select Palette Erase Tool\nEraser")),
        command(cmd::firstTool + 1, QT_TRANSLATE_NOOP("CommandTable", "Pen"), {},
                QT_TRANSLATE_NOOP("CommandTable", "Select Palette Pen Tool\nPen")),
        command(cmd::firstTool + 2, QT_TRANSLATE_NOOP("CommandTable", "Select"), {},
                QT_TRANSLATE_NOOP("CommandTable", "Select Palette Select Tool\nSelect")),
        command(cmd::firstTool + 3, QT_TRANSLATE_NOOP("CommandTable", "Brush"), {},
                QT_TRANSLATE_NOOP("CommandTable", "Select Palette Brush Tool\nBrush")),
        command(cmd::firstTool + 4, QT_TRANSLATE_NOOP("CommandTable", "Spray"), {},
                QT_TRANSLATE_NOOP("CommandTable", "Select Palette Spray Tool\nSpray")),
        command(cmd::firstTool + 5, QT_TRANSLATE_NOOP("CommandTable", "Paint"), {},
                QT_TRANSLATE_NOOP("CommandTable", "Select Palette Paint Tool\nPaint")),
        command(cmd::firstTool + 6, QT_TRANSLATE_NOOP("CommandTable", "Line"), {},
                QT_TRANSLATE_NOOP("CommandTable", "Select Palette Line Tool\nLine")),
        command(cmd::firstTool + 7, QT_TRANSLATE_NOOP("CommandTable", "Eye Drop"), {},
                QT_TRANSLATE_NOOP("CommandTable", "Select Palette EyeDrop Tool\nEye Drop")),
        command(cmd::firstTool + 8, QT_TRANSLATE_NOOP("CommandTable", "Magnify"), {},
                QT_TRANSLATE_NOOP("CommandTable", "Select Palette Magnify Tool\nMagnify")),
        command(cmd::firstTool + 9, QT_TRANSLATE_NOOP("CommandTable", "Rectangle"), {},
                QT_TRANSLATE_NOOP("CommandTable", "Select Palette Rectangle Tool\nRectangle")),
        command(cmd::firstTool + 10, QT_TRANSLATE_NOOP("CommandTable", "Round"), {},
                QT_TRANSLATE_NOOP("CommandTable", "Select Palette Round Tool\nRound")),
        command(cmd::firstTool + 11, QT_TRANSLATE_NOOP("CommandTable", "Oval"), {},
                QT_TRANSLATE_NOOP("CommandTable", "Select Palette Oval Tool\nOval")),
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
        action->setText(translated(s->text));
        action->setShortcuts(s->keys);
        QString prompt = translated(s->prompt);
        if (s->promptNumber != 0)
            prompt = prompt.arg(s->promptNumber);
        const qsizetype newline = prompt.indexOf(QLatin1Char('\n'));
        action->setStatusTip(newline < 0 ? prompt : prompt.left(newline));
        if (newline >= 0)
            action->setToolTip(prompt.mid(newline + 1));
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
