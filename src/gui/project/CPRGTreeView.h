#pragma once

#include "project/ProjectModel.h"

#include <QTreeWidget>

#include <vector>

class QAction;
class QMenu;

namespace kadro {
class UserInterface;
class SettingsStore;
} // namespace kadro

namespace kadro::gui {

class CKadroDoc;

// The left-hand pane: the project of converted pictures as a tree the person builds with the
// Project commands, the context menu, Insert / Delete and drag and drop. The rules live in the
// core; this view shows the tree and asks the questions.
class CPRGTreeView : public QTreeWidget {
    Q_OBJECT
public:
    static constexpr int attributeCommand = 32846;

    CPRGTreeView(CKadroDoc& document, UserInterface& ui, QWidget* parent = nullptr);
    ~CPRGTreeView() override;

    const std::vector<QAction*>& actions() const { return actions_; }
    QAction* action(int id) const;
    void updateActions();

    ProjectModel& model() { return model_; }
    EntryId selectedEntry() const;
    void selectEntry(EntryId entry);
    // The first display: the root, then the remembered project.
    void startUp();

    void add();
    void remove();
    void moveUp();
    void moveDown();
    void attribute();
    void output();
    void load();
    void save();
    void saveAs();
    void newProject();

Q_SIGNALS:
    void statusMessage(const QString& text);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QAction* addCommand(int id, const QString& text, void (CPRGTreeView::*handler)());
    void rebuild(EntryId select);
    QTreeWidgetItem* makeItem(EntryId entry);
    EntryId entryOf(const QTreeWidgetItem* item) const;

    CKadroDoc& document_;
    UserInterface& ui_;
    ProjectModel model_;
    std::unique_ptr<SettingsStore> settings_;
    std::vector<QAction*> actions_;
    QMenu* contextMenu_;
};

} // namespace kadro::gui
