#pragma once

#include "common/UserInterface.h"
#include "project/ProjectEditing.h"
#include "project/ProjectModel.h"

#include <QPointer>
#include <QTimer>
#include <QTreeWidget>

#include <memory>
#include <set>
#include <vector>

class QAction;
class QLabel;
class QMenu;

namespace kadro::gui {

class QtFileChooser;
class UserSettingsStore;

// What the project tree asks of the window around it.
class ProjectTreeHost {
public:
    virtual ~ProjectTreeHost() = default;
    // The size of the picture in the document: a new sub block starts with it.
    virtual QSize pictureSize() const = 0;
    // Opens an item's document and shows it at 1:1.
    virtual void openItemDocument(const QString& path) = 0;
    virtual void showStatus(const QString& text) = 0;
};

// The project tree pane. It draws what the project model holds and turns gestures (commands,
// keys, double clicks, drags) into the model's operations; the rules live in the model.
class CPRGTreeView : public QTreeWidget {
    Q_OBJECT
public:
    static constexpr int entryRole = Qt::UserRole;        // the entry's handle in the model
    static constexpr int itemDataRole = Qt::UserRole + 1; // its link to the records
    static constexpr int scrollTimerMs = 75;
    static const QString contextMenuTitle; // "GROUP"

    CPRGTreeView(UserInterface& ui, ProjectTreeHost& host, QWidget* parent = nullptr);
    ~CPRGTreeView() override;

    const ProjectModel& model() const { return model_; }
    // The action of a command id (Project menu and New Project), or nullptr.
    QAction* action(int id) const;
    const std::vector<QAction*>& actions() const { return actions_; }
    QMenu* contextMenu() const { return contextMenu_; }
    void updateActions();

    QTreeWidgetItem* itemOf(EntryId id) const;
    EntryId entryOf(const QTreeWidgetItem* item) const;
    EntryId selectedEntry() const;
    void selectEntry(EntryId id);

    // The commands, callable as the menus call them.
    void add();
    void remove();
    void moveUpward();
    void moveDownward();
    void attribute();
    void output();
    void load();
    void save();
    void saveAs();
    void newProject();
    // The first display: a root, then the project remembered from the last run. Runs by
    // itself just after the view is first shown.
    void startUp();
    bool hasStartedUp() const { return startedUp_; }

    // Dragging, as the mouse drives it: begin over an entry, move (viewport coordinates),
    // release. A drag never starts from the root.
    bool beginDrag(QTreeWidgetItem* source);
    void dragMoveTo(const QPoint& viewportPos);
    void finishDrag();
    bool isDragging() const { return dragging_; }
    bool isScrolling() const { return scrollTimer_.isActive(); }
    // One tick of the scroll timer while dragging: scrolls a line when the cursor is outside.
    void scrollTick();
    QTreeWidgetItem* dropTarget() const { return itemOf(target_); }
    QColor dropTargetColour() const;

Q_SIGNALS:
    // A drop the tree does not allow; the view beeps as well.
    void dropRefused();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void createActions();
    void createContextMenu();
    QAction* addAction(int id, void (CPRGTreeView::*handler)());
    void rebuild(EntryId select);
    void addItems(QTreeWidgetItem* parent, EntryId id);
    void expandEntry(EntryId id);
    std::optional<EntryFields> runDialog(const EntryFields& fields);
    void move(EntryId (*step)(ProjectModel&, EntryId));
    void dropOn(EntryId source, EntryId target);
    void setDropTarget(EntryId target);
    void moveDragImage();
    void endDrag();

    ProjectModel model_;
    UserInterface& ui_;
    ProjectTreeHost& host_;
    // Held by pointer, so that this header does not include the core's project commands.
    std::unique_ptr<QtFileChooser> files_;
    std::unique_ptr<UserSettingsStore> settings_;
    std::vector<QAction*> actions_;
    std::vector<QAction*> contextActions_;
    QMenu* contextMenu_ = nullptr;
    std::set<EntryId> expanded_;
    bool startedUp_ = false;

    QPoint pressPos_;
    EntryId pressed_ = noEntry;
    EntryId source_ = noEntry;
    EntryId target_ = noEntry;
    bool dragging_ = false;
    int dragTop_ = 0;
    int dragBottom_ = 0;
    QTimer scrollTimer_;
    QPointer<QLabel> dragImage_;
};

} // namespace kadro::gui
