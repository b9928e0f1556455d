#include "app/AboutDialog.h"
#include "app/CHyperLink.h"
#include "app/Prompts.h"
#include "colour/ColourPickerDialog.h"
#include "document/TransformationDialog.h"
#include "output/FileOutputDialog.h"
#include "palette/PaletteToolDialog.h"
#include "palette/SelectColorDialog.h"
#include "view/PntAttribDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <QUrl>

#include <functional>

using namespace kadro;
using namespace kadro::gui;

// Takes the links the desktop would open, so the tests open nothing.
class LinkCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public Q_SLOTS:
    void open(const QUrl& url) { opened << url; }
};

namespace {

template <typename T> T* child(QWidget& parent, const char* name) {
    T* widget = parent.findChild<T*>(QLatin1String(name));
    if (!widget)
        qFatal("no widget %s", name);
    return widget;
}

QPushButton* button(QWidget& parent, const QString& text) {
    for (QPushButton* b : parent.findChildren<QPushButton*>()) {
        if (b->text() == text)
            return b;
    }
    qFatal("no button %s", qPrintable(text));
}

void retype(QLineEdit* field, const QString& text) {
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

} // namespace

class DialogTest : public QObject {
    Q_OBJECT
    QTemporaryDir settings_;
    QStringList messages_;
    std::vector<Colour> used_{0x000000, 0xFFFFFF};

    static TransformStart start() {
        TransformStart s;
        s.choice.area = Selection{0, 0, 256, 240};
        s.picture = {256, 240};
        s.usedColours = 17;
        s.vt03Colours = 17;
        return s;
    }

private Q_SLOTS:
    // Qt's file dialog keeps its own settings: here, not in the home folder.
    void initTestCase() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
    }

    void init() {
        messages_.clear();
        Prompts::setMessageHandler([this](const QString& text, PromptIcon) { messages_ << text; });
    }

    void pntAttributeFieldsStayInStep() {
        PntAttribDialog dialog({0x0102, 0x00, true});
        auto* att = child<QLineEdit>(dialog, "attCode");
        auto* pal = child<QLineEdit>(dialog, "palNo");
        auto* switch1 = child<QCheckBox>(dialog, "switch1");
        auto* switch2 = child<QCheckBox>(dialog, "switch2");
        QCOMPARE(child<QLineEdit>(dialog, "pntCode")->text(), QStringLiteral("0x0102"));

        retype(att, QStringLiteral("0xC5"));
        QCOMPARE(pal->text(), QStringLiteral("5"));
        QVERIFY(switch1->isChecked() && switch2->isChecked());

        QTest::mouseClick(switch1, Qt::LeftButton);
        QCOMPARE(att->text(), QStringLiteral("0x45"));
        QCOMPARE(int{dialog.values().attribute}, 0x45);
    }

    void pntPaletteNumberRewritesTheLowNibble() {
        PntAttribDialog dialog({0, 0xC5, true});
        retype(child<QLineEdit>(dialog, "palNo"), QStringLiteral("9"));
        QCOMPARE(child<QLineEdit>(dialog, "attCode")->text(), QStringLiteral("0xC9"));
    }

    void pntCodeKeepsItsLastFourDigits() {
        PntAttribDialog dialog({0, 0, false});
        retype(child<QLineEdit>(dialog, "pntCode"), QStringLiteral("0x12345"));
        QCOMPARE(int{dialog.values().pntCode}, 0x2345);
        QVERIFY(!child<QCheckBox>(dialog, "switch1")->isEnabled());
    }

    void transformationReadsHexAddresses_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("address");
        QTest::newRow("stops at G") << QStringLiteral("1G00") << 0;
        QTest::newRow("lower case") << QStringLiteral("ff") << 0xFF;
        QTest::newRow("16 bits") << QStringLiteral("12345") << 0x2345;
    }
    void transformationReadsHexAddresses() {
        QFETCH(QString, text);
        QFETCH(int, address);
        TransformationDialog dialog(start(), used_, {});
        retype(child<QLineEdit>(dialog, "startAddress"), text);
        const ConversionChoice chosen = dialog.choice();
        QCOMPARE(int{chosen.startAddress}, address);
        QCOMPARE(int{chosen.endAddress}, 0x2000);
        QCOMPARE(chosen.area, (Selection{0, 0, 256, 240}));
    }

    // Refused addresses keep the dialog and every choice, with the field to mend selected.
    void transformationRefusesAddressesAndSelectsTheField() {
        int nexts = 0;
        QPointer<TransformationDialog> dialog =
            new TransformationDialog(start(), used_, [&](const ConversionChoice&) {
                ++nexts;
                return true;
            });
        dialog->show();
        QApplication::setActiveWindow(dialog);
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        child<QComboBox>(*dialog, "colourMode")->setCurrentIndex(2);
        const std::pair<const char*, const char*> cases[] = {
            {"endAddress", "1G00"}, {"endAddress", "12345"}, {"startAddress", "10"}};
        for (const auto& [name, text] : cases) {
            messages_.clear();
            auto* field = child<QLineEdit>(*dialog, name);
            retype(field, QString::fromLatin1(text));
            QTest::mouseClick(button(*dialog, QStringLiteral("Next")), Qt::LeftButton);
            QCOMPARE(messages_.size(), 1);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY2(!dialog.isNull() && dialog->isVisible(), text);
            QCOMPARE(dialog->focusWidget(), field);
            QCOMPARE(field->selectedText(), QString::fromLatin1(text));
            retype(field, QString::fromLatin1(name == std::string("endAddress") ? "2000" : "0"));
        }
        QCOMPARE(messages_, QStringList{QStringLiteral(
                                "Start address 0x10 is not a multiple of 0x20, so 8*8 characters "
                                "could not be named from it.")});
        QCOMPARE(nexts, 0);
        QVERIFY(dialog->choice().colourMode == chip::ColourMode::Nes);
        QTest::mouseClick(button(*dialog, QStringLiteral("Next")), Qt::LeftButton);
        QCOMPARE(nexts, 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(dialog.isNull());
    }

    void transformationCountsLookReadOnly() {
        TransformationDialog dialog(start(), used_, {});
        for (const char* name : {"used", "available"}) {
            auto* count = child<QLineEdit>(dialog, name);
            QVERIFY(count->isReadOnly());
            QCOMPARE(count->focusPolicy(), Qt::NoFocus); // Tab passes them by
            QCOMPARE(count->palette().color(QPalette::Base),
                     dialog.palette().color(QPalette::Window));
            QVERIFY(count->palette().color(QPalette::Base) !=
                    child<QLineEdit>(dialog, "width")->palette().color(QPalette::Base));
        }
    }

    // Qt's colour chooser and the used-colour grid are told apart by their titles.
    void colourChooserHasATitleOfItsOwn() {
        Prompts::setColourHandler({});
        QString title;
        QTimer::singleShot(0, this, [&] {
            auto* chooser = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            QVERIFY(chooser);
            title = chooser->windowTitle();
            chooser->reject();
        });
        QVERIFY(!Prompts::colour(nullptr, Qt::red));
        QCOMPARE(title, QStringLiteral("Color"));
        QCOMPARE(SelectColorDialog(used_, 0).windowTitle(), QStringLiteral("Select Color"));
    }

    // Qt's own file dialog opens wide enough for its size, type and date columns.
    void fileDialogShowsItsColumnsWhole() {
        QTemporaryDir folder;
        QFile picture(folder.filePath(QStringLiteral("a long picture name.bmp")));
        QVERIFY(picture.open(QIODevice::WriteOnly));
        picture.write(QByteArray(185000, 'x'));
        picture.close();
        Prompts::setFileHandler({});
        FilePrompt prompt;
        prompt.filter = QStringLiteral("Bitmap(*.bmp)|*.bmp||");
        prompt.initialPath = folder.filePath(QStringLiteral("x.bmp"));
        QStringList cut;
        int polls = 0;
        // The folder is read and the columns sized in the background: look again until they
        // fit, and report what is cut if they never do.
        std::function<void()> poll = [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            auto* view =
                dialog ? dialog->findChild<QTreeView*>(QStringLiteral("treeView")) : nullptr;
            cut.clear();
            const QAbstractItemModel* model = view ? view->model() : nullptr;
            for (int row = 0; model && row < model->rowCount(view->rootIndex()); ++row)
                for (int column = 0; column < view->header()->count(); ++column) {
                    const QString text =
                        model->index(row, column, view->rootIndex()).data().toString();
                    // The name's icon and the cells' margins take some room besides.
                    const int room = column == 0 ? 30 : 6;
                    if (view->columnWidth(column) <
                        view->fontMetrics().horizontalAdvance(text) + room)
                        cut << text;
                }
            if (++polls < 400 &&
                (!model || model->rowCount(view->rootIndex()) == 0 || !cut.isEmpty())) {
                QTimer::singleShot(5, this, poll);
                return;
            }
            dialog->reject();
        };
        QTimer::singleShot(0, this, poll);
        QVERIFY(!Prompts::file(nullptr, prompt));
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char(','))));
    }

    void transformationOpensBesideThePicture() {
        const QRect screen(0, 0, 1280, 720);
        const QSize window(400, 300);
        // Room to the right of the picture: beside it, level with its top.
        QCOMPARE(TransformationDialog::placeBeside({200, 100, 256, 240}, window, screen),
                 QPoint(464, 100));
        // A picture near the right edge: to its left.
        QCOMPARE(TransformationDialog::placeBeside({800, 100, 256, 240}, window, screen),
                 QPoint(392, 100));
        // A wide picture: below it, kept on the screen.
        QCOMPARE(TransformationDialog::placeBeside({100, 50, 1000, 200}, window, screen),
                 QPoint(100, 258));
        // No room at all: against the right edge of the screen.
        QCOMPARE(TransformationDialog::placeBeside({0, 0, 1280, 720}, window, screen),
                 QPoint(880, 0));
    }

    void transformationRefusesAnAreaOfPartTiles() {
        int nexts = 0;
        QPointer<TransformationDialog> dialog =
            new TransformationDialog(start(), used_, [&](const ConversionChoice& c) {
                ++nexts;
                return c.area.width() == 96;
            });
        std::vector<AreaRect> edits;
        connect(dialog, &TransformationDialog::areaEdited, this,
                [&](AreaRect area) { edits.push_back(area); });

        retype(child<QLineEdit>(*dialog, "width"), QStringLiteral("100"));
        QCOMPARE(edits.back(), (AreaRect{0, 0, 100, 240}));
        dialog->show();
        QTest::mouseClick(button(*dialog, QStringLiteral("Next")), Qt::LeftButton);
        QCOMPARE(messages_, QStringList{TransformationDialog::mismatchMessage()});
        QCOMPARE(nexts, 0);
        QCOMPARE(dialog->focusWidget(), child<QLineEdit>(*dialog, "width"));

        retype(child<QLineEdit>(*dialog, "width"), QStringLiteral("96"));
        QTest::mouseClick(button(*dialog, QStringLiteral("Next")), Qt::LeftButton);
        QCOMPARE(nexts, 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(dialog.isNull());
    }

    void transformationStaysOpenWhenTheConversionRefuses() {
        QPointer<TransformationDialog> dialog =
            new TransformationDialog(start(), used_, [](const ConversionChoice&) { return false; });
        QTest::mouseClick(button(*dialog, QStringLiteral("Next")), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!dialog.isNull());
        retype(child<QLineEdit>(*dialog, "x"), QStringLiteral("8")); // 8 + 256 is outside
        QTest::mouseClick(button(*dialog, QStringLiteral("Next")), Qt::LeftButton);
        QCOMPARE(messages_.size(), 1);
        delete dialog;
    }

    void transformationWarnsWhenTheCharSizeDoesNotFit() {
        TransformStart s = start();
        s.choice.area = Selection{0, 0, 256, 24};
        TransformationDialog dialog(s, used_, {});
        auto* charSize = child<QComboBox>(dialog, "charSize");
        charSize->setFocus();
        QTest::keyClick(charSize, Qt::Key_Down); // 8*16 does not divide 24
        QCOMPARE(charSize->currentText(), QStringLiteral("8*16"));
        QCOMPARE(messages_, QStringList{TransformationDialog::mismatchMessage()});
        QTest::keyClick(charSize, Qt::Key_Down); // 16*8 does
        QCOMPARE(messages_.size(), 1);
    }

    // First fit by default, as conversions always ran; a reduction's start shows best fit and
    // hands its palettes on as hints.
    void transformationOffersThePaletteFit() {
        TransformationDialog plain(start(), used_, {});
        auto* fit = child<QComboBox>(plain, "paletteFit");
        QCOMPARE(fit->currentIndex(), 0);
        QCOMPARE(plain.choice().paletteFit, PaletteFit::First);
        fit->setCurrentIndex(1);
        QCOMPARE(plain.choice().paletteFit, PaletteFit::Best);

        TransformStart reduced = start();
        reduced.choice.colourMode = chip::ColourMode::Rgb;
        reduced.choice.colourCount = chip::ColourCount::Four;
        reduced.choice.paletteFit = PaletteFit::Best;
        reduced.choice.paletteHints = {{0x102030, 0x405060}};
        TransformationDialog dialog(reduced, used_, {});
        QCOMPARE(child<QComboBox>(dialog, "paletteFit")->currentIndex(), 1);
        QCOMPARE(child<QComboBox>(dialog, "colourMode")->currentIndex(), 1);
        QCOMPARE(child<QComboBox>(dialog, "colourSum")->currentIndex(), 1);
        const ConversionChoice chosen = dialog.choice();
        QCOMPARE(chosen.paletteFit, PaletteFit::Best);
        QVERIFY(chosen.paletteHints == reduced.choice.paletteHints);
        QCOMPARE(chosen.colourCount, chip::ColourCount::Four);
    }

    void transformationCancelHandsNothingOn() {
        int nexts = 0;
        auto* dialog = new TransformationDialog(start(), used_, [&](const ConversionChoice&) {
            ++nexts;
            return true;
        });
        retype(child<QLineEdit>(*dialog, "width"), QStringLiteral("64"));
        child<QComboBox>(*dialog, "mode")->setCurrentIndex(1);
        QTest::mouseClick(button(*dialog, QStringLiteral("Cancel")), Qt::LeftButton);
        QCOMPARE(nexts, 0);
    }

    void fileOutputFormatSwitchesTheSuffix() {
        const auto defaults = FileOutputChoices::forDocument(QStringLiteral("/w/v1.0/logo.bmp"), 3);
        QCOMPARE(defaults.pgtPath, QStringLiteral("/w/v1.0/logo_pgt.bin"));
        QCOMPARE(defaults.pntPath, QStringLiteral("/w/v1.0/logo_pnt.asm"));
        FileOutputDialog dialog(defaults);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* pgt = child<QLineEdit>(dialog, "pgtPath");
        QTest::mouseClick(child<QRadioButton>(dialog, "asm"), Qt::LeftButton);
        QCOMPARE(pgt->text(), QStringLiteral("/w/v1.0/logo_pgt.asm"));
        retype(pgt, QStringLiteral("/w/tiles"));
        QTest::mouseClick(child<QRadioButton>(dialog, "bin"), Qt::LeftButton);
        QCOMPARE(pgt->text(), QStringLiteral("/w/tiles.bin"));
        QTest::mouseClick(child<QRadioButton>(dialog, "16bit"), Qt::LeftButton);
        QTest::mouseClick(child<QRadioButton>(dialog, "spr"), Qt::LeftButton);
        const FileOutputChoices c = dialog.choices();
        QCOMPARE(c.level, 3);
        QCOMPARE(c.pgtFormat, 0);
        QCOMPARE(c.pgtWidth, 1);
        QCOMPARE(c.pntContent, 1);
        QCOMPARE(c.spriteFormat, 0);

        // Each pair sits in a box that says what it chooses.
        QStringList titles;
        for (const QGroupBox* box : dialog.findChildren<QGroupBox*>())
            titles << box->title() + QLatin1Char(':') + box->findChild<QRadioButton*>()->text();
        titles.sort();
        QCOMPARE(
            titles,
            (QStringList{QStringLiteral("PGT format:BIN"), QStringLiteral("PGT width:8bit"),
                         QStringLiteral("PNT content:TXT"), QStringLiteral("Sprite format:NOR")}));
    }

    void fileOutputBrowseTakesTheChosenPath() {
        FilePrompt seen;
        Prompts::setFileHandler([&](const FilePrompt& p) {
            seen = p;
            return std::optional<FileAnswer>(FileAnswer{QStringLiteral("/x/names.asm"), 1});
        });
        FileOutputDialog dialog(FileOutputChoices::forDocument(QStringLiteral("a.bmp"), 0));
        QTest::mouseClick(child<QPushButton>(dialog, "browsePnt"), Qt::LeftButton);
        Prompts::setFileHandler({});
        QCOMPARE(seen.filter, QStringLiteral("PNT文件(*.asm)|*.asm||"));
        QCOMPARE(dialog.choices().pntPath, QStringLiteral("/x/names.asm"));
    }

    void selectColourPicksAndConfirms() {
        SelectColorDialog dialog({0x0000FF, 0xFF0000, 0x00FF00}, 0x000000);
        auto* values = child<QLabel>(dialog, "values");
        const auto cells = dialog.grid()->cells();
        QCOMPARE(cells.size(), std::size_t{3});
        QTest::mouseClick(dialog.grid(), Qt::LeftButton, {}, cells[1].center());
        QCOMPARE(dialog.currentColour(), Colour{0xFF0000});
        QCOMPARE(values->text(), QStringLiteral("R=0\nG=0\nB=255"));
        QTest::mouseDClick(dialog.grid(), Qt::LeftButton, {}, cells[2].center());
        QCOMPARE(dialog.currentColour(), Colour{0x00FF00});
        QCOMPARE(dialog.result(), int{QDialog::Accepted});
    }

    void paletteToolRefusesAnEmptyPath() {
        int writes = 0;
        PaletteToolDialog dialog([&](const QString&, Colour, int) { ++writes; });
        button(dialog, QStringLiteral("OK"))->click();
        QCOMPARE(messages_, QStringList{PaletteToolDialog::noFileMessage()});
        QCOMPARE(writes, 0);
        QCOMPARE(dialog.result(), int{QDialog::Accepted});
    }

    void paletteToolHandsOnPathColourAndLevels() {
        QString path;
        Colour target = 0;
        int levels = 0;
        PaletteToolDialog dialog([&](const QString& p, Colour c, int l) {
            path = p;
            target = c;
            levels = l;
        });
        Prompts::setFileHandler([](const FilePrompt&) {
            return std::optional<FileAnswer>(FileAnswer{QStringLiteral("/p/fade.pal"), 1});
        });
        Prompts::setColourHandler([](const QColor&) { return std::optional<QColor>(Qt::blue); });
        child<QPushButton>(dialog, "brows")->click();
        auto* swatch = child<QWidget>(dialog, "target");
        QTest::mouseClick(swatch, Qt::LeftButton, {}, swatch->rect().center());
        Prompts::setFileHandler({});
        Prompts::setColourHandler({});
        QCOMPARE(child<QLabel>(dialog, "values")->text(), QStringLiteral("R=0\nG=0\nB=255"));
        auto* spin = child<QSpinBox>(dialog, "levels");
        QCOMPARE(spin->value(), 1);
        QTest::keyClick(spin, Qt::Key_Up);
        button(dialog, QStringLiteral("OK"))->click();
        QCOMPARE(path, QStringLiteral("/p/fade.pal"));
        QCOMPARE(target, Colour{0xFF0000});
        QCOMPARE(levels, 2);
    }

    void paletteToolRefusesLevelsOutOfRangeAndStaysOpen() {
        int writes = 0;
        int levels = 0;
        PaletteToolDialog dialog([&](const QString&, Colour, int l) {
            ++writes;
            levels = l;
        });
        child<QLineEdit>(dialog, "path")->setText(QStringLiteral("/p/fade.pal"));
        dialog.show();
        auto* spin = child<QSpinBox>(dialog, "levels");
        auto* field = spin->findChild<QLineEdit*>();
        for (const char* typed : {"0", "300", ""}) {
            messages_.clear();
            retype(field, QString::fromLatin1(typed));
            QCOMPARE(field->text(), QString::fromLatin1(typed)); // nothing cut while typing
            button(dialog, QStringLiteral("OK"))->click();
            QCOMPARE(messages_, QStringList{PaletteToolDialog::levelRangeMessage()});
            QVERIFY2(dialog.isVisible(), typed);
            QCOMPARE(field->selectedText(), QString::fromLatin1(typed));
        }
        QCOMPARE(writes, 0);
        QCOMPARE(PaletteToolDialog::levelRangeMessage(),
                 QStringLiteral("Please enter an integer between 1 and 255."));

        retype(field, QStringLiteral("255"));
        QTest::keyClick(spin, Qt::Key_Up); // the arrows stop at the top of the range
        QCOMPARE(field->text(), QStringLiteral("255"));
        button(dialog, QStringLiteral("OK"))->click();
        QCOMPARE(writes, 1);
        QCOMPARE(levels, 255);
        QVERIFY(!dialog.isVisible());
    }

    void aboutLinkOpensOnReleaseAndWithTheSpaceBar() {
        LinkCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &catcher, "open");
        AboutDialog about;
        CHyperLink* link = about.contact();
        QCOMPARE(link->text(), AboutDialog::contactAddress);
        QCOMPARE(link->toolTip(), QStringLiteral("mailto:") + AboutDialog::contactAddress);
        QVERIFY(link->font().underline());
        QTest::mousePress(link, Qt::LeftButton);
        QVERIFY(catcher.opened.isEmpty());
        QTest::mouseRelease(link, Qt::LeftButton);
        QCOMPARE(catcher.opened.size(), 1);
        QVERIFY(link->visited());
        QCOMPARE(link->textColour(), QColor(0x00, 0x80, 0x80)); // focused after the click
        QTest::keyClick(link, Qt::Key_Space);
        QCOMPARE(catcher.opened.size(), 2);

        // A fresh box gives the focus to Ok: Space closes it and opens nothing.
        AboutDialog fresh;
        fresh.show();
        QApplication::setActiveWindow(&fresh);
        QVERIFY(QTest::qWaitForWindowActive(&fresh));
        QCOMPARE(fresh.focusWidget(), child<QPushButton>(fresh, "ok"));
        QVERIFY(child<QPushButton>(fresh, "ok")->isDefault());
        QTest::keyClick(fresh.focusWidget(), Qt::Key_Space);
        QCOMPARE(fresh.result(), int{QDialog::Accepted});
        QVERIFY(fresh.isHidden());
        QCOMPARE(catcher.opened.size(), 2);
        QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    }

    void linkWithoutTextShowsItsTarget() {
        CHyperLink link{QString()};
        link.setUrl(QStringLiteral("https://example.org/"));
        QCOMPARE(link.text(), QStringLiteral("https://example.org/"));
        QCOMPARE(link.textColour(), QColor(0x00, 0xFF, 0xFF));
    }

    void pickerClampsTypedNumbers() {
        ColourPickerDialog picker(0x0080FF); // red 255, green 128, blue 0
        QCOMPARE(picker.hsv(), (HsvTriple{30, 255, 255}));
        auto* red = child<QSpinBox>(picker, "red");
        retype(red->findChild<QLineEdit*>(), QStringLiteral("300"));
        QCOMPARE(picker.rgb().red, 255);
        QCOMPARE(red->value(), 255);
        auto* hue = child<QSpinBox>(picker, "hue");
        retype(hue->findChild<QLineEdit*>(), QStringLiteral("400"));
        QCOMPARE(picker.hsv().hue, 359);
        QCOMPARE(hue->value(), 359);
        QCOMPARE(picker.rgb(), hsvToRgb(picker.hsv()));
    }

    void pickerWheelAndCube() {
        ColourPickerDialog picker(0x3264C8);
        auto* wheel = child<QWidget>(picker, "wheel");
        QTest::mouseClick(wheel, Qt::LeftButton, {}, QPoint(100, 100)); // the centre
        QCOMPARE(picker.hsv().hue, 0);
        QCOMPARE(picker.hsv().saturation, 0);
        QCOMPARE(picker.rgb().red, picker.rgb().blue); // a grey
        // Dragging beyond the edge keeps the saturation at full.
        QTest::mousePress(wheel, Qt::LeftButton, {}, QPoint(150, 100));
        QTest::mouseMove(wheel, QPoint(201, 100));
        QTest::mouseRelease(wheel, Qt::LeftButton, {}, QPoint(201, 100));
        QCOMPARE(picker.hsv().saturation, 255);

        const RgbTriple before = picker.rgb();
        auto* cube = child<QWidget>(picker, "cube");
        QTest::mousePress(cube, Qt::LeftButton, {}, QPoint(3, 3)); // no handle there
        QTest::mouseMove(cube, QPoint(50, 60));
        QTest::mouseRelease(cube, Qt::LeftButton, {}, QPoint(50, 60));
        QCOMPARE(picker.rgb(), before);
        QCOMPARE(picker.colour(), makeColour(before.red, before.green, before.blue));
    }
};

QTEST_MAIN(DialogTest)
#include "DialogTest.moc"
