#include "colour/ReduceDialog.h"

#include "colour/ColorTables.h"
#include "common/UserInterface.h"

#include <QComboBox>
#include <QLabel>
#include <QSlider>
#include <QTest>

#include <set>

using namespace kadro;
using namespace kadro::gui;

namespace {

DibImage gradient(int width, int height) {
    auto image = DibImage::createBlank(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image->setPixel(x, y, makeColour(x * 4, y * 5, 255 - x - y));
    return std::move(*image);
}

std::vector<std::uint8_t> bytesOf(const DibImage& image) {
    return {image.block().begin(), image.block().end()};
}

// Most distinct colours of any 16 x 16 block.
std::size_t mostBlockColours(const DibImage& image) {
    std::size_t most = 0;
    for (int top = 0; top < image.height(); top += 16)
        for (int left = 0; left < image.width(); left += 16) {
            std::set<Colour> colours;
            for (int y = top; y < std::min(top + 16, image.height()); ++y)
                for (int x = left; x < std::min(left + 16, image.width()); ++x) {
                    Colour c = 0;
                    image.getPixel(x, y, c);
                    colours.insert(c);
                }
            most = std::max(most, colours.size());
        }
    return most;
}

} // namespace

class ReduceDialogTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void previewFollowsTheChoices() {
        SilentUserInterface ui;
        const auto tables = ColorTables::load(KADRO_BIN_DIR, ui);
        QVERIFY(tables.has_value());
        const DibImage picture = gradient(64, 48);
        ReduceDialog dialog(picture, *tables, ui);

        QVERIFY(dialog.reduced().has_value());
        QVERIFY(dialog.psnrLabel()->text().endsWith(QStringLiteral(" dB")));
        QVERIFY2(!dialog.strengthSlider()->isEnabled(), "no strength without a dither");
        QVERIFY(mostBlockColours(*dialog.reduced()) <= 16);
        const auto plain = bytesOf(*dialog.reduced());
        const QString plainPsnr = dialog.psnrLabel()->text();

        dialog.ditherBox()->setCurrentIndex(2);
        QVERIFY(dialog.strengthSlider()->isEnabled());
        QVERIFY(bytesOf(*dialog.reduced()) != plain);
        QVERIFY(dialog.psnrLabel()->text() != plainPsnr);
        dialog.strengthSlider()->setValue(0);
        QCOMPARE(bytesOf(*dialog.reduced()), plain);

        dialog.coloursBox()->setCurrentIndex(1);
        QVERIFY(mostBlockColours(*dialog.reduced()) <= 4);
        for (const auto& palette : dialog.reduction().palettes)
            QVERIFY(palette.size() <= 3);
        QVERIFY2(bytesOf(picture) == bytesOf(gradient(64, 48)), "the original stays");
    }
};

QTEST_MAIN(ReduceDialogTest)
#include "ReduceDialogTest.moc"
