#pragma once

#include "project/CPRGTreeView.h"
#include "view/CKadroView.h"

#include <QMainWindow>
#include <QTimer>

#include <vector>

class QAction;
class QActionGroup;
class QDockWidget;
class QLabel;
class QMenu;
class QSplitter;
class QToolBar;

namespace kadro {
class Picture;
}

namespace kadro::gui {

class CKadroApp;
class CKadroDoc;
class ToolBox;

// The main window: menus, accelerators, the tool bar, the status bar, the floating tool box,
// the information bar at the right, and the project pane beside the picture view.
class CMainFrame : public QMainWindow, private ViewHost, private ProjectTreeHost {
    Q_OBJECT
public:
    static constexpr int initialTool = 10;
    static constexpr int idlePeriodMs = 150;

    CMainFrame(CKadroApp& app, CKadroDoc& document, Picture& picture);
    ~CMainFrame() override;

    CKadroView& view() { return *view_; }
    InfoBar& infoBar() override { return *infoBar_; }
    ToolBox& toolBox() { return *toolBox_; }
    QToolBar& mainToolBar() { return *toolBar_; }
    CPRGTreeView& projectPane() { return *projectPane_; }
    int currentTool() const override { return currentTool_; }
    // The action of a command id wherever it lives; nothing for an unknown id.
    QAction* commandAction(int id) const;
    // The enabled and checked state of every command, as the menus and tool bar show it.
    void updateCommands();
    void showToolBox(bool show);

private:
    void createActions();
    void createFileMenu();
    void createProjectMenu();
    void createEditMenu();
    void createViewMenu();
    void createLanguageMenu(QMenu* view);
    void createToolMenu();
    void createHelpMenu();
    void createToolBar();
    void createStatusBar();
    void createToolBox();
    void createInfoBar();
    void fitInfoBarWidth();
    void connectDocument();
    void rebuildRecentFiles();
    void switchPane(bool forward);
    void restoreLayout();
    void saveLayout() const;
    QAction* frameAction(int id);
    QMenu* menu(const QString& title);

    // ViewHost
    bool conversionAreaActive() const override;
    void conversionAreaChanged(const AreaRect& area) override;
    bool outputReady() const override;
    void conversionFinished() override;
    void tvEffect() override;

    // ProjectTreeHost
    QSize pictureSize() const override;
    void openItemDocument(const QString& path) override;
    void showStatus(const QString& text) override;

    CKadroApp& app_;
    CKadroDoc& document_;
    Picture& picture_;
    InfoBar* infoBar_ = nullptr;
    QDockWidget* infoDock_ = nullptr;
    QSplitter* splitter_ = nullptr;
    CPRGTreeView* projectPane_ = nullptr;
    CKadroView* view_ = nullptr;
    int currentTool_ = initialTool;
    QToolBar* toolBar_ = nullptr;
    ToolBox* toolBox_ = nullptr;
    bool toolBoxPlaced_ = false;
    QActionGroup* tools_ = nullptr;
    std::vector<QAction*> frameActions_;
    QMenu* recentMenu_ = nullptr;
    QTimer idle_;
};

} // namespace kadro::gui
