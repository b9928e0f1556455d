#include "app/ColourCells.h"
#include "app/CommandIds.h"
#include "app/HexCode.h"
#include "app/PathText.h"
#include "app/ZoomModel.h"

#include <QTest>

using namespace kadro::gui;

namespace {

// The zoom commands that carry a check mark.
std::vector<int> checkedCommands(const ZoomModel& zoom) {
    std::vector<int> checked;
    for (int id = cmd::zoomInFirst; id <= cmd::zoomOutLast; ++id) {
        if (zoom.isChecked(id))
            checked.push_back(id);
    }
    return checked;
}

void step(ZoomModel& zoom, bool in) {
    const int id = in ? zoom.stepInCommand() : zoom.stepOutCommand();
    if (id != 0)
        zoom.applyCommand(id);
}

// "n:1" or "1:n" of the current level.
QString level(const ZoomModel& zoom) {
    if (zoom.magnifyMode())
        return QStringLiteral("%1:1").arg(zoom.magnification());
    return QStringLiteral("1:%1").arg(zoom.reduction());
}

} // namespace

// The parts of the view and its bars that need no window on screen: the zoom steps, the mapping
// between view and picture, the colour cells, hex codes and path texts.
class ViewPartsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startsAtNormalWithOnlyNormalChecked() {
        ZoomModel zoom;
        QCOMPARE(checkedCommands(zoom), std::vector<int>{cmd::zoomNormal});
        zoom.applyCommand(cmd::zoomInFirst + 2); // 4:1
        QCOMPARE(checkedCommands(zoom), std::vector<int>{cmd::zoomInFirst + 2});
        zoom.applyCommand(cmd::zoomOutFirst + 1); // 1:3
        QCOMPARE(checkedCommands(zoom), std::vector<int>{cmd::zoomOutFirst + 1});
    }

    void stepsWalkAllThirtyOneLevelsAndStopAtTheEnds() {
        ZoomModel zoom;
        QStringList outward;
        for (int i = 0; i < 20; ++i) {
            step(zoom, false);
            outward << level(zoom);
        }
        QCOMPARE(outward.first(), QStringLiteral("1:2"));
        QCOMPARE(outward.at(14), QStringLiteral("1:16"));
        QCOMPARE(outward.last(), QStringLiteral("1:16"));
        QCOMPARE(zoom.stepOutCommand(), 0);

        QStringList inward;
        for (int i = 0; i < 35; ++i) {
            step(zoom, true);
            inward << level(zoom);
        }
        QCOMPARE(inward.at(13), QStringLiteral("1:2"));
        QCOMPARE(inward.at(14), QStringLiteral("1:1"));
        QCOMPARE(inward.at(15), QStringLiteral("2:1"));
        QCOMPARE(inward.at(29), QStringLiteral("16:1"));
        QCOMPARE(inward.last(), QStringLiteral("16:1"));
        QCOMPARE(zoom.stepInCommand(), 0);
    }

    void stepsAroundNormalGoThroughTheNormalCommand() {
        ZoomModel zoom;
        zoom.applyCommand(cmd::zoomOutFirst); // 1:2
        QCOMPARE(zoom.stepInCommand(), cmd::zoomNormal);
        zoom.applyCommand(cmd::zoomInFirst); // 2:1
        QCOMPARE(zoom.stepOutCommand(), cmd::zoomNormal);
    }

    void stepsFollowTheLastMenuChoice() {
        ZoomModel zoom;
        zoom.applyCommand(cmd::zoomOutFirst + 1); // 1:3
        zoom.applyCommand(cmd::zoomInFirst + 2);  // 4:1
        ZoomModel in = zoom;
        step(in, true);
        QCOMPARE(level(in), QStringLiteral("5:1"));
        step(zoom, false);
        QCOMPARE(level(zoom), QStringLiteral("3:1"));
    }

    void scrollAreaAndGridFollowTheLevel() {
        ZoomModel zoom;
        QCOMPARE(zoom.gridStep(), 8);
        zoom.applyCommand(cmd::zoomInFirst + 1); // 3:1
        QCOMPARE(zoom.gridStep(), 24);
        QCOMPARE(zoom.totalSize({256, 240}).width, 768);
        zoom.applyCommand(cmd::zoomOutFirst); // 1:2
        QCOMPARE(zoom.gridStep(), 4);
        QVERIFY(!zoom.gridVisible());
        zoom.applyCommand(cmd::zoomOutFirst + 1); // 1:3 of an odd size divides down
        QCOMPARE(zoom.totalSize({256, 241}).height, 80);
    }

    void conversionAreaSnapsToWholeCells() {
        ZoomModel zoom;
        const ViewSize total{256, 240};
        auto band = zoom.mapRubberBand({3, 5}, {16, 16}, {0, 0}, total);
        QVERIFY(band);
        QCOMPARE(snapToCells(*band, total), (AreaRect{0, 0, 24, 24}));
        band = zoom.mapRubberBand({15, 15}, {3, 5}, {0, 0}, total); // dragged backwards
        QCOMPARE(snapToCells(*band, total), (AreaRect{0, 0, 16, 16}));
        // Snapping never reaches past the picture's last whole cell.
        band = zoom.mapRubberBand({200, 200}, {400, 400}, {0, 0}, total);
        QCOMPARE(snapToCells(*band, total), (AreaRect{200, 200, 256, 240}));
    }

    void rubberBandMapsThroughZoomAndScroll() {
        ZoomModel zoom;
        zoom.applyCommand(cmd::zoomInFirst); // 2:1
        auto band = zoom.mapRubberBand({10, 10}, {21, 31}, {0, 0}, {512, 480});
        QCOMPARE(*band, (AreaRect{5, 5, 10, 15}));
        band = zoom.mapRubberBand({10, 10}, {21, 31}, {100, 40}, {512, 480});
        QCOMPARE(*band, (AreaRect{55, 25, 60, 35}));
        QVERIFY(!zoom.mapRubberBand({10, 10}, {10, 30}, {0, 0}, {512, 480}));
        // Clamped to the scroll area before mapping.
        band = zoom.mapRubberBand({-20, 500}, {30, 470}, {0, 0}, {512, 480});
        QCOMPARE(*band, (AreaRect{0, 235, 15, 240}));
    }

    void viewPointsMapToPicturePixels() {
        ZoomModel zoom;
        QCOMPARE(zoom.viewToPicture({105, 45}).x, 105);
        zoom.applyCommand(cmd::zoomOutFirst + 2); // 1:4
        QCOMPARE(zoom.viewToPicture({10, 3}).y, 12);
        QCOMPARE(zoom.pictureToView(AreaRect{8, 8, 40, 20}), (AreaRect{2, 2, 10, 5}));
    }

    void hexCodesReadFromTheRight_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("prefix stops") << QStringLiteral("0x1F") << 31;
        QTest::newRow("lower case") << QStringLiteral("ff") << 255;
        QTest::newRow("empty") << QString() << 0;
        QTest::newRow("stops at G") << QStringLiteral("12G4") << 4;
        QTest::newRow("G early") << QStringLiteral("1G00") << 0;
        QTest::newRow("four digits") << QStringLiteral("12345") << 0x2345;
        QTest::newRow("wide prefix") << QStringLiteral("0x12345") << 0x2345;
    }
    void hexCodesReadFromTheRight() {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(int{parseHexCode(text)}, value);
    }

    void infoBarCellsWrapAndLeaveGaps() {
        const QRect area(0, 0, 100, 400); // room for 6 cells a row: 2 + 6 x 16 = 98
        const auto cells = ColourCells::infoBarLayout(area, 20);
        QCOMPARE(cells.size(), std::size_t{20});
        QCOMPARE(cells[0], QRect(2, 2, 15, 15));
        QCOMPARE(cells[5].topLeft(), QPoint(82, 2));
        QCOMPARE(cells[6].topLeft(), QPoint(2, 18));
        QCOMPARE(ColourCells::hit(cells, QPoint(17, 5)), std::nullopt); // the 1-pixel gap
        QCOMPARE(ColourCells::hit(cells, QPoint(18, 20)), std::optional<int>(7));
        QVERIFY(ColourCells::infoBarLayout(area, 257).empty());
    }

    void selectColourCellsStopAtTheBottom() {
        const auto cells = ColourCells::selectColourLayout(QRect(0, 0, 48, 32), 20);
        QCOMPARE(cells.size(), std::size_t{6}); // 3 a row, 2 rows
        QCOMPARE(cells[3].topLeft(), QPoint(0, 16));
    }

    void stemsIgnoreDotsInFolders() {
        QCOMPARE(pathStem(QStringLiteral("/a/b.c/logo.bmp")), QStringLiteral("/a/b.c/logo"));
        QCOMPARE(pathStem(QStringLiteral("/a/b.c/logo")), QStringLiteral("/a/b.c/logo"));
        QCOMPARE(pathExtension(QStringLiteral("C:\\x.y\\LOGO.KDR")), QStringLiteral("kdr"));
        QCOMPARE(pathExtension(QStringLiteral("x.y/logo")), QString());
    }
};

QTEST_GUILESS_MAIN(ViewPartsTest)
#include "ViewPartsTest.moc"
