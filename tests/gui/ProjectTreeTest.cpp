#include "app/CommandIds.h"
#include "app/Prompts.h"
#include "app/QtUserInterface.h"
#include "project/CPRGTreeView.h"
#include "project/IncreaseDialog.h"
#include "project/IncreaseSectionDialog.h"
#include "project/SubBlockDialog.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace kadro;
using namespace kadro::gui;

namespace {

// Answers the next modal dialog as soon as it shows, so the code that opened it goes on.
void answerModal(std::function<void(QDialog*)> answer) {
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [answer, poll] {
        if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            answer(modal);
            // The poll holds itself; letting go of it ends the cycle, or it would leak.
            *poll = nullptr;
            return;
        }
        QTimer::singleShot(5, *poll);
    };
    QTimer::singleShot(0, *poll);
}

template <typename T> T* child(QWidget* parent, const char* name) {
    T* widget = parent->findChild<T*>(QLatin1String(name));
    if (!widget)
        qFatal("no widget %s", name);
    return widget;
}

void clickOk(QDialog* dialog) {
    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
}

// Names whatever record dialog is open and confirms it.
void confirmWithName(QDialog* dialog, const QString& name, bool item = false) {
    child<QLineEdit>(dialog, "name")->setText(name);
    if (item)
        child<QRadioButton>(dialog, "item")->click();
    clickOk(dialog);
}

class Host : public ProjectTreeHost {
public:
    QStringList opened;
    QStringList statuses;
    QSize pictureSize() const override { return {256, 240}; }
    void openItemDocument(const QString& path) override { opened << path; }
    void showStatus(const QString& text) override { statuses << text; }
};

} // namespace

class ProjectTreeTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QStringList messages_;
    QStringList questions_;
    bool answer_ = true; // Yes
    QString nextFile_;
    Host host_;
    QtUserInterface ui_;
    std::unique_ptr<CPRGTreeView> view_;

    CPRGTreeView& view() { return *view_; }

    QTreeWidgetItem* root() { return view().topLevelItem(0); }
    QTreeWidgetItem* find(const QString& label) {
        const auto found = view().findItems(label, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.first();
    }
    QStringList childLabels(QTreeWidgetItem* item) {
        QStringList labels;
        for (int i = 0; i < item->childCount(); ++i)
            labels << item->child(i)->text(0);
        return labels;
    }
    void select(QTreeWidgetItem* item) {
        QVERIFY(item);
        view().setCurrentItem(item);
    }
    bool enabled(int id) {
        view().updateActions();
        return view().action(id)->isEnabled();
    }
    // Add below the entry labelled `parent` through the Add command and its dialog.
    void add(const QString& parent, const QString& name, bool item = false) {
        select(find(parent));
        answerModal([name, item](QDialog* d) { confirmWithName(d, name, item); });
        view().action(cmd::projectAdd)->trigger();
        QVERIFY(find(name));
    }
    // Root "Untitled" -> S1 (A, B, C), S2 (G1 (I1, I2), G2).
    void buildSample() {
        add(QStringLiteral("Untitled"), QStringLiteral("S2"));
        add(QStringLiteral("Untitled"), QStringLiteral("S1"));
        for (const char* name : {"C", "B", "A"})
            add(QStringLiteral("S1"), QString::fromLatin1(name));
        add(QStringLiteral("S2"), QStringLiteral("G2"));
        add(QStringLiteral("S2"), QStringLiteral("G1"));
        add(QStringLiteral("G1"), QStringLiteral("I2"), true);
        add(QStringLiteral("G1"), QStringLiteral("I1"), true);
        view().expandAll();
    }
    // The press before the double click, as a mouse gives it.
    void doubleClick(QTreeWidgetItem* item) {
        const QPoint at = view().visualItemRect(item).center();
        QTest::mouseClick(view().viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(view().viewport(), Qt::LeftButton, {}, at);
    }
    void drag(const QString& source, const QString& target) {
        QVERIFY(view().beginDrag(find(source)));
        view().scrollToItem(find(target));
        view().dragMoveTo(view().visualItemRect(find(target)).center());
        QCOMPARE(view().dropTarget(), find(target));
        view().finishDrag();
    }

private Q_SLOTS:
    void initTestCase() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           dir_.filePath(QStringLiteral("settings")));
        Prompts::setMessageHandler([this](const QString& text, PromptIcon) { messages_ << text; });
        Prompts::setQuestionHandler([this](const QString& text) {
            questions_ << text;
            return answer_;
        });
        Prompts::setFileHandler([this](const FilePrompt&) -> std::optional<FileAnswer> {
            if (nextFile_.isEmpty())
                return std::nullopt;
            return FileAnswer{nextFile_, 1};
        });
    }

    void init() {
        QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("KADRO")).clear();
        messages_.clear();
        questions_.clear();
        answer_ = true;
        nextFile_.clear();
        host_ = Host();
        view_ = std::make_unique<CPRGTreeView>(ui_, host_);
        view_->resize(300, 600);
        view_->show();
        QCoreApplication::sendPostedEvents(view_.get(), QEvent::MetaCall); // the start-up
    }
    void cleanup() { view_.reset(); }

    void startsWithAnUntitledRootAndEnablesByPosition() {
        QCOMPARE(view().topLevelItemCount(), 1);
        QCOMPARE(root()->text(0), QStringLiteral("Untitled"));
        select(root());
        QVERIFY(!enabled(cmd::projectDel));
        QVERIFY(!enabled(cmd::projectUp));
        QVERIFY(!enabled(cmd::projectDown));
        QVERIFY(enabled(cmd::projectAdd));

        buildSample();
        QCOMPARE(childLabels(root()), QStringList({QStringLiteral("S1"), QStringLiteral("S2")}));
        select(find(QStringLiteral("A")));
        QVERIFY(enabled(cmd::projectDel));
        QVERIFY(!enabled(cmd::projectUp));
        QVERIFY(enabled(cmd::projectDown));
        select(find(QStringLiteral("C")));
        QVERIFY(enabled(cmd::projectUp));
        QVERIFY(!enabled(cmd::projectDown));
        // The context menu follows the same rules.
        QStringList contextTexts;
        for (QAction* a : view().contextMenu()->actions()) {
            if (a->isSeparator())
                continue;
            contextTexts << a->text();
            if (a->text() == QStringLiteral("Downward(&O)"))
                QVERIFY(!a->isEnabled());
        }
        QCOMPARE(contextTexts.join(QLatin1Char(',')),
                 QStringLiteral("Add(&A),Del(&D),Upward(&U),Downward(&O),Attribute(&P),Output"));
    }

    void addOffersTheDialogOfTheSelection() {
        buildSample();
        const std::pair<const char*, QString> cases[] = {
            {"Untitled", QStringLiteral("Increase Section")},
            {"S1", QStringLiteral("Increase")},
            {"G1", QStringLiteral("Increase")},
            {"I1", QStringLiteral("Setup Sub Block")}};
        for (const auto& [parent, title] : cases) {
            QTreeWidgetItem* item = find(QString::fromLatin1(parent));
            select(item);
            const int before = item->childCount();
            QString shown;
            answerModal([&shown](QDialog* d) {
                shown = d->windowTitle();
                d->reject();
            });
            view().action(cmd::projectAdd)->trigger();
            QCOMPARE(shown, title);
            QCOMPARE(find(QString::fromLatin1(parent))->childCount(), before);
        }
        // A new sub block starts with the picture's size; a sub block takes no children.
        select(find(QStringLiteral("I1")));
        answerModal([](QDialog* d) {
            QCOMPARE(child<QLineEdit>(d, "width")->text(), QStringLiteral("256"));
            QCOMPARE(child<QLineEdit>(d, "height")->text(), QStringLiteral("240"));
            confirmWithName(d, QStringLiteral("B1"));
        });
        view().action(cmd::projectAdd)->trigger();
        select(find(QStringLiteral("B1")));
        const int entries = static_cast<int>(view().model().tree.size());
        view().action(cmd::projectAdd)->trigger(); // no dialog to answer: it must not block
        QCOMPARE(static_cast<int>(view().model().tree.size()), entries);
    }

    void movingReversesChildrenAndTwiceRestores() {
        buildSample();
        select(find(QStringLiteral("S1")));
        view().action(cmd::projectDown)->trigger();
        QCOMPARE(childLabels(root()), QStringList({QStringLiteral("S2"), QStringLiteral("S1")}));
        QCOMPARE(view().currentItem(), find(QStringLiteral("S1")));
        QCOMPARE(childLabels(find(QStringLiteral("S1"))).join(QString()), QStringLiteral("CBA"));
        view().action(cmd::projectUp)->trigger();
        QCOMPARE(childLabels(root()), QStringList({QStringLiteral("S1"), QStringLiteral("S2")}));
        QCOMPARE(childLabels(find(QStringLiteral("S1"))).join(QString()), QStringLiteral("ABC"));
    }

    void dropsFollowTheKindsOfSourceAndTarget() {
        buildSample();
        QSignalSpy refused(&view(), &CPRGTreeView::dropRefused);
        // Item onto item: right after it.
        drag(QStringLiteral("I1"), QStringLiteral("I2"));
        QCOMPARE(childLabels(find(QStringLiteral("G1"))),
                 QStringList({QStringLiteral("I2"), QStringLiteral("I1")}));
        QCOMPARE(view().currentItem(), find(QStringLiteral("I1")));
        // Item onto group: its first child.
        drag(QStringLiteral("I1"), QStringLiteral("G2"));
        QCOMPARE(childLabels(find(QStringLiteral("G2"))), QStringList({QStringLiteral("I1")}));
        QCOMPARE(refused.count(), 0);
        // A group onto a group inside it, or a section onto a group, is refused.
        drag(QStringLiteral("G2"), QStringLiteral("G1"));
        QCOMPARE(childLabels(find(QStringLiteral("G1"))),
                 QStringList({QStringLiteral("G2"), QStringLiteral("I2")}));
        view().expandAll();
        drag(QStringLiteral("G1"), QStringLiteral("G2"));
        QCOMPARE(refused.count(), 1);
        drag(QStringLiteral("S1"), QStringLiteral("G1"));
        QCOMPARE(refused.count(), 2);
        QCOMPARE(childLabels(root()), QStringList({QStringLiteral("S1"), QStringLiteral("S2")}));
        QVERIFY(!view().isDragging());
        // Nothing lands on a sub block, and that is no fault worth a beep.
        select(find(QStringLiteral("I2")));
        answerModal([](QDialog* d) { confirmWithName(d, QStringLiteral("Blk")); });
        view().action(cmd::projectAdd)->trigger();
        drag(QStringLiteral("I1"), QStringLiteral("Blk"));
        QCOMPARE(refused.count(), 2);
        QCOMPARE(childLabels(find(QStringLiteral("G2"))), QStringList({QStringLiteral("I1")}));
        // The root cannot be dragged.
        QVERIFY(!view().beginDrag(root()));
        // The drop target looks different from the dragged entry, which stays selected.
        select(find(QStringLiteral("I2")));
        QVERIFY(view().beginDrag(find(QStringLiteral("I2"))));
        view().dragMoveTo(view().visualItemRect(find(QStringLiteral("G1"))).center());
        const QImage shot = view().viewport()->grab().toImage();
        const auto rowColour = [&](const QString& label) {
            const QRect r = view().visualItemRect(find(label));
            return shot.pixelColor(shot.width() * (r.right() - 2) / view().viewport()->width(),
                                   shot.height() * r.center().y() / view().viewport()->height());
        };
        const QColor dragged = rowColour(QStringLiteral("I2"));
        const QColor target = rowColour(QStringLiteral("G1"));
        const QColor plain = rowColour(QStringLiteral("S2"));
        QVERIFY2(target != dragged && target != plain, qPrintable(target.name()));
        view().finishDrag();
    }

    // Holding a dragged entry above or below the tree scrolls it a line at each tick.
    void dragScrollsWhileTheCursorIsOutside() {
        for (int i = 0; i < 40; ++i)
            add(QStringLiteral("Untitled"), QStringLiteral("S%1").arg(i));
        view().resize(200, 120);
        QScrollBar* bar = view().verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        QVERIFY(view().beginDrag(find(QStringLiteral("S0"))));
        const QPoint below = view().viewport()->mapToGlobal(QPoint(20, 200));
        QCursor::setPos(below);
        if (QCursor::pos() != below)
            QSKIP("this platform does not move the cursor");
        QVERIFY(view().isScrolling());
        const int start = bar->value();
        view().scrollTick(); // as the timer does
        view().scrollTick();
        QCOMPARE(bar->value(), start + 2);
        QVERIFY(!view().dropTarget());
        QCursor::setPos(view().viewport()->mapToGlobal(QPoint(20, -40)));
        const int scrolled = bar->value();
        view().scrollTick();
        QCOMPARE(bar->value(), scrolled - 1);
        view().finishDrag(); // no target: nothing moves
        QVERIFY(!view().isScrolling());
        QCOMPARE(root()->child(39)->text(0), QStringLiteral("S0"));
    }

    void insertAndDeleteKeys() {
        select(root());
        QTest::keyRelease(&view(), Qt::Key_Delete);
        QVERIFY(questions_.isEmpty());
        answerModal([](QDialog* d) { confirmWithName(d, QStringLiteral("S")); });
        QTest::keyRelease(&view(), Qt::Key_Insert);
        QVERIFY(find(QStringLiteral("S")));

        select(find(QStringLiteral("S")));
        answer_ = false;
        QTest::keyRelease(&view(), Qt::Key_Delete);
        QCOMPARE(questions_,
                 QStringList({QStringLiteral("This permanently removes the selected group and "
                                             "all sub-groups under it.  Are you sure?")}));
        QVERIFY(find(QStringLiteral("S")));
        answer_ = true;
        QTest::keyRelease(&view(), Qt::Key_Delete);
        QVERIFY(!find(QStringLiteral("S")));
        QCOMPARE(view().currentItem(), root());
    }

    void attributeKeepsTheKindAndRenames() {
        buildSample();
        select(find(QStringLiteral("G1")));
        answerModal([](QDialog* d) {
            QVERIFY(qobject_cast<IncreaseDialog*>(d));
            auto* group = child<QRadioButton>(d, "group");
            QVERIFY(group->isChecked());
            QVERIFY(!group->isEnabled());
            QVERIFY(!child<QRadioButton>(d, "item")->isEnabled());
            QVERIFY(!child<QLineEdit>(d, "path")->isEnabled());
            QVERIFY(!child<QPushButton>(d, "browse")->isEnabled());
            confirmWithName(d, QStringLiteral("Walls"));
        });
        view().action(cmd::projectAttribute)->trigger();
        QVERIFY(find(QStringLiteral("Walls")));
        QCOMPARE(view().model().kindOf(view().entryOf(find(QStringLiteral("Walls")))),
                 EntryKind::Group);
    }

    void increaseDialogBrowsesForADocument() {
        IncreaseDialog dialog(IncreaseFields{});
        auto* path = child<QLineEdit>(&dialog, "path");
        QVERIFY(!path->isEnabled());
        child<QRadioButton>(&dialog, "item")->click();
        QVERIFY(path->isEnabled());
        nextFile_ = QStringLiteral("/work/pictures.v2/logo.kdr");
        child<QPushButton>(&dialog, "browse")->click();
        QCOMPARE(child<QLineEdit>(&dialog, "name")->text(), QStringLiteral("logo"));
        QCOMPARE(path->text(), nextFile_);
        child<QRadioButton>(&dialog, "group")->click();
        QVERIFY(!path->isEnabled());
        child<QRadioButton>(&dialog, "item")->click();
        clickOk(&dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(dialog.fields().item);
        QCOMPARE(dialog.fields().path, nextFile_.toStdString());
    }

    void subBlockDialogWantsIntegers() {
        SubBlockDialog dialog(SubBlockFields{"old", 1, 2, 3, 4});
        dialog.show();
        child<QLineEdit>(&dialog, "y")->setText(QStringLiteral("1.5"));
        clickOk(&dialog);
        QCOMPARE(messages_, QStringList({SubBlockDialog::integerMessage()}));
        QVERIFY(dialog.isVisible());
        child<QLineEdit>(&dialog, "y")->setText(QStringLiteral("-300"));
        child<QLineEdit>(&dialog, "name")->setText(QStringLiteral("top"));
        clickOk(&dialog);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.fields().y, -300);
        QCOMPARE(dialog.fields().height, 4);
        QCOMPARE(dialog.fields().name, std::string("top"));
    }

    void doubleClickOpensAnItemsDocument() {
        buildSample();
        QTreeWidgetItem* item = find(QStringLiteral("I1"));
        doubleClick(item);
        QCOMPARE(host_.opened.size(), 1);
        QVERIFY(root()->isExpanded());
        doubleClick(root());
        QCOMPARE(host_.opened.size(), 1);
        QVERIFY(!root()->isExpanded()); // the tree's own double click still works
    }

    // A project with a converted picture: saved, read again at the next start, and output.
    void savesReloadsAndOutputsAProject() {
        const QString kdr = dir_.filePath(QStringLiteral("logo.kdr"));
        QFile::remove(kdr);
        QCOMPARE(QProcess::execute(QStringLiteral(KADRO_BIN_DIR "/kadro-cli"),
                                   {QStringLiteral("convert"),
                                    QStringLiteral(KADRO_SAMPLES_DIR "/sample.bmp"),
                                    QStringLiteral("-o"), kdr}),
                 0);
        add(QStringLiteral("Untitled"), QStringLiteral("S"));
        add(QStringLiteral("S"), QStringLiteral("G"));
        select(find(QStringLiteral("G")));
        answerModal([this, kdr](QDialog* d) {
            child<QRadioButton>(d, "item")->click();
            nextFile_ = kdr;
            child<QPushButton>(d, "browse")->click();
            clickOk(d);
        });
        view().action(cmd::projectAdd)->trigger();
        QVERIFY(find(QStringLiteral("logo")));

        const QString project = dir_.filePath(QStringLiteral("game.prg"));
        nextFile_ = project;
        view().action(cmd::projectSave)->trigger();
        QCOMPARE(root()->text(0), project);
        QVERIFY(QFile::exists(project));

        view_ = std::make_unique<CPRGTreeView>(ui_, host_);
        view_->show();
        QCoreApplication::sendPostedEvents(view_.get(), QEvent::MetaCall); // the start-up
        QVERIFY(messages_.isEmpty());
        QCOMPARE(root()->text(0), project);
        QVERIFY(!root()->isExpanded());
        QVERIFY(find(QStringLiteral("logo")));
        doubleClick(root());
        QVERIFY(root()->isExpanded());

        nextFile_.clear(); // output must not ask: the project has its file
        view().action(cmd::projectOutput)->trigger();
        QVERIFY2(messages_.isEmpty(), qPrintable(messages_.join(QLatin1Char('\n'))));
        for (const char* name : {"VT03PGT.BIN", "VT03IRQ.ASM", "LOGO.ASM"})
            QVERIFY2(QFile::exists(dir_.filePath(QString::fromLatin1(name))), name);
        QCOMPARE(host_.statuses.size(), 1);

        // A file that is not a project leaves the tree as it was.
        QFile bad(dir_.filePath(QStringLiteral("bad.prg")));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("PRG3\0\1", 6);
        bad.close();
        nextFile_ = bad.fileName();
        view().action(cmd::projectLoad)->trigger();
        QCOMPARE(messages_, QStringList({QStringLiteral("PRG文件错误!")}));
        QCOMPARE(root()->text(0), project);
        QVERIFY(find(QStringLiteral("logo")));
    }
};

QTEST_MAIN(ProjectTreeTest)
#include "ProjectTreeTest.moc"
