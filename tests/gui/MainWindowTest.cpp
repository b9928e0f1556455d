#include "BlockColours.h"
#include "app/CKadroApp.h"
#include "app/CMainFrame.h"
#include "app/CommandIds.h"
#include "app/InfoBar.h"
#include "app/Prompts.h"
#include "colour/ReduceDialog.h"
#include "document/CKadroDoc.h"
#include "document/InformationText.h"
#include "document/TransformationDialog.h"
#include "palette/PalSetupDialog.h"
#include "palette/PaletteFile.h"
#include "project/CPRGTreeView.h"
#include "project/ProjectFile.h"
#include "view/CKadroView.h"
#include "view/PntAttribDialog.h"
#include "view/ToolBox.h"
#include "view/ViewMessage.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace kadro;
using namespace kadro::gui;

namespace {

// Answers the next modal dialog as soon as it shows, so the code that opened it goes on.
void answerModal(std::function<void(QWidget*)> answer) {
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [answer, poll] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            answer(modal);
            // The poll holds itself; letting go of it ends the cycle, or it would leak.
            *poll = nullptr;
            return;
        }
        QTimer::singleShot(5, *poll);
    };
    QTimer::singleShot(0, *poll);
}

QPushButton* button(QWidget* parent, const QString& text) {
    for (QPushButton* b : parent->findChildren<QPushButton*>()) {
        if (b->text() == text)
            return b;
    }
    return nullptr;
}

// Screenshots of the real screen for a person to look at, when asked for.
void screenshot(const char* name) {
    const QByteArray dir = qgetenv("KADRO_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    QTest::qWait(300);
    QApplication::primaryScreen()->grabWindow(0).save(
        QDir(QString::fromLocal8Bit(dir))
            .filePath(QString::fromLatin1(name) + QStringLiteral(".png")));
}

Colour pixel(Picture& picture, int x, int y) {
    Colour c = 0;
    picture.getPixel(x, y, c);
    return c;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QStringList messages_;
    std::unique_ptr<CKadroApp> app_;

    QString copyOfSample() {
        const QString path = dir_.filePath(QStringLiteral("sample.bmp"));
        QFile::remove(path);
        QFile::copy(QStringLiteral(KADRO_SAMPLES_DIR "/sample.bmp"), path);
        return path;
    }

    CMainFrame& frame() { return *app_->frame(); }
    CKadroView& view() { return frame().view(); }
    CKadroDoc& doc() { return app_->document(); }

    bool start(const QStringList& arguments) {
        app_ = std::make_unique<CKadroApp>(QStringLiteral(KADRO_BIN_DIR));
        const bool started = app_->initInstance(arguments);
        if (started) {
            QCoreApplication::sendPostedEvents(&frame().projectPane(), QEvent::MetaCall);
            QApplication::setActiveWindow(&frame());
            frame().updateCommands();
        }
        return started;
    }

    void trigger(int id) {
        frame().updateCommands();
        QAction* a = frame().commandAction(id);
        QVERIFY2(a && a->isEnabled(), qPrintable(QString::number(id)));
        a->trigger();
    }

    // Transform, Next on both pages; the sample converts whole.
    void convertSample() {
        trigger(cmd::transform);
        QVERIFY(doc().transformationDialog());
        answerModal([](QWidget* modal) {
            QVERIFY(qobject_cast<PalSetupDialog*>(modal));
            screenshot("palettes");
            button(modal, QStringLiteral("Next"))->click();
        });
        screenshot("transformation");
        button(doc().transformationDialog(), QStringLiteral("Next"))->click();
        QTRY_VERIFY(doc().outputReady());
    }

private Q_SLOTS:
    void initTestCase() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           dir_.filePath(QStringLiteral("settings")));
        Prompts::setMessageHandler([this](const QString& text, PromptIcon) { messages_ << text; });
    }

    void init() {
        messages_.clear();
        // Every test starts as a first start does, whatever window the last one left.
        QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("KADRO"))
            .remove(QStringLiteral("Layout"));
    }
    void cleanup() { app_.reset(); }

    void startsWithAnEmptyPictureAndFirstSettings() {
        QVERIFY(start({}));
        QCOMPARE(QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("KADRO"))
                     .value(QStringLiteral("PPUMode"))
                     .toInt(),
                 0);
        QCOMPARE(app_->picture().width(), 0);
        QVERIFY(frame().commandAction(cmd::zoomNormal)->isChecked());
        for (int id : {cmd::transform, cmd::fileSave, cmd::fileSaveAs, cmd::output, cmd::editUndo,
                       cmd::editCopy, cmd::projectDel, cmd::projectUp, cmd::tvEffect})
            QVERIFY2(!frame().commandAction(id)->isEnabled(), qPrintable(QString::number(id)));
        QVERIFY(frame().commandAction(cmd::fileOpen)->isEnabled());
        QVERIFY(frame().commandAction(cmd::projectAdd)->isEnabled());
        QVERIFY(!frame().toolBox().isVisible());
        QCOMPARE(frame().currentTool(), 10);
        QCOMPARE(frame().windowTitle(), QStringLiteral("无标题 - Kadro"));
    }

    void keepsAStoredPpuMode() {
        QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("KADRO"))
            .setValue(QStringLiteral("PPUMode"), 2);
        QVERIFY(start({}));
        QCOMPARE(QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("KADRO"))
                     .value(QStringLiteral("PPUMode"))
                     .toInt(),
                 2);
        QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("KADRO"))
            .setValue(QStringLiteral("PPUMode"), 0);
    }

    // A file manager opens a project by giving its file: the tree shows it and remembers it.
    void aProjectFileGivenAtTheStartOpensInTheTree() {
        const QString prg = dir_.filePath(QStringLiteral("given.prg"));
        ProjectModel model;
        model.projectPath = prg.toStdString();
        model.tree.insertLast(noEntry, model.projectPath,
                              static_cast<std::uint8_t>(EntryKind::Root), 0);
        SilentUserInterface silent;
        QVERIFY(writeProjectFile(model, model.projectPath, silent));
        QVERIFY(start({prg}));
        QCOMPARE(QString::fromStdString(frame().projectPane().model().projectPath), prg);
        QCOMPARE(app_->picture().width(), 0); // no picture: a project is not one
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("KADRO"));
        QCOMPARE(settings.value(QStringLiteral("PRGPath")).toString(), prg);
        settings.remove(QStringLiteral("PRGPath"));
        QVERIFY(messages_.isEmpty());
    }

    // A remembered project that has gone is reported over the window, once it shows.
    void aLostProjectIsReportedOverTheShownWindow() {
        const QString gone = dir_.filePath(QStringLiteral("gone.prg"));
        QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("KADRO"))
            .setValue(QStringLiteral("PRGPath"), gone);
        QStringList shownOver;
        Prompts::setMessageHandler([&](const QString& text, PromptIcon) {
            messages_ << text;
            shownOver << (app_->frame() && app_->frame()->isVisible() ? QStringLiteral("window")
                                                                      : QStringLiteral("nothing"));
        });
        QVERIFY(start({}));
        Prompts::setMessageHandler([this](const QString& text, PromptIcon) { messages_ << text; });
        QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("KADRO"))
            .remove(QStringLiteral("PRGPath"));
        QCOMPARE(messages_.size(), 1);
        QVERIFY2(messages_.first().contains(QStringLiteral("gone.prg")), qPrintable(messages_[0]));
        QCOMPARE(shownOver, QStringList{QStringLiteral("window")});
        QCOMPARE(frame().projectPane().topLevelItemCount(), 1); // the root alone
    }

    void aPathThatCannotBeOpenedEndsStartUp() {
        QVERIFY(!start({dir_.filePath(QStringLiteral("missing.bmp"))}));
        QCOMPARE(messages_.size(), 1);
    }

    void openPromptRemembersTheFilter() {
        QVERIFY(start({}));
        const QString sample = copyOfSample();
        FilePrompt seen;
        Prompts::setFileHandler([&](const FilePrompt& p) {
            seen = p;
            return std::optional<FileAnswer>(FileAnswer{sample, 2});
        });
        trigger(cmd::fileOpen);
        QCOMPARE(seen.title, QStringLiteral("打开图像文件"));
        QCOMPARE(seen.filterIndex, 1);
        QCOMPARE(app_->lastFilterIndex(), 2);
        Prompts::setFileHandler([&](const FilePrompt& p) {
            seen = p;
            return std::optional<FileAnswer>();
        });
        trigger(cmd::fileOpen);
        QCOMPARE(seen.filterIndex, 2);
        QCOMPARE(app_->lastFilterIndex(), 2);
        Prompts::setFileHandler({});

        QCOMPARE(frame().infoBar().information(), QStringLiteral("width:256\nheight:240\n"));
        QVERIFY(frame().commandAction(cmd::transform)->isEnabled());
        QVERIFY(!frame().commandAction(cmd::output)->isEnabled());
        QCOMPARE(frame().windowTitle(), QStringLiteral("sample.bmp - Kadro"));
        QCOMPARE(app_->recentFiles().first(), sample);
    }

    void zoomKeysAndGrid() {
        QVERIFY(start({copyOfSample()}));
        QTest::keyClick(&view(), Qt::Key_Plus);
        QVERIFY(frame().commandAction(cmd::zoomInFirst)->isChecked()); // 2:1
        QTest::keyClick(&view(), Qt::Key_Minus);
        QTest::keyClick(&view(), Qt::Key_Minus);
        frame().updateCommands();
        QVERIFY(frame().commandAction(cmd::zoomOutFirst)->isChecked()); // 1:2
        QTest::keyClick(&view(), Qt::Key_Escape);
        QTRY_VERIFY(view().zoom().isChecked(cmd::zoomNormal));
        trigger(cmd::displayGrid);
        frame().updateCommands();
        QVERIFY(frame().commandAction(cmd::displayGrid)->isChecked());
        view().applyZoom(cmd::zoomInFirst + 1); // 3:1
        trigger(cmd::viewToolBox);
        screenshot("zoom-grid");
    }

    void toolBoxShowsAndHides() {
        QVERIFY(start({}));
        trigger(cmd::viewToolBox);
        frame().updateCommands();
        QVERIFY(frame().toolBox().isVisible());
        QVERIFY(frame().commandAction(cmd::viewToolBox)->isChecked());
        QCOMPARE(frame().toolBox().buttonCell(11), QPoint(1, 5)); // six rows of two
        // Wide enough for its title beside the title bar's buttons.
        QFont bold = QApplication::font();
        bold.setBold(true);
        const QFontMetrics title(bold);
        QVERIFY(frame().toolBox().width() >=
                title.horizontalAdvance(frame().toolBox().windowTitle()) + 4 * title.height());
        trigger(cmd::viewToolBox);
        frame().updateCommands();
        QVERIFY(!frame().toolBox().isVisible());
        QVERIFY(!frame().commandAction(cmd::viewToolBox)->isChecked());
        trigger(cmd::viewPal);
        frame().updateCommands();
        QVERIFY(!frame().commandAction(cmd::viewPal)->isChecked());
    }

    void penPaintsUnderTheScrolledView() {
        const QString big = dir_.filePath(QStringLiteral("big.bmp"));
        QVERIFY(DibImage::createBlank(1200, 900)->writeBmp(big.toStdString()));
        QVERIFY(start({big}));
        trigger(cmd::firstTool + 1); // Pen
        view().horizontalScrollBar()->setValue(100);
        view().verticalScrollBar()->setValue(40);
        QTest::mouseClick(view().viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(pixel(app_->picture(), 105, 45), Colour{0});
        QCOMPARE(pixel(app_->picture(), 5, 5), Colour{0xFFFFFF});

        trigger(cmd::firstTool + 7); // EyeDrop: the right button picks the back colour
        QTest::mouseClick(view().viewport(), Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(frame().infoBar().secondaryColour(), Colour{0});
    }

    void selectAndMagnifyTools() {
        QVERIFY(start({copyOfSample()}));
        trigger(cmd::firstTool + 2);        // Select
        view().applyZoom(cmd::zoomInFirst); // 2:1
        QTest::mousePress(view().viewport(), Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseMove(view().viewport(), QPoint(15, 20));
        QTest::mouseRelease(view().viewport(), Qt::LeftButton, {}, QPoint(21, 31));
        QCOMPARE(app_->picture().selection(), (Selection{5, 5, 10, 15}));

        trigger(cmd::firstTool + 8); // Magnify
        QTest::mouseClick(view().viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(view().zoom().isChecked(cmd::zoomInFirst + 1)); // 3:1
        QTest::mouseClick(view().viewport(), Qt::RightButton, {}, QPoint(5, 5));
        QTest::mouseClick(view().viewport(), Qt::RightButton, {}, QPoint(5, 5));
        QVERIFY(view().zoom().isChecked(cmd::zoomNormal));

        // Before a conversion a double-click edits nothing: no dialog opens.
        QTest::mouseDClick(view().viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!QApplication::activeModalWidget());
    }

    void paletteToolWritesTheStepsBesideThePalette() {
        QVERIFY(start({}));
        PaletteTable table{};
        for (std::size_t i = 0; i < table.size(); ++i)
            table[i] = {0x808080, 1};
        const QString pal = dir_.filePath(QStringLiteral("grey.pal"));
        QVERIFY(writePaletteFile(pal.toStdString(), table, nullptr));
        answerModal([pal](QWidget* modal) {
            QCOMPARE(modal->windowTitle(), QStringLiteral("PAL process"));
            modal->findChild<QLineEdit*>(QStringLiteral("path"))->setText(pal);
            button(modal, QStringLiteral("OK"))->click();
        });
        trigger(cmd::paletteTool);
        QVERIFY(messages_.isEmpty());
        QVERIFY(QFileInfo(dir_.filePath(QStringLiteral("PALStep.asm"))).size() > 0);
    }

    // Loads `list` into the batch dialog, processes it and closes the dialog; gives the
    // dialog's status line.
    QString runBatch(const QString& list, QStringList* shown = nullptr) {
        Prompts::setFileHandler([&](const FilePrompt& p) {
            return std::optional<FileAnswer>(
                FileAnswer{p.defaultSuffix == QLatin1String("lst") ? list : QString(), 1});
        });
        QString status;
        answerModal([&](QWidget* modal) {
            QPushButton* process = button(modal, QStringLiteral("Process"));
            QVERIFY(!process->isEnabled()); // nothing to process before a list
            button(modal, QStringLiteral("Load"))->click();
            auto* entries = modal->findChild<QListWidget*>(QStringLiteral("frames"));
            for (int i = 0; shown && i < entries->count(); ++i)
                *shown << entries->item(i)->text();
            process->click();
            status = modal->findChild<QLabel*>(QStringLiteral("status"))->text();
            button(modal, QStringLiteral("Cancel"))->click();
        });
        trigger(cmd::batchProcess);
        Prompts::setFileHandler({});
        return status;
    }

    static void writeFile(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    void batchProcessWritesTheAnimationBesideTheList() {
        QVERIFY(start({}));
        QDir frames(dir_.filePath(QStringLiteral("frames")));
        QVERIFY(frames.mkpath(QStringLiteral(".")));
        for (const char* name : {"walk2.bmp", "Walk1.bmp"})
            QVERIFY(QFile::copy(QStringLiteral(KADRO_SAMPLES_DIR "/sample.bmp"),
                                frames.filePath(QString::fromLatin1(name))));
        writeFile(frames.filePath(QStringLiteral("Sprite_pgt.bin")), QByteArray(2048, 0x5A));
        const QString list = frames.filePath(QStringLiteral("anim.lst"));
        writeFile(list, "walk2.bmp\nWalk1.bmp\n");

        QStringList shown;
        const QString status = runBatch(list, &shown);
        QCOMPARE(shown, (QStringList{QStringLiteral("Walk1.bmp"), QStringLiteral("walk2.bmp")}));
        QVERIFY(messages_.isEmpty());
        const QString written = QStringLiteral("Batch process finished: 5 files written in %1.")
                                    .arg(QDir::toNativeSeparators(frames.absolutePath()));
        QCOMPARE(status, written);
        QCOMPARE(frame().statusBar()->currentMessage(), written);
        for (const char* name :
             {"ANI.asm", "ANIINDEX.asm", "ANIPNT00.asm", "ANIPAL.asm", "ANIPGT.BIN"})
            QVERIFY2(QFile::exists(frames.filePath(QString::fromLatin1(name))), name);

        // The batch converts pictures of its own: the one on screen keeps its Transform dialog.
        QVERIFY(!app_->picture().values.animationMode);
        QVERIFY(doc().onOpenDocument(frames.filePath(QStringLiteral("Walk1.bmp"))));
        trigger(cmd::transform);
        QVERIFY(doc().transformationDialog());
        doc().transformationDialog()->close();

        // An empty list writes the sprite block and the reserved space, as the command line does.
        writeFile(list, "");
        QVERIFY(runBatch(list).startsWith(QStringLiteral("Batch process finished: 5 files")));
        QCOMPARE(QFileInfo(frames.filePath(QStringLiteral("ANIPGT.BIN"))).size(), 16384);

        // A missing frame is named as missing, and nothing claims success.
        writeFile(list, "Walk1.bmp walk3.bmp");
        frame().statusBar()->clearMessage();
        QCOMPARE(runBatch(list), QStringLiteral("The batch process stopped."));
        QCOMPARE(messages_,
                 QStringList{QStringLiteral("walk3.bmp: not found; the batch run stops")});
        QVERIFY(!frame().statusBar()->currentMessage().startsWith(QStringLiteral("Batch")));
    }

    void projectTreeIsBuiltWithTheProjectCommands() {
        QVERIFY(start({}));
        CPRGTreeView& tree = frame().projectPane();
        const ProjectModel& model = tree.model();
        QCOMPARE(tree.selectedEntry(), model.tree.root());
        // Add on the root offers a section; Insert adds too.
        answerModal([](QWidget* modal) {
            QCOMPARE(modal->windowTitle(), QStringLiteral("Increase Section"));
            modal->findChild<QLineEdit*>(QStringLiteral("name"))->setText(QStringLiteral("Title"));
            button(modal, QStringLiteral("OK"))->click();
        });
        trigger(cmd::projectAdd);
        const EntryId section = model.tree.children(model.tree.root()).front();
        QCOMPARE(model.kindOf(section), EntryKind::Section);
        for (const char* name : {"A", "B"}) {
            tree.selectEntry(section);
            answerModal([name](QWidget* modal) {
                QCOMPARE(modal->windowTitle(), QStringLiteral("Increase"));
                modal->findChild<QLineEdit*>(QStringLiteral("name"))
                    ->setText(QString::fromLatin1(name));
                button(modal, QStringLiteral("OK"))->click();
            });
            QTest::keyClick(&tree, Qt::Key_Insert);
        }
        // New entries go first: B, A.
        auto labels = [&] {
            QStringList l;
            for (EntryId c : model.tree.children(section))
                l << QString::fromStdString(model.tree.entry(c).label);
            return l;
        };
        QCOMPARE(labels(), (QStringList{QStringLiteral("B"), QStringLiteral("A")}));
        tree.selectEntry(model.tree.children(section).front());
        frame().updateCommands();
        QVERIFY(!frame().commandAction(cmd::projectUp)->isEnabled()); // B is first
        trigger(cmd::projectDown);
        QCOMPARE(labels(), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));

        Prompts::setQuestionHandler([](const QString& q) {
            return q.startsWith(QStringLiteral("This permanently removes"));
        });
        QTest::keyClick(&tree, Qt::Key_Delete);
        Prompts::setQuestionHandler({});
        QCOMPARE(labels(), QStringList{QStringLiteral("A")});

        const QString prg = dir_.filePath(QStringLiteral("demo.prg"));
        Prompts::setFileHandler([&](const FilePrompt&) {
            return std::optional<FileAnswer>(FileAnswer{prg, 1});
        });
        trigger(cmd::projectSaveAs);
        Prompts::setFileHandler({});
        QVERIFY(QFileInfo(prg).size() > 0);
        QVERIFY(messages_.isEmpty());
        QCOMPARE(frame().findChild<QSplitter*>()->sizes().first(), 130); // the first start
        frame().findChild<QSplitter*>()->setSizes({260, 500});
        // The project comes back at the next start, from the remembered path, in a pane as wide
        // as it was left, collapsed but with its expander and its whole path as a tool tip.
        app_.reset();
        QVERIFY(start({}));
        CPRGTreeView& again = frame().projectPane();
        QCOMPARE(again.model().tree.size(), std::size_t{3});
        QCOMPARE(frame().findChild<QSplitter*>()->sizes().first(), 260);
        QTreeWidgetItem* root = again.topLevelItem(0);
        QVERIFY(!root->isExpanded());
        QVERIFY(again.rootIsDecorated());
        QCOMPARE(root->toolTip(0), QDir::toNativeSeparators(prg));
    }

    void increaseDialogBrowsesForItemsAndKeepsKinds() {
        QVERIFY(start({}));
        CPRGTreeView& tree = frame().projectPane();
        const ProjectModel& model = tree.model();
        answerModal([](QWidget* modal) { button(modal, QStringLiteral("OK"))->click(); });
        trigger(cmd::projectAdd); // a section under the root
        const EntryId section = model.tree.children(model.tree.root()).front();
        QCOMPARE(model.kindOf(section), EntryKind::Section);
        tree.selectEntry(section);
        Prompts::setFileHandler([](const FilePrompt&) {
            return std::optional<FileAnswer>(FileAnswer{QStringLiteral("/pics/v1.2/logo.kdr"), 1});
        });
        answerModal([](QWidget* modal) {
            auto* path = modal->findChild<QLineEdit*>(QStringLiteral("path"));
            QVERIFY(!path->isEnabled()); // "Group" is chosen first
            for (QRadioButton* r : modal->findChildren<QRadioButton*>())
                if (r->text() == QStringLiteral("Item"))
                    r->click();
            QVERIFY(path->isEnabled());
            button(modal, QStringLiteral("Browse..."))->click();
            QCOMPARE(modal->findChild<QLineEdit*>(QStringLiteral("name"))->text(),
                     QStringLiteral("logo"));
            button(modal, QStringLiteral("OK"))->click();
        });
        trigger(cmd::projectAdd);
        Prompts::setFileHandler({});
        const EntryId item = model.tree.children(section).front();
        QCOMPARE(model.kindOf(item), EntryKind::Item);
        QCOMPARE(model.recordOf(item)->path, std::string("/pics/v1.2/logo.kdr"));

        // Attribute keeps the kind: both radio buttons are disabled.
        answerModal([](QWidget* modal) {
            for (QRadioButton* r : modal->findChildren<QRadioButton*>())
                QVERIFY(!r->isEnabled());
            modal->findChild<QLineEdit*>(QStringLiteral("name"))->setText(QStringLiteral("Logo"));
            button(modal, QStringLiteral("OK"))->click();
        });
        tree.selectEntry(item);
        tree.attribute();
        QCOMPARE(model.tree.entry(item).label, std::string("Logo"));
        QCOMPARE(model.kindOf(item), EntryKind::Item);
    }

    void recentFilesKeepTheLastFour() {
        QVERIFY(start({}));
        for (int i = 0; i < 6; ++i)
            app_->addRecentFile(dir_.filePath(QStringLiteral("p%1.bmp").arg(i)));
        app_->addRecentFile(dir_.filePath(QStringLiteral("p3.bmp")));
        QCOMPARE(app_->recentFiles(), (QStringList{dir_.filePath(QStringLiteral("p3.bmp")),
                                                   dir_.filePath(QStringLiteral("p5.bmp")),
                                                   dir_.filePath(QStringLiteral("p4.bmp")),
                                                   dir_.filePath(QStringLiteral("p2.bmp"))}));
        app_.reset();
        QVERIFY(start({})); // kept in the settings
        QCOMPARE(app_->recentFiles().size(), 4);
    }

    void flashingAndReplacingAUsedColour() {
        QVERIFY(start({copyOfSample()}));
        Picture& picture = app_->picture();
        const Colour first = picture.values.usedColours.at(0);
        int count = 0;
        for (int x = 0; x < picture.width(); ++x)
            for (int y = 0; y < picture.height(); ++y)
                count += pixel(picture, x, y) == first ? 1 : 0;
        const QPoint cell = frame().infoBar().cellRects().at(0).center();
        QTest::mousePress(&frame().infoBar(), Qt::RightButton, {}, cell);
        QVERIFY(frame().infoBar().flashing());
        QCOMPARE(view().flashPixelCount(), static_cast<std::size_t>(count));
        frame().infoBar().flashTick(); // as the 100 ms timer does
        QCOMPARE(pixel(picture, 0, 0), first ^ 0xFFFFFF);
        QTest::mouseRelease(&frame().infoBar(), Qt::RightButton, {}, QPoint(-50, 3));
        QVERIFY(!frame().infoBar().flashing());
        QCOMPARE(pixel(picture, 0, 0), first);

        Prompts::setColourHandler([](const QColor&) { return std::optional<QColor>(Qt::red); });
        QTest::mouseClick(&frame().infoBar(), Qt::LeftButton, {}, cell);
        Prompts::setColourHandler({});
        QCOMPARE(pixel(picture, 0, 0), Colour{0x0000FF});
        QCOMPARE(picture.values.usedColours.at(0), Colour{0x0000FF});
    }

    void readoutAndSwatches() {
        QVERIFY(start({copyOfSample()}));
        InfoBar& bar = frame().infoBar();
        bar.showReadout(view().pictureAt(QPoint(3, 2)));
        const Colour c = pixel(app_->picture(), 3, 2);
        QCOMPARE(bar.readoutText(0), QString::number(redOf(c)));
        QCOMPARE(bar.readoutText(3), QString::number((redOf(c) + greenOf(c) + blueOf(c)) / 3));
        QCOMPARE(bar.readoutText(4), QStringLiteral("3"));
        bar.showReadout(view().pictureAt(QPoint(300, 2))); // beside the picture
        QCOMPARE(bar.readoutText(0), QStringLiteral("..."));

        // Where the two swatches overlap, the front one (the primary colour) is edited.
        const QPoint overlap =
            bar.primarySwatchRect().intersected(bar.secondarySwatchRect()).center();
        Prompts::setPickerHandler([](const QColor&) { return std::optional<QColor>(Qt::blue); });
        QTest::mouseClick(&bar, Qt::LeftButton, {}, overlap);
        Prompts::setPickerHandler({});
        QCOMPARE(bar.primaryColour(), Colour{0xFF0000});
        QCOMPARE(bar.secondaryColour(), Colour{0xFFFFFF});
    }

    // Every line of every information text shows whole in a window that fits a 1280 x 720
    // screen with its title bar, at the default font and at one a quarter larger.
    void informationShowsWholeInASmallWindow_data() {
        QTest::addColumn<qreal>("scale");
        QTest::newRow("default font") << 1.0;
        QTest::newRow("larger font") << 1.25;
    }
    void informationShowsWholeInASmallWindow() {
        QFETCH(qreal, scale);
        const QFont original = QApplication::font();
        QFont font = original;
        font.setPointSizeF(original.pointSizeF() * scale);
        QApplication::setFont(font);
        const auto restore = qScopeGuard([&] { QApplication::setFont(original); });
        QVERIFY(start({copyOfSample()}));
        const QSize screen(1280, 720 - 30); // what a title bar leaves
        const QSize least = frame().minimumSizeHint();
        QVERIFY2(least.width() <= screen.width() && least.height() <= screen.height(),
                 qPrintable(QStringLiteral("%1 x %2").arg(least.width()).arg(least.height())));
        frame().resize(screen);

        ConversionSettings s; // the longest values each line can show
        s.width = s.height = 65535;
        s.compressMode = 1;
        s.colourCount = 1;
        s.charSize = 1;
        s.patternBytes = 0x7FFFFFFF;
        s.startAddress = s.endAddress = 0xFFFF;
        s.paletteFirst = s.paletteUsed = 0xFF;
        s.pntAttributeMode = 2;
        InfoBar& bar = frame().infoBar();
        const QLabel& panel = bar.informationPanel();
        const auto* viewport =
            frame().findChild<QScrollArea*>(QStringLiteral("infoScroller"))->viewport();
        for (const std::string& text : {information::forImage(65535, 65535), information::forKdr(s),
                                        information::forConversion(s)}) {
            const QString shown = QString::fromStdString(text);
            bar.setInformation(shown);
            const QStringList lines = shown.trimmed().split(QLatin1Char('\n'));
            const QFontMetrics metrics(panel.font());
            const QRect box = panel.parentWidget()->contentsRect();
            const auto whole = [&] {
                const QRect inBar(panel.mapTo(&bar, QPoint(0, 0)), panel.size());
                const QRect inView(panel.mapTo(viewport, QPoint(0, 0)), panel.size());
                bool fits = viewport->rect().contains(inView) && bar.rect().contains(inBar) &&
                            box.contains(panel.geometry()) &&
                            static_cast<int>(lines.size()) * metrics.lineSpacing() <=
                                panel.contentsRect().height();
                for (const QString& line : lines)
                    fits = fits && metrics.horizontalAdvance(line) <= panel.contentsRect().width();
                return fits;
            };
            QTRY_VERIFY2(whole(), qPrintable(shown));
        }
    }

    void newAskesForTheSizeAndSaveAsOffersBitmaps() {
        QVERIFY(start({}));
        answerModal([](QWidget* modal) {
            QCOMPARE(modal->findChild<QSpinBox*>(QStringLiteral("width"))->value(), 256);
            QCOMPARE(modal->findChild<QSpinBox*>(QStringLiteral("height"))->value(), 240);
            button(modal, QStringLiteral("Ok"))->click();
        });
        trigger(cmd::fileNew);
        QCOMPARE(app_->picture().width(), 256);
        QCOMPARE(pixel(app_->picture(), 10, 10), Colour{0xFFFFFF});
        // A blank has nothing a document could hold: Save is not offered, Save As (a bitmap) is.
        frame().updateCommands();
        QVERIFY(!frame().commandAction(cmd::fileSave)->isEnabled());
        QVERIFY(frame().commandAction(cmd::fileSaveAs)->isEnabled());

        FilePrompt seen;
        Prompts::setFileHandler([&](const FilePrompt& p) {
            seen = p;
            return std::optional<FileAnswer>();
        });
        trigger(cmd::fileSaveAs);
        QCOMPARE(seen.filter, QStringLiteral("Bitmap(*.bmp)|*.bmp||"));
        QCOMPARE(seen.defaultSuffix, QStringLiteral("bmp"));
        Prompts::setFileHandler({});

        doc().refresh(); // nothing opened yet: fails without a word
        QVERIFY(messages_.isEmpty());
        // Save would empty a PNG it cannot write, so it is not offered; a bitmap it rewrites.
        const QString png = dir_.filePath(QStringLiteral("photo.png"));
        QVERIFY(QImage(QStringLiteral(KADRO_SAMPLES_DIR "/sample.bmp")).save(png));
        const qint64 pngSize = QFileInfo(png).size();
        QVERIFY(doc().openAndShow(png));
        frame().updateCommands();
        QVERIFY(!frame().commandAction(cmd::fileSave)->isEnabled());
        doc().fileSave();
        QCOMPARE(QFileInfo(png).size(), pngSize);
        QVERIFY(doc().openAndShow(copyOfSample()));
        frame().updateCommands();
        QVERIFY(frame().commandAction(cmd::fileSave)->isEnabled());
    }

    void dragSetsTheConversionAreaInWholeCells() {
        QVERIFY(start({copyOfSample()}));
        trigger(cmd::transform);
        TransformationDialog* dialog = doc().transformationDialog();
        QVERIFY(dialog);
        QTest::mousePress(view().viewport(), Qt::LeftButton, {}, QPoint(3, 5));
        QTest::mouseMove(view().viewport(), QPoint(10, 10));
        QTest::mouseRelease(view().viewport(), Qt::LeftButton, {}, QPoint(16, 16));
        QCOMPARE(dialog->area(), (AreaRect{0, 0, 24, 24}));
        QCOMPARE(dialog->findChild<QLineEdit*>(QStringLiteral("width"))->text(),
                 QStringLiteral("24"));
        QCOMPARE(app_->picture().selection(), (Selection{0, 0, 24, 24}));
        const int used = dialog->findChild<QLineEdit*>(QStringLiteral("used"))->text().toInt();
        QVERIFY(used > 0 && used < 17);

        // Cancel: nothing of the settings changes.
        const auto before = app_->picture().settings.toBytes();
        button(dialog, QStringLiteral("Cancel"))->click();
        QTRY_VERIFY(!doc().transformationDialog());
        QVERIFY(app_->picture().settings.toBytes() == before);
    }

    void transformationOpensBesideThePicture() {
        QVERIFY(start({copyOfSample()}));
        frame().setGeometry(0, 0, 1000, 700);
        trigger(cmd::transform);
        TransformationDialog* dialog = doc().transformationDialog();
        QVERIFY(dialog);
        const QRect picture = view().pictureOnScreen();
        QCOMPARE(picture.size(), QSize(256, 240));
        // Centred over the window it would cover the picture; the screen has room below it.
        QVERIFY(!dialog->frameGeometry().intersects(picture));
        dialog->close();
    }

    void convertOutputSaveAndReopen() {
        QVERIFY(start({copyOfSample()}));
        screenshot("main");
        convertSample();
        screenshot("converted");
        QVERIFY(messages_.isEmpty());
        QVERIFY(doc().information().startsWith(QStringLiteral("width:256\nheight:240\nAddress:")));
        QVERIFY(doc().information().contains(QStringLiteral("blockmode:8*8\n")));
        QCOMPARE(doc().path(), dir_.filePath(QStringLiteral("sample.kdr")));
        frame().updateCommands();
        QVERIFY(frame().commandAction(cmd::output)->isEnabled());
        QVERIFY(view().zoom().isChecked(cmd::zoomNormal));

        answerModal([](QWidget* modal) {
            QCOMPARE(modal->windowTitle(), QStringLiteral("File Output"));
            auto* level = modal->findChild<QWidget*>(QStringLiteral("level"));
            QTest::keyClick(level, Qt::Key_Up);
            screenshot("output");
            button(modal, QStringLiteral("OK"))->click();
        });
        trigger(cmd::output);
        QVERIFY(QFile::exists(dir_.filePath(QStringLiteral("sample_pgt.bin"))));
        QVERIFY(QFile::exists(dir_.filePath(QStringLiteral("sample_pnt.asm"))));
        QCOMPARE(int{app_->picture().settings.outputLevel}, 1);

        FilePrompt seen;
        Prompts::setFileHandler([&](const FilePrompt& p) {
            seen = p;
            return std::optional<FileAnswer>();
        });
        trigger(cmd::fileSaveAs);
        Prompts::setFileHandler({});
        QCOMPARE(seen.filter, QStringLiteral("Bitmap(*.kdr)|*.kdr|Bitmap(*.bmp)|*.bmp||"));
        QCOMPARE(seen.defaultSuffix, QStringLiteral("kdr"));

        trigger(cmd::fileSave);
        const QString kdr = dir_.filePath(QStringLiteral("sample.kdr"));
        QVERIFY(QFileInfo(kdr).size() > 1120);
        const auto header = app_->picture().settings.toBytes();
        const auto results = *app_->picture().results();

        app_.reset();
        QVERIFY(start({kdr})); // a document named on the command line
        QVERIFY(app_->picture().settings.toBytes() == header);
        QVERIFY(app_->picture().results()->mapData == results.mapData);
        QVERIFY(app_->picture().results()->patternData == results.patternData);
        QVERIFY(doc().information().contains(QStringLiteral("PGT size:$")));
        QVERIFY(doc().outputReady());
        QVERIFY(messages_.isEmpty());
    }

    // A picture of smooth colours, far from what a block may hold, reduced through the menu and
    // converted as it is: the console shows the reduced picture pixel for pixel.
    void reduceThenTransformThroughTheMenus() {
        QImage photo(96, 64, QImage::Format_RGB888);
        for (int y = 0; y < photo.height(); ++y)
            for (int x = 0; x < photo.width(); ++x)
                photo.setPixelColor(x, y, QColor(x * 2, y * 3, (x * y) % 256));
        const QString path = dir_.filePath(QStringLiteral("smooth.bmp"));
        QVERIFY(photo.save(path));
        QVERIFY(start({}));
        QVERIFY2(!frame().commandAction(cmd::reduceColours)->isEnabled(), "no picture yet");
        QVERIFY(doc().openAndShow(path));

        answerModal([](QWidget* modal) {
            auto* dialog = qobject_cast<ReduceDialog*>(modal);
            QVERIFY(dialog);
            dialog->modeBox()->setCurrentIndex(1);
            dialog->ditherBox()->setCurrentIndex(2);
            QVERIFY(dialog->psnrLabel()->text().endsWith(QStringLiteral(" dB")));
            button(modal, QStringLiteral("OK"))->click();
        });
        trigger(cmd::reduceColours);
        const DibImage reduced = *app_->picture().image();
        QVERIFY(test::mostBlockColours(reduced) <= 16);

        trigger(cmd::transform);
        TransformationDialog* dialog = doc().transformationDialog();
        QVERIFY(dialog);
        QCOMPARE(dialog->findChild<QComboBox*>(QStringLiteral("colourMode"))->currentIndex(), 1);
        QCOMPARE(dialog->findChild<QComboBox*>(QStringLiteral("paletteFit"))->currentIndex(), 1);
        answerModal([](QWidget* modal) { button(modal, QStringLiteral("Next"))->click(); });
        button(dialog, QStringLiteral("Next"))->click();
        QTRY_VERIFY(doc().outputReady());
        QVERIFY2(messages_.isEmpty(), qPrintable(messages_.join(QLatin1Char('\n'))));
        QVERIFY(std::ranges::equal(app_->picture().image()->pixels(), reduced.pixels()));
        frame().updateCommands();
        QVERIFY2(!frame().commandAction(cmd::reduceColours)->isEnabled(), "a converted picture");
    }

    void doubleClickEditsTheCellUnderTheMouse() {
        QVERIFY(start({copyOfSample()}));
        convertSample();
        Picture& picture = app_->picture();
        const std::size_t attributeAt =
            static_cast<std::size_t>(picture.settings.mapBytes) * 2 / 3 + 66;
        answerModal([](QWidget* modal) {
            auto* att = modal->findChild<QLineEdit*>(QStringLiteral("attCode"));
            att->selectAll();
            QTest::keyClicks(att, QStringLiteral("0x03"));
            button(modal, QStringLiteral("OK"))->click();
        });
        // Cell 66 of an 8 x 8 picture 256 wide: row 2, column 2.
        QTest::mouseDClick(view().viewport(), Qt::LeftButton, {}, QPoint(17, 16));
        QCOMPARE(int{picture.results()->mapData[attributeAt]}, 0x03);
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
