#include "project/CPRGTreeView.h"

#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/Prompts.h"
#include "app/RegistryKey.h"
#include "document/CKadroDoc.h"
#include "picture/Picture.h"
#include "project/ProjectCommands.h"
#include "project/ProjectDialogs.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QDropEvent>
#include <QMenu>
#include <QStyle>

namespace kadro::gui {

namespace {

constexpr int entryRole = Qt::UserRole;

// Project files are asked for with the desktop's file dialogs.
class DialogFilePrompt : public kadro::FilePrompt {
public:
    explicit DialogFilePrompt(QWidget* parent) : parent_(parent) {}
    std::optional<std::string> ask(const FileRequest& request) override {
        gui::FilePrompt prompt;
        prompt.kind = request.mode == FileRequest::Mode::Save ? gui::FilePrompt::Kind::Save
                                                              : gui::FilePrompt::Kind::Open;
        prompt.filter = QString::fromStdString(request.filter);
        prompt.defaultSuffix = QString::fromStdString(request.defaultExtension);
        prompt.initialPath = QString::fromStdString(request.initialName);
        const auto answer = Prompts::file(parent_, prompt);
        if (!answer)
            return std::nullopt;
        return answer->path.toStdString();
    }

private:
    QWidget* parent_;
};

// The remembered project path, in the user's settings under KADRO.
class KeySettingsStore : public SettingsStore {
public:
    std::optional<std::string> readString(const std::string& key) const override {
        RegistryKey registry;
        QString text;
        if (!registry.open(QStringLiteral("Software\\KADRO")) ||
            !registry.readString(QString::fromStdString(key), text))
            return std::nullopt;
        return text.toStdString();
    }
    void writeString(const std::string& key, const std::string& value) override {
        RegistryKey registry;
        if (registry.open(QStringLiteral("Software\\KADRO")))
            registry.writeString(QString::fromStdString(key), QString::fromStdString(value));
    }
};

QIcon kindIcon(EntryKind kind) {
    QStyle* style = QApplication::style();
    switch (kind) {
    case EntryKind::Root:
        return style->standardIcon(QStyle::SP_DriveHDIcon);
    case EntryKind::Section:
        return style->standardIcon(QStyle::SP_DirIcon);
    case EntryKind::Group:
        return style->standardIcon(QStyle::SP_DirOpenIcon);
    case EntryKind::Item:
        return style->standardIcon(QStyle::SP_FileIcon);
    case EntryKind::SubBlock:
        return style->standardIcon(QStyle::SP_FileDialogDetailedView);
    }
    return {};
}

} // namespace

CPRGTreeView::CPRGTreeView(CKadroDoc& document, UserInterface& ui, QWidget* parent)
    : QTreeWidget(parent), document_(document), ui_(ui),
      settings_(std::make_unique<KeySettingsStore>()),
      contextMenu_(new QMenu(QStringLiteral("GROUP"), this)) {
    setObjectName(QStringLiteral("projectPane"));
    setHeaderHidden(true);
    setMinimumWidth(60);
    setDragDropMode(QAbstractItemView::InternalMove);
    setSelectionMode(QAbstractItemView::SingleSelection);
    addCommand(cmd::projectAdd, QStringLiteral("Add(&A)"), &CPRGTreeView::add);
    addCommand(cmd::projectDel, QStringLiteral("Del(&D)"), &CPRGTreeView::remove);
    contextMenu_->addSeparator();
    addCommand(cmd::projectUp, QStringLiteral("Upward(&U)"), &CPRGTreeView::moveUp);
    addCommand(cmd::projectDown, QStringLiteral("Downward(&O)"), &CPRGTreeView::moveDown);
    contextMenu_->addSeparator();
    addCommand(attributeCommand, QStringLiteral("Attribute(&P)"), &CPRGTreeView::attribute);
    contextMenu_->addSeparator();
    addCommand(cmd::projectOutput, QStringLiteral("Output"), &CPRGTreeView::output);
    addCommand(cmd::projectLoad, {}, &CPRGTreeView::load);
    addCommand(cmd::projectSave, {}, &CPRGTreeView::save);
    addCommand(cmd::projectSaveAs, {}, &CPRGTreeView::saveAs);
    addCommand(cmd::newProject, {}, &CPRGTreeView::newProject);
    connect(this, &QTreeWidget::itemSelectionChanged, this, &CPRGTreeView::updateActions);
}

CPRGTreeView::~CPRGTreeView() = default;

// The menu bar's action; with a context text the context menu gets its own action too.
QAction* CPRGTreeView::addCommand(int id, const QString& contextText,
                                  void (CPRGTreeView::*handler)()) {
    QAction* a = CommandTable::makeAction(id, this);
    if (a->text().isEmpty())
        a->setText(contextText);
    connect(a, &QAction::triggered, this, handler);
    actions_.push_back(a);
    if (!contextText.isEmpty()) {
        QAction* c = contextMenu_->addAction(contextText);
        connect(c, &QAction::triggered, this, handler);
        connect(a, &QAction::changed, c, [a, c] { c->setEnabled(a->isEnabled()); });
    }
    return a;
}

QAction* CPRGTreeView::action(int id) const {
    for (QAction* a : actions_) {
        if (CommandTable::idOf(a) == id)
            return a;
    }
    return nullptr;
}

void CPRGTreeView::updateActions() {
    const EntryId s = selectedEntry();
    action(cmd::projectDel)->setEnabled(canDelete(model_, s));
    action(cmd::projectUp)->setEnabled(canMoveUp(model_, s));
    action(cmd::projectDown)->setEnabled(canMoveDown(model_, s));
}

EntryId CPRGTreeView::entryOf(const QTreeWidgetItem* item) const {
    return item ? item->data(0, entryRole).toInt() : noEntry;
}

EntryId CPRGTreeView::selectedEntry() const {
    const auto items = selectedItems();
    return items.isEmpty() ? noEntry : entryOf(items.first());
}

QTreeWidgetItem* CPRGTreeView::makeItem(EntryId entry) {
    auto* item = new QTreeWidgetItem;
    item->setText(0, QString::fromStdString(model_.tree.entry(entry).label));
    item->setData(0, entryRole, entry);
    item->setIcon(0, kindIcon(model_.kindOf(entry)));
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDropEnabled;
    if (model_.kindOf(entry) != EntryKind::Root)
        flags |= Qt::ItemIsDragEnabled;
    item->setFlags(flags);
    for (EntryId child : model_.tree.children(entry))
        item->addChild(makeItem(child));
    return item;
}

// The tree control shows the model's tree; after every change it is built again from it.
void CPRGTreeView::rebuild(EntryId select) {
    clear();
    for (EntryId top : model_.tree.children(noEntry))
        addTopLevelItem(makeItem(top));
    expandAll();
    selectEntry(select);
    updateActions();
}

void CPRGTreeView::selectEntry(EntryId entry) {
    for (QTreeWidgetItemIterator it(this); *it; ++it) {
        if (entryOf(*it) == entry) {
            setCurrentItem(*it);
            return;
        }
    }
}

void CPRGTreeView::startUp() {
    startUpProject(model_, *settings_, ui_);
    rebuild(model_.tree.root());
}

void CPRGTreeView::add() {
    const EntryId s = selectedEntry();
    const Picture& picture = document_.picture();
    auto fields = addDialogFor(model_, s, picture.settings.width, picture.settings.height);
    if (!fields || !editEntryFields(*fields, this))
        return;
    rebuild(addEntry(model_, s == noEntry ? model_.tree.root() : s, *fields));
}

void CPRGTreeView::remove() {
    const EntryId s = selectedEntry();
    if (!canDelete(model_, s) || !Prompts::askYes(this, QString::fromUtf8(deleteQuestion)))
        return;
    const EntryId parent = model_.tree.parent(s);
    deleteEntry(model_, s);
    rebuild(parent);
}

void CPRGTreeView::moveUp() {
    const EntryId moved = kadro::moveUp(model_, selectedEntry());
    if (moved != noEntry)
        rebuild(moved);
}

void CPRGTreeView::moveDown() {
    const EntryId moved = kadro::moveDown(model_, selectedEntry());
    if (moved != noEntry)
        rebuild(moved);
}

void CPRGTreeView::attribute() {
    const EntryId s = selectedEntry();
    auto fields = attributeDialogFor(model_, s);
    if (!fields || !editEntryFields(*fields, this))
        return;
    applyAttribute(model_, s, *fields);
    rebuild(s);
}

void CPRGTreeView::output() {
    DialogFilePrompt prompt(this);
    const ProjectOutputReport report = outputProject(model_, prompt, *settings_, ui_);
    rebuild(selectedEntry());
    if (report.written)
        Q_EMIT statusMessage(QStringLiteral("Project output: %1 files in %2")
                                 .arg(report.files.size())
                                 .arg(QDir::toNativeSeparators(QString::fromStdString(
                                     projectOutputDirectory(model_.projectPath)))));
}

void CPRGTreeView::load() {
    DialogFilePrompt prompt(this);
    if (loadProject(model_, prompt, *settings_, ui_))
        rebuild(model_.tree.root());
}

void CPRGTreeView::save() {
    DialogFilePrompt prompt(this);
    if (saveProject(model_, prompt, *settings_, ui_))
        rebuild(selectedEntry());
}

void CPRGTreeView::saveAs() {
    DialogFilePrompt prompt(this);
    if (saveProjectAs(model_, prompt, *settings_, ui_))
        rebuild(selectedEntry());
}

void CPRGTreeView::newProject() {
    DialogFilePrompt prompt(this);
    if (kadro::newProject(model_, prompt, *settings_, ui_))
        rebuild(model_.tree.root());
}

void CPRGTreeView::contextMenuEvent(QContextMenuEvent* event) {
    if (QTreeWidgetItem* item = itemAt(event->pos()))
        setCurrentItem(item);
    setFocus();
    updateActions();
    contextMenu_->popup(event->globalPos());
}

void CPRGTreeView::keyReleaseEvent(QKeyEvent* event) {
    if (selectedEntry() != noEntry) {
        if (event->key() == Qt::Key_Insert)
            return add();
        if (event->key() == Qt::Key_Delete) {
            if (selectedEntry() != model_.tree.root())
                remove();
            return;
        }
    }
    QTreeWidget::keyReleaseEvent(event);
}

void CPRGTreeView::mouseDoubleClickEvent(QMouseEvent* event) {
    QTreeWidget::mouseDoubleClickEvent(event);
    const auto record = model_.recordOf(selectedEntry());
    if (!record)
        return;
    // Relative paths in a project are taken from the project's folder.
    const QDir folder(QString::fromStdString(projectOutputDirectory(model_.projectPath)));
    document_.openAndShow(folder.absoluteFilePath(QString::fromStdString(record->path)));
}

void CPRGTreeView::dropEvent(QDropEvent* event) {
    // The tree control never moves items itself: the core decides and the view is rebuilt.
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    const EntryId source = selectedEntry();
    const EntryId target = entryOf(itemAt(event->position().toPoint()));
    const DropResult result = dropEntry(model_, source, target);
    if (result.outcome == DropOutcome::Refused)
        QApplication::beep();
    if (result.outcome == DropOutcome::Moved)
        rebuild(result.moved);
}

} // namespace kadro::gui
