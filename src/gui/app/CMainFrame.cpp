#include "app/CMainFrame.h"

#include "app/Artwork.h"
#include "app/CKadroApp.h"
#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/Language.h"
#include "app/Prompts.h"
#include "app/UserSettings.h"
#include "document/CKadroDoc.h"
#include "output/TvEffect.h"
#include "project/CPRGTreeView.h"
#include "view/ToolBox.h"
#include "view/ViewMessage.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QDockWidget>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>

namespace kadro::gui {

namespace {
const char* const readyText = QT_TRANSLATE_NOOP("kadro::gui::CMainFrame", "就绪");
const QString applicationTitle = QStringLiteral("Kadro");
const Setting<QByteArray> windowSetting{QStringLiteral("Layout/Window")};
const Setting<QByteArray> panesSetting{QStringLiteral("Layout/Panes")};
} // namespace

CMainFrame::CMainFrame(CKadroApp& app, CKadroDoc& document, Picture& picture)
    : app_(app), document_(document), picture_(picture) {
    setWindowIcon(artwork::applicationIcon());
    setObjectName(QStringLiteral("mainFrame"));
    splitter_ = new QSplitter(Qt::Horizontal, this);
    projectPane_ = new CPRGTreeView(app_.ui(), *this, splitter_);
    view_ = new CKadroView(picture_, *this, splitter_);
    splitter_->addWidget(projectPane_);
    splitter_->addWidget(view_);
    splitter_->setStretchFactor(1, 1);
    splitter_->setSizes({130, 100});
    setCentralWidget(splitter_);

    createInfoBar();
    createActions();
    createFileMenu();
    createProjectMenu();
    createEditMenu();
    createViewMenu();
    createToolMenu();
    createHelpMenu();
    createToolBar();
    createStatusBar();
    createToolBox();
    connectDocument();

    restoreLayout();
    setWindowTitle(document_.title() + QStringLiteral(" - ") + applicationTitle);
    connect(&idle_, &QTimer::timeout, this, [this] {
        updateCommands();
        infoBar_->showReadout(view_->readoutUnderCursor());
    });
    idle_.start(idlePeriodMs);
    updateCommands();
}

// A Transformation dialog still open dies with the window and tells the document so; by then
// the window's parts must no longer hear the document.
CMainFrame::~CMainFrame() {
    disconnect(&document_, nullptr, this, nullptr);
    saveLayout();
}

// The window's size and the width of the project pane, as the person left them last time.
void CMainFrame::restoreLayout() {
    if (!restoreGeometry(windowSetting.read())) {
        // The first start: 1024 x 768 where the screen has room for it and a title bar.
        const QRect screen = QApplication::primaryScreen()->availableGeometry();
        resize(std::min(1024, screen.width() * 9 / 10), std::min(768, screen.height() * 9 / 10));
    }
    splitter_->restoreState(panesSetting.read());
}

void CMainFrame::saveLayout() const {
    windowSetting.write(saveGeometry());
    panesSetting.write(splitter_->saveState());
}

QAction* CMainFrame::frameAction(int id) {
    QAction* a = CommandTable::makeAction(id, this);
    frameActions_.push_back(a);
    return a;
}

void CMainFrame::createActions() {
    QAction* pal = frameAction(cmd::viewPal);
    pal->setCheckable(true);
    connect(pal, &QAction::triggered, this,
            [this] { infoDock_->setVisible(infoDock_->isHidden()); });
    QAction* box = frameAction(cmd::viewToolBox);
    box->setCheckable(true);
    connect(box, &QAction::triggered, this, [this] { showToolBox(!toolBox_->isVisible()); });
    QAction* bar = frameAction(cmd::viewToolBar);
    bar->setCheckable(true);
    connect(bar, &QAction::triggered, this, [this] { toolBar_->setVisible(toolBar_->isHidden()); });
    QAction* status = frameAction(cmd::viewStatusBar);
    status->setCheckable(true);
    connect(status, &QAction::triggered, this,
            [this] { statusBar()->setVisible(statusBar()->isHidden()); });
    connect(frameAction(cmd::appExit), &QAction::triggered, this, &QWidget::close);
    connect(frameAction(cmd::nextPane), &QAction::triggered, this, [this] { switchPane(true); });
    connect(frameAction(cmd::previousPane), &QAction::triggered, this,
            [this] { switchPane(false); });
    for (QAction* a : {commandAction(cmd::nextPane), commandAction(cmd::previousPane)})
        addAction(a);

    // The Edit commands have no handler in this program, so they stay disabled.
    for (int id : {cmd::editUndo, cmd::editCut, cmd::editCopy, cmd::editPaste})
        frameAction(id)->setEnabled(false);

    tools_ = new QActionGroup(this);
    for (int i = 0; i < cmd::toolCount; ++i) {
        QAction* t = frameAction(cmd::firstTool + i);
        t->setCheckable(true);
        t->setIcon(artwork::toolIcon(i));
        t->setChecked(i == currentTool_);
        tools_->addAction(t);
        connect(t, &QAction::triggered, this, [this, i] { currentTool_ = i; });
    }
}

QAction* CMainFrame::commandAction(int id) const {
    for (QAction* a : frameActions_) {
        if (CommandTable::idOf(a) == id)
            return a;
    }
    if (QAction* a = document_.action(id))
        return a;
    if (QAction* a = view_->action(id))
        return a;
    if (QAction* a = projectPane_->action(id))
        return a;
    for (QAction* a : app_.actions()) {
        if (CommandTable::idOf(a) == id)
            return a;
    }
    return nullptr;
}

QMenu* CMainFrame::menu(const QString& title) {
    QMenu* m = menuBar()->addMenu(title);
    connect(m, &QMenu::aboutToShow, this, &CMainFrame::updateCommands);
    return m;
}

void CMainFrame::createFileMenu() {
    QMenu* file = menu(tr("(&F)ile"));
    for (int id : {cmd::fileNew, cmd::newProject, cmd::fileOpen, cmd::fileSave, cmd::fileSaveAs})
        file->addAction(commandAction(id));
    file->addSeparator();
    file->addAction(commandAction(cmd::output));
    file->addSeparator();
    recentMenu_ = file->addMenu(tr("Recent Files"));
    connect(&app_, &CKadroApp::recentFilesChanged, this, &CMainFrame::rebuildRecentFiles);
    rebuildRecentFiles();
    file->addSeparator();
    file->addAction(commandAction(cmd::appExit));
}

void CMainFrame::rebuildRecentFiles() {
    recentMenu_->clear();
    const QStringList files = app_.recentFiles();
    if (files.isEmpty()) {
        recentMenu_->addAction(tr("Recent File"))->setEnabled(false);
        return;
    }
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        QAction* a = recentMenu_->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path)));
        a->setData(cmd::fileMru + static_cast<int>(i));
        a->setStatusTip(tr("打开该文档"));
        connect(a, &QAction::triggered, this, [this, path] { document_.openAndShow(path); });
    }
}

void CMainFrame::createProjectMenu() {
    QMenu* project = menu(tr("(&P)roject"));
    for (int id : {cmd::projectAdd, cmd::projectDel, cmd::projectUp, cmd::projectDown})
        project->addAction(commandAction(id));
    project->addSeparator();
    for (int id : {cmd::projectLoad, cmd::projectSave, cmd::projectSaveAs})
        project->addAction(commandAction(id));
    project->addSeparator();
    project->addAction(commandAction(cmd::projectOutput));
}

void CMainFrame::createEditMenu() {
    QMenu* edit = menu(tr("(&E)dit"));
    edit->addAction(commandAction(cmd::editUndo));
    edit->addSeparator();
    for (int id : {cmd::editCut, cmd::editCopy, cmd::editPaste})
        edit->addAction(commandAction(id));
}

void CMainFrame::createViewMenu() {
    QMenu* view = menu(tr("(&V)iew"));
    view->addAction(commandAction(cmd::viewToolBar));
    view->addAction(commandAction(cmd::viewStatusBar));
    view->addAction(commandAction(cmd::viewPal));
    view->addAction(commandAction(cmd::viewToolBox));
    view->addSeparator();
    view->addAction(commandAction(cmd::refresh));
    view->addAction(commandAction(cmd::displayGrid));
    view->addSeparator();
    QMenu* in = view->addMenu(tr("Zoom in"));
    for (QAction* a : view_->zoomInActions())
        in->addAction(a);
    view->addAction(commandAction(cmd::zoomNormal));
    QMenu* out = view->addMenu(tr("Zoom out"));
    for (QAction* a : view_->zoomOutActions())
        out->addAction(a);
    // The step keys work wherever the focus is in the window.
    addAction(commandAction(cmd::zoomInStep));
    addAction(commandAction(cmd::zoomOutStep));
    view->addSeparator();
    createLanguageMenu(view);
}

// The texts are made when the windows are built, so a new language shows from the next start.
void CMainFrame::createLanguageMenu(QMenu* view) {
    QMenu* language = view->addMenu(tr("Language"));
    auto* group = new QActionGroup(language);
    const QString chosen = languageSetting.read();
    const std::pair<QString, QString> choices[] = {
        {QStringLiteral("system"), tr("The system's language")},
        {QStringLiteral("original"), tr("Original texts")},
        {QStringLiteral("english"), QStringLiteral("English")},
        {QStringLiteral("chinese"), QStringLiteral("中文")},
    };
    for (const auto& [value, text] : choices) {
        QAction* a = language->addAction(text);
        a->setCheckable(true);
        a->setChecked(value == chosen || (chosen.isEmpty() && value == QLatin1String("system")));
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, value] {
            languageSetting.write(value);
            Prompts::message(this, tr("Kadro shows the new language when it starts again."),
                             PromptIcon::Information);
        });
    }
}

void CMainFrame::createToolMenu() {
    QMenu* tool = menu(tr("(&T)ool"));
    tool->addAction(commandAction(cmd::transform));
    QMenu* adaptation = tool->addMenu(tr("VT03 color adaptation"));
    for (int id : {cmd::adaptHsl, cmd::adaptRgb, cmd::adaptNes})
        adaptation->addAction(commandAction(id));
    tool->addAction(commandAction(cmd::reduceColours));
    tool->addAction(commandAction(cmd::tvEffect));
    tool->addSeparator();
    tool->addAction(commandAction(cmd::batchProcess));
    tool->addAction(commandAction(cmd::paletteTool));
}

void CMainFrame::createHelpMenu() {
    menu(tr("(&H)elp"))->addAction(commandAction(cmd::appAbout));
}

void CMainFrame::createToolBar() {
    toolBar_ = addToolBar(tr("Standard"));
    toolBar_->setObjectName(QStringLiteral("mainToolBar"));
    toolBar_->setIconSize(artwork::buttonSize);
    const int layout[] = {cmd::refresh,     cmd::fileOpen,
                          cmd::fileSave,    0,
                          cmd::editCut,     cmd::editCopy,
                          cmd::editPaste,   0,
                          cmd::transform,   0,
                          cmd::zoomNormal,  cmd::zoomInStep,
                          cmd::zoomOutStep, 0,
                          cmd::displayGrid, cmd::tvEffect};
    for (int id : layout) {
        if (id == 0)
            toolBar_->addSeparator();
        else
            toolBar_->addAction(commandAction(id));
    }
}

void CMainFrame::createStatusBar() {
    QStatusBar* bar = statusBar();
    // Caps, Num and Scroll Lock panes, as the status bar has always had them.
    for (const char* indicator : {QT_TR_NOOP("大写"), QT_TR_NOOP("数字"), QT_TR_NOOP("滚动")}) {
        auto* pane = new QLabel(tr(indicator), bar);
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        pane->setEnabled(false);
        bar->addPermanentWidget(pane);
    }
    connect(bar, &QStatusBar::messageChanged, this, [bar](const QString& text) {
        if (text.isEmpty())
            bar->showMessage(tr(readyText));
    });
    bar->showMessage(tr(readyText));
}

void CMainFrame::createToolBox() {
    std::vector<QAction*> tools;
    for (int i = 0; i < cmd::toolCount; ++i)
        tools.push_back(commandAction(cmd::firstTool + i));
    toolBox_ = new ToolBox(tools, this);
    toolBox_->setObjectName(QStringLiteral("toolBox"));
    toolBox_->setColumns(2);
    toolBox_->hide();
}

void CMainFrame::showToolBox(bool show) {
    if (show && !toolBoxPlaced_) {
        // First shown at a third of the screen's width and height.
        const QRect screen = QApplication::primaryScreen()->geometry();
        toolBox_->move(screen.width() / 3, screen.height() / 3);
        toolBoxPlaced_ = true;
    }
    toolBox_->setVisible(show);
    updateCommands();
}

void CMainFrame::createInfoBar() {
    infoBar_ = new InfoBar(picture_.values.usedColours, view_, this);
    infoBar_->setObjectName(QStringLiteral("infoBar"));
    infoDock_ = new QDockWidget(this);
    infoDock_->setObjectName(QStringLiteral("infoDock"));
    // The bar scrolls when the window is too short for it, so the window fits small screens.
    auto* scroller = new QScrollArea(infoDock_);
    scroller->setObjectName(QStringLiteral("infoScroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroller->setWidget(infoBar_);
    infoDock_->setWidget(scroller);
    infoDock_->setTitleBarWidget(new QWidget(infoDock_));
    infoDock_->setFeatures(QDockWidget::NoDockWidgetFeatures);
    addDockWidget(Qt::RightDockWidgetArea, infoDock_);
    fitInfoBarWidth();
}

// The bar keeps the width its contents need, with room for the scroll bar a short window gives.
void CMainFrame::fitInfoBarWidth() {
    auto* scroller = static_cast<QScrollArea*>(infoDock_->widget());
    scroller->setFixedWidth(infoBar_->minimumSizeHint().width() +
                            scroller->verticalScrollBar()->sizeHint().width());
}

void CMainFrame::connectDocument() {
    connect(&document_, &CKadroDoc::pictureChanged, this, [this] {
        view_->pictureChanged();
        infoBar_->usedColoursChanged();
    });
    connect(&document_, &CKadroDoc::refreshView, this, [this] {
        view_->refreshPicture();
        infoBar_->usedColoursChanged();
    });
    connect(&document_, &CKadroDoc::zoomReset, this, [this] { view_->applyZoom(cmd::zoomNormal); });
    connect(&document_, &CKadroDoc::informationChanged, this, [this](const QString& text) {
        infoBar_->setInformation(text);
        fitInfoBarWidth();
    });
    connect(&document_, &CKadroDoc::titleChanged, this, [this] {
        setWindowTitle(document_.title() + QStringLiteral(" - ") + applicationTitle);
    });
    connect(&document_, &CKadroDoc::recentFileAdded, &app_, &CKadroApp::addRecentFile);
    connect(&document_, &CKadroDoc::transformationOpening, this,
            [this](TransformationDialog* dialog) { dialog->moveBeside(view_->pictureOnScreen()); });
    // Posted, so the conversion starts once the Transformation dialog's handler has returned.
    connect(&document_, &CKadroDoc::conversionRequested, this, [this] {
        QCoreApplication::postEvent(view_, new ViewMessageEvent(ViewMessage::ConversionDone));
    });
}

void CMainFrame::updateCommands() {
    document_.updateActions();
    view_->updateActions();
    projectPane_->updateActions();
    commandAction(cmd::viewPal)->setChecked(!infoDock_->isHidden());
    commandAction(cmd::viewToolBox)->setChecked(toolBox_->isVisible());
    commandAction(cmd::viewStatusBar)->setChecked(!statusBar()->isHidden());
    commandAction(cmd::viewToolBar)->setChecked(!toolBar_->isHidden());
}

void CMainFrame::switchPane(bool forward) {
    (void)forward; // two panes: either direction reaches the other one
    if (view_->hasFocus())
        projectPane_->setFocus();
    else
        view_->setFocus();
}

// --- ViewHost

bool CMainFrame::conversionAreaActive() const {
    return document_.transformationDialog() != nullptr;
}

void CMainFrame::conversionAreaChanged(const AreaRect& area) {
    document_.conversionAreaChanged(area);
}

bool CMainFrame::outputReady() const {
    return document_.outputReady();
}

void CMainFrame::conversionFinished() {
    document_.finishConversion();
}

void CMainFrame::tvEffect() {
    const QString where = runTvEffect(picture_, app_.programDirectory(), app_.ui(), this);
    if (!where.isEmpty())
        statusBar()->showMessage(where, 10000);
}

// --- ProjectTreeHost

QSize CMainFrame::pictureSize() const {
    return {picture_.settings.width, picture_.settings.height};
}

void CMainFrame::openItemDocument(const QString& path) {
    document_.openAndShow(path);
}

void CMainFrame::showStatus(const QString& text) {
    statusBar()->showMessage(text, 10000);
}

} // namespace kadro::gui
