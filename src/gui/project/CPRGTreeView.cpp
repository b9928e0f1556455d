#include "project/CPRGTreeView.h"

#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/Language.h"
#include "app/Prompts.h"
#include "project/EntryPictures.h"
#include "project/IncreaseDialog.h"
#include "project/IncreaseSectionDialog.h"
#include "project/ProjectCommands.h"
#include "project/QtFileChooser.h"
#include "project/SubBlockDialog.h"
#include "project/UserSettingsStore.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>

namespace kadro::gui {

const QString CPRGTreeView::contextMenuTitle = QStringLiteral("GROUP");

namespace {
template <class... F> struct Overloaded : F... { using F::operator()...; };
template <class... F> Overloaded(F...) -> Overloaded<F...>;

template <class Dialog, class Fields>
std::optional<EntryFields> ask(const Fields& fields, QWidget* parent) {
    Dialog dialog(fields, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return EntryFields{dialog.fields()};
}
} // namespace

CPRGTreeView::CPRGTreeView(UserInterface& ui, ProjectTreeHost& host, QWidget* parent)
    : QTreeWidget(parent), ui_(ui), host_(host), files_(std::make_unique<QtFileChooser>(this)),
      settings_(std::make_unique<UserSettingsStore>()) {
    setObjectName(QStringLiteral("projectTree"));
    setHeaderHidden(true);
    setColumnCount(1);
    setMinimumWidth(60);
    // The root starts collapsed after a restart; its expander shows that the project is there.
    setRootIsDecorated(true);
    // A narrow pane keeps the project file's name, the end of the root's label, in sight.
    setTextElideMode(Qt::ElideMiddle);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragDropMode(QAbstractItemView::NoDragDrop);
    setIconSize(QSize(16, 16));
    setMouseTracking(true); // hot tracking
    scrollTimer_.setInterval(scrollTimerMs);
    connect(&scrollTimer_, &QTimer::timeout, this, &CPRGTreeView::scrollTick);
    connect(this, &QTreeWidget::itemSelectionChanged, this, &CPRGTreeView::updateActions);
    createActions();
    createContextMenu();
    updateActions();
}

CPRGTreeView::~CPRGTreeView() {
    delete dragImage_;
}

QAction* CPRGTreeView::addAction(int id, void (CPRGTreeView::*handler)()) {
    QAction* a = CommandTable::makeAction(id, this);
    connect(a, &QAction::triggered, this, handler);
    actions_.push_back(a);
    return a;
}

void CPRGTreeView::createActions() {
    addAction(cmd::projectAdd, &CPRGTreeView::add);
    addAction(cmd::projectDel, &CPRGTreeView::remove);
    addAction(cmd::projectUp, &CPRGTreeView::moveUpward);
    addAction(cmd::projectDown, &CPRGTreeView::moveDownward);
    addAction(cmd::projectAttribute, &CPRGTreeView::attribute);
    addAction(cmd::projectLoad, &CPRGTreeView::load);
    addAction(cmd::projectSave, &CPRGTreeView::save);
    addAction(cmd::projectSaveAs, &CPRGTreeView::saveAs);
    addAction(cmd::projectOutput, &CPRGTreeView::output);
    addAction(cmd::newProject, &CPRGTreeView::newProject);
}

// The context menu names the same commands with texts of its own.
void CPRGTreeView::createContextMenu() {
    contextMenu_ = new QMenu(contextMenuTitle, this);
    contextMenu_->setObjectName(contextMenuTitle);
    const std::pair<int, const char*> entries[] = {
        {cmd::projectAdd, QT_TR_NOOP("Add(&A)")},
        {cmd::projectDel, QT_TR_NOOP("Del(&D)")},
        {0, nullptr},
        {cmd::projectUp, QT_TR_NOOP("Upward(&U)")},
        {cmd::projectDown, QT_TR_NOOP("Downward(&O)")},
        {0, nullptr},
        {cmd::projectAttribute, QT_TR_NOOP("Attribute(&P)")},
        {0, nullptr},
        {cmd::projectOutput, QT_TR_NOOP("Output")}};
    for (const auto& [id, text] : entries) {
        if (id == 0) {
            contextMenu_->addSeparator();
            continue;
        }
        QAction* a = contextMenu_->addAction(tr(text));
        a->setData(id);
        connect(a, &QAction::triggered, action(id), &QAction::trigger);
        contextActions_.push_back(a);
    }
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
    for (QAction* a : contextActions_)
        a->setEnabled(action(CommandTable::idOf(a))->isEnabled());
}

// --- Model and items

QTreeWidgetItem* CPRGTreeView::itemOf(EntryId id) const {
    if (id == noEntry)
        return nullptr;
    for (QTreeWidgetItemIterator it(const_cast<CPRGTreeView*>(this)); *it; ++it) {
        if (entryOf(*it) == id)
            return *it;
    }
    return nullptr;
}

EntryId CPRGTreeView::entryOf(const QTreeWidgetItem* item) const {
    return item ? item->data(0, entryRole).toInt() : noEntry;
}

void CPRGTreeView::selectEntry(EntryId id) {
    if (QTreeWidgetItem* item = itemOf(id))
        setCurrentItem(item);
}

EntryId CPRGTreeView::selectedEntry() const {
    const QList<QTreeWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? noEntry : entryOf(selected.first());
}

void CPRGTreeView::addItems(QTreeWidgetItem* parent, EntryId id) {
    const ProjectTree::Entry& entry = model_.tree.entry(id);
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    item->setText(0, QString::fromStdString(entry.label));
    item->setIcon(0, entryPicture(static_cast<EntryKind>(entry.picture)));
    item->setData(0, entryRole, id);
    item->setData(0, itemDataRole, entry.itemData);
    // The whole path, which the pane is often too narrow to show: the project's for the root,
    // the picture document's for an item.
    if (id == model_.tree.root()) {
        item->setToolTip(0, QDir::toNativeSeparators(QString::fromStdString(entry.label)));
    } else if (const auto record = model_.recordOf(id); record && !record->path.empty()) {
        item->setToolTip(0, QDir::toNativeSeparators(QString::fromStdString(record->path)));
    }
    for (EntryId child : entry.children)
        addItems(item, child);
    if (expanded_.count(id) != 0)
        item->setExpanded(true);
}

// Shows the model anew, keeping open what was open, and selects `select`.
void CPRGTreeView::rebuild(EntryId select) {
    for (QTreeWidgetItemIterator it(this); *it; ++it) {
        if ((*it)->isExpanded())
            expanded_.insert(entryOf(*it));
        else
            expanded_.erase(entryOf(*it));
    }
    const int scrolled = verticalScrollBar()->value();
    {
        const QSignalBlocker quiet(this);
        clear();
        for (EntryId top : model_.tree.children(noEntry))
            addItems(nullptr, top);
    }
    for (auto it = expanded_.begin(); it != expanded_.end();)
        it = model_.tree.contains(*it) ? std::next(it) : expanded_.erase(it);
    verticalScrollBar()->setValue(scrolled);
    if (QTreeWidgetItem* item = itemOf(select))
        setCurrentItem(item);
    updateActions();
}

void CPRGTreeView::expandEntry(EntryId id) {
    if (QTreeWidgetItem* item = itemOf(id))
        item->setExpanded(true);
}

// --- Commands

std::optional<EntryFields> CPRGTreeView::runDialog(const EntryFields& fields) {
    return std::visit(
        Overloaded{[this](const SectionFields& f) { return ask<IncreaseSectionDialog>(f, this); },
                   [this](const IncreaseFields& f) { return ask<IncreaseDialog>(f, this); },
                   [this](const SubBlockFields& f) { return ask<SubBlockDialog>(f, this); }},
        fields);
}

void CPRGTreeView::add() {
    const EntryId s = selectedEntry();
    const QSize size = host_.pictureSize();
    if (const auto fields = addDialogFor(model_, s, size.width(), size.height())) {
        if (const auto confirmed = runDialog(*fields)) {
            addEntry(model_, s, *confirmed);
            rebuild(s);
        }
    }
    expandEntry(model_.tree.root());
    expandEntry(s);
}

void CPRGTreeView::remove() {
    const EntryId s = selectedEntry();
    if (!canDelete(model_, s) || !Prompts::askYes(this, trCore(deleteQuestion)))
        return;
    const EntryId parent = model_.tree.parent(s);
    deleteEntry(model_, s);
    rebuild(parent);
}

void CPRGTreeView::move(EntryId (*step)(ProjectModel&, EntryId)) {
    const EntryId s = selectedEntry();
    const bool open = itemOf(s) && itemOf(s)->isExpanded();
    const EntryId moved = step(model_, s);
    if (moved == noEntry)
        return;
    if (open)
        expanded_.insert(moved);
    rebuild(moved);
}

void CPRGTreeView::moveUpward() {
    move(&kadro::moveUp);
}

void CPRGTreeView::moveDownward() {
    move(&kadro::moveDown);
}

void CPRGTreeView::attribute() {
    const EntryId s = selectedEntry();
    const auto fields = attributeDialogFor(model_, s);
    if (!fields)
        return;
    if (const auto confirmed = runDialog(*fields)) {
        applyAttribute(model_, s, *confirmed);
        rebuild(s);
    }
}

void CPRGTreeView::output() {
    const ProjectOutputReport report = outputProject(model_, *files_, *settings_, ui_);
    rebuild(model_.tree.root());
    expandEntry(model_.tree.root());
    if (report.written)
        host_.showStatus(
            tr("Project output: %1 files written in %2")
                .arg(report.files.size())
                .arg(QString::fromStdString(projectOutputDirectory(model_.projectPath))));
}

void CPRGTreeView::load() {
    if (loadProject(model_, *files_, *settings_, ui_))
        expanded_ = {model_.tree.root()};
    rebuild(model_.tree.root());
}

void CPRGTreeView::save() {
    saveProject(model_, *files_, *settings_, ui_);
    rebuild(selectedEntry());
}

void CPRGTreeView::saveAs() {
    saveProjectAs(model_, *files_, *settings_, ui_);
    rebuild(selectedEntry());
}

void CPRGTreeView::newProject() {
    if (kadro::newProject(model_, *files_, *settings_, ui_))
        expanded_.clear();
    rebuild(model_.tree.root());
}

void CPRGTreeView::startUp() {
    startedUp_ = true;
    startUpProject(model_, *settings_, ui_);
    expanded_.clear(); // the remembered project shows collapsed
    rebuild(model_.tree.root());
}

// --- Gestures

// Queued, so a message about the remembered project (a file gone since the last run) shows over
// the window once it is up rather than on an empty screen before it.
void CPRGTreeView::showEvent(QShowEvent* event) {
    QTreeWidget::showEvent(event);
    if (!startedUp_)
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (!startedUp_)
                    startUp();
            },
            Qt::QueuedConnection);
}

// Escape gives up a drag without moving anything.
void CPRGTreeView::keyPressEvent(QKeyEvent* event) {
    if (dragging_ && event->key() == Qt::Key_Escape) {
        endDrag();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void CPRGTreeView::keyReleaseEvent(QKeyEvent* event) {
    const EntryId s = selectedEntry();
    const bool plain = event->modifiers() == Qt::NoModifier && !event->isAutoRepeat();
    if (plain && s != noEntry && event->key() == Qt::Key_Insert) {
        add();
        return;
    }
    if (plain && s != noEntry && event->key() == Qt::Key_Delete) {
        if (s != model_.tree.root())
            remove();
        return;
    }
    QTreeWidget::keyReleaseEvent(event);
}

void CPRGTreeView::contextMenuEvent(QContextMenuEvent* event) {
    if (QTreeWidgetItem* item = itemAt(event->pos()))
        setCurrentItem(item);
    setFocus();
    updateActions();
    contextMenu_->exec(event->globalPos());
}

void CPRGTreeView::mouseDoubleClickEvent(QMouseEvent* event) {
    QTreeWidget::mouseDoubleClickEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    const auto record = model_.recordOf(selectedEntry());
    if (!record)
        return;
    // A relative path in a project is taken from the project's folder, as the output takes it.
    const QDir folder(QString::fromStdString(projectOutputDirectory(model_.projectPath)));
    host_.openItemDocument(folder.absoluteFilePath(QString::fromStdString(record->path)));
}

// --- Drag and drop

void CPRGTreeView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressPos_ = event->position().toPoint();
        pressed_ = entryOf(itemAt(pressPos_));
    }
    QTreeWidget::mousePressEvent(event);
}

void CPRGTreeView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (dragging_) {
        dragMoveTo(pos);
        return;
    }
    if ((event->buttons() & Qt::LeftButton) && pressed_ != noEntry &&
        (pos - pressPos_).manhattanLength() >= QApplication::startDragDistance()) {
        const EntryId source = pressed_;
        pressed_ = noEntry;
        if (beginDrag(itemOf(source))) {
            dragMoveTo(pos);
            return;
        }
    }
    QTreeWidget::mouseMoveEvent(event);
}

void CPRGTreeView::mouseReleaseEvent(QMouseEvent* event) {
    pressed_ = noEntry;
    if (dragging_ && event->button() == Qt::LeftButton) {
        finishDrag();
        return;
    }
    QTreeWidget::mouseReleaseEvent(event);
}

bool CPRGTreeView::beginDrag(QTreeWidgetItem* source) {
    const EntryId id = entryOf(source);
    if (id == noEntry || id == model_.tree.root() || dragging_)
        return false;
    source_ = id;
    target_ = noEntry;
    dragging_ = true;
    // The picture that follows the cursor: the entry's icon and label. It takes no input, so
    // the tree keeps receiving the mouse while the picture sits under the cursor.
    const QRect rect = visualItemRect(source);
    QPixmap image(rect.size().expandedTo(QSize(16, 16)));
    image.fill(palette().color(QPalette::Base));
    {
        QPainter p(&image);
        source->icon(0).paint(&p, QRect(2, (image.height() - 16) / 2, 16, 16));
        p.setPen(palette().color(QPalette::Text));
        p.drawText(image.rect().adjusted(22, 0, 0, 0), Qt::AlignVCenter, source->text(0));
    }
    dragImage_ =
        new QLabel(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput);
    dragImage_->setAttribute(Qt::WA_TransparentForMouseEvents);
    dragImage_->setWindowOpacity(0.7);
    dragImage_->setPixmap(image);
    dragImage_->resize(image.size());
    moveDragImage();
    dragImage_->show();
    const QRect client = viewport()->rect();
    dragTop_ = viewport()->mapToGlobal(client.topLeft()).y();
    dragBottom_ = viewport()->mapToGlobal(client.bottomLeft()).y();
    viewport()->grabMouse(); // the viewport, where the view takes its mouse events
    scrollTimer_.start();
    return true;
}

void CPRGTreeView::moveDragImage() {
    if (dragImage_)
        dragImage_->move(QCursor::pos());
}

void CPRGTreeView::dragMoveTo(const QPoint& viewportPos) {
    if (!dragging_)
        return;
    moveDragImage();
    if (viewport()->rect().contains(viewportPos)) {
        viewport()->setCursor(Qt::ArrowCursor);
        setDropTarget(entryOf(itemAt(viewportPos)));
    } else {
        viewport()->setCursor(Qt::ForbiddenCursor);
        setDropTarget(noEntry);
    }
}

// The drop target gets a light tint of the selection colour, so it cannot be mistaken for the
// dragged entry, which stays selected.
void CPRGTreeView::setDropTarget(EntryId target) {
    if (target == target_)
        return;
    if (QTreeWidgetItem* old = itemOf(target_))
        old->setData(0, Qt::BackgroundRole, QVariant());
    target_ = target;
    if (QTreeWidgetItem* item = itemOf(target_))
        item->setBackground(0, dropTargetColour());
}

QColor CPRGTreeView::dropTargetColour() const {
    QColor tint = palette().color(QPalette::Highlight);
    tint.setAlpha(70);
    return tint;
}

// While the cursor is above or below the tree, the tree scrolls a line per tick.
void CPRGTreeView::scrollTick() {
    moveDragImage();
    const int y = QCursor::pos().y();
    QScrollBar* bar = verticalScrollBar();
    if (y < dragTop_) {
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
        setDropTarget(noEntry);
    } else if (y > dragBottom_) {
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        setDropTarget(noEntry);
    }
}

void CPRGTreeView::finishDrag() {
    if (!dragging_)
        return;
    const EntryId source = source_;
    const EntryId target = target_;
    endDrag();
    dropOn(source, target);
}

void CPRGTreeView::endDrag() {
    setDropTarget(noEntry);
    delete dragImage_;
    viewport()->releaseMouse();
    scrollTimer_.stop();
    viewport()->unsetCursor();
    dragging_ = false;
    source_ = noEntry;
}

void CPRGTreeView::dropOn(EntryId source, EntryId target) {
    const DropResult result = dropEntry(model_, source, target);
    switch (result.outcome) {
    case DropOutcome::Moved:
        rebuild(result.moved);
        expandEntry(model_.tree.parent(result.moved));
        break;
    case DropOutcome::Refused:
        Q_EMIT dropRefused();
        QApplication::beep();
        break;
    case DropOutcome::Nothing:
        break;
    }
}

} // namespace kadro::gui
