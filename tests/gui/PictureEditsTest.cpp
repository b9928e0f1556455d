#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/Prompts.h"
#include "app/QtUserInterface.h"
#include "picture/Picture.h"
#include "project/ProgressDialog.h"
#include "view/UsedColourEdits.h"

#include <QAction>
#include <QApplication>
#include <QTest>

using namespace kadro;
using namespace kadro::gui;

namespace {

// A 4 x 3 white picture with a red L in the left column and the bottom row.
void paintL(Picture& picture) {
    QVERIFY(picture.createEmpty(4, 3));
    for (int y = 0; y < 3; ++y)
        picture.setPixel(0, y, 0x0000FF);
    for (int x = 0; x < 4; ++x)
        picture.setPixel(x, 2, 0x0000FF);
    picture.colourStats(0, 0, 4, 3);
}

Colour at(const Picture& picture, int x, int y) {
    Colour c = 0;
    picture.getPixel(x, y, c);
    return c;
}

ProgressDialog* openProgress() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* p = qobject_cast<ProgressDialog*>(w); p && p->isVisible())
            return p;
    }
    return nullptr;
}

} // namespace

class PictureEditsTest : public QObject {
    Q_OBJECT
    SilentUserInterface silent_;

private Q_SLOTS:
    void flashAlternatesAndRestoresOneColour() {
        Picture picture(".", silent_);
        paintL(picture);
        const auto& used = picture.values.usedColours;
        const int red = used[0] == 0x0000FF ? 0 : 1;
        FlashingPixels flash;
        flash.begin(picture, red);
        QCOMPARE(flash.size(), std::size_t{6});
        QVERIFY(flash.toggle(picture));
        QCOMPARE(at(picture, 0, 0), Colour{0xFFFF00});
        QCOMPARE(at(picture, 1, 0), Colour{0xFFFFFF}); // other colours untouched
        QVERIFY(flash.toggle(picture));
        QCOMPARE(at(picture, 3, 2), Colour{0x0000FF});
        QVERIFY(flash.toggle(picture));
        QVERIFY(flash.end(picture, red));
        QCOMPARE(at(picture, 0, 1), Colour{0x0000FF});
        QCOMPARE(flash.size(), std::size_t{0});
    }

    void flashOfAnAbsentColourChangesNothing() {
        Picture picture(".", silent_);
        paintL(picture);
        picture.values.usedColours.push_back(0x123456); // listed, but no pixel has it
        FlashingPixels flash;
        flash.begin(picture, 2);
        QCOMPARE(flash.size(), std::size_t{0});
        QVERIFY(!flash.toggle(picture));
        QVERIFY(!flash.end(picture, 2));
        flash.begin(picture, 99);
        QCOMPARE(flash.size(), std::size_t{0});
    }

    void replacingAUsedColourRewritesItsPixelsAndTheList() {
        Picture picture(".", silent_);
        paintL(picture);
        const int red = picture.values.usedColours[0] == 0x0000FF ? 0 : 1;
        QVERIFY(replaceUsedColour(picture, red, 0x00FF00));
        QCOMPARE(at(picture, 0, 0), Colour{0x00FF00});
        QCOMPARE(at(picture, 1, 1), Colour{0xFFFFFF});
        QCOMPARE(picture.values.usedColours[static_cast<std::size_t>(red)], Colour{0x00FF00});
        QVERIFY(!replaceUsedColour(picture, 7, 0));
    }

    void commandsCarryTheirTextsKeysAndPrompts() {
        QObject owner;
        QAction* transform = CommandTable::makeAction(cmd::transform, &owner);
        QCOMPARE(transform->text(), QStringLiteral("(&T)ransform\tCtrl+T"));
        QCOMPARE(transform->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));
        QCOMPARE(transform->statusTip(), QStringLiteral("转换图形格式"));
        QCOMPARE(transform->toolTip(), QStringLiteral("转换"));
        QCOMPARE(CommandTable::idOf(transform), cmd::transform);
        QAction* eyeDrop = CommandTable::makeAction(cmd::firstTool + 7, &owner);
        QCOMPARE(eyeDrop->statusTip(), QStringLiteral("Select Palette EyeDrop Tool"));
        QCOMPARE(eyeDrop->toolTip(), QStringLiteral("Eye Drop"));
        QCOMPARE(CommandTable::find(cmd::zoomOutFirst + 14)->text, QStringLiteral("1:16"));
        QCOMPARE(CommandTable::find(cmd::zoomInFirst)->text, QStringLiteral("&2:1"));
        QVERIFY(CommandTable::find(cmd::editPaste)
                    ->keys.contains(QKeySequence(Qt::SHIFT | Qt::Key_Insert)));
    }

    void filePromptFiltersBecomeQtFilters() {
        const QStringList filters =
            Prompts::qtFilters(QStringLiteral("Bitmap(*.kdr)|*.kdr|Bitmap(*.bmp)|*.bmp||"));
        QCOMPARE(filters,
                 (QStringList{QStringLiteral("Bitmap(*.kdr)"), QStringLiteral("Bitmap(*.bmp)")}));
        QCOMPARE(Prompts::qtFilters(QStringLiteral("A|*.a;*.b;||")).first(),
                 QStringLiteral("A (*.a *.b)"));
        // A description whose own list differs from the patterns gets the real patterns.
        QCOMPARE(Prompts::qtFilters(QStringLiteral("PGT(*.bin,*.asm)|*.bin||")).first(),
                 QStringLiteral("PGT(*.bin,*.asm) (*.bin)"));
    }

    void progressShowsAWindowForItsLength() {
        QtUserInterface ui;
        {
            ProgressScope scope(ui, "转换中...", 0, 10, 4);
            ProgressDialog* progress = openProgress();
            QVERIFY(progress);
            QCOMPARE(progress->text(), QStringLiteral("转换中..."));
            ui.advanceProgress();
            ui.advanceProgress();
            ui.advanceProgress(); // stops at the top of the range
            QCOMPARE(progress->value(), 10);
            ui.setProgressText("next");
            QCOMPARE(progress->text(), QStringLiteral("next"));
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!openProgress());
    }
};

QTEST_MAIN(PictureEditsTest)
#include "PictureEditsTest.moc"
