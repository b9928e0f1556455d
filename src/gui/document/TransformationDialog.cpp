#include "document/TransformationDialog.h"

#include "app/ColourSwatch.h"
#include "app/Language.h"
#include "app/Prompts.h"
#include "palette/SelectColorDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace kadro::gui {

QString TransformationDialog::mismatchMessage() {
    return trCore(notWholeCharactersText);
}

namespace {
// The chip's names of the choices, as the core translates them ("Compress" is a word).
QStringList names(auto const& table) {
    QStringList list;
    for (const auto& name : table)
        list << trCore(name);
    return list;
}

QStringList charSizeNames() {
    QStringList list;
    for (const auto& g : chip::charGeometry)
        list << QString::fromUtf8(g.label.data(), static_cast<qsizetype>(g.label.size()));
    return list;
}
} // namespace

TransformationDialog::TransformationDialog(const TransformStart& start,
                                           const std::vector<Colour>& usedColours, NextHandler next,
                                           QWidget* parent)
    : QDialog(parent), usedColours_(usedColours), next_(std::move(next)),
      background_(start.choice.backgroundColour),
      picture_(start.picture), area_{start.choice.area.left, start.choice.area.top,
                                     start.choice.area.right, start.choice.area.bottom},
      x_(numberField("x")), y_(numberField("y")), width_(numberField("width")),
      height_(numberField("high")), used_(numberField("used")),
      available_(numberField("available")),
      colourMode_(choiceField("colourMode", names(chip::colourModeNames))),
      colourSum_(choiceField("colourSum", {QStringLiteral("16"), QStringLiteral("4")})),
      charSize_(choiceField("charSize", charSizeNames())),
      mode_(choiceField("mode", names(chip::compressNames))),
      paletteFit_(choiceField("paletteFit", {tr("First fit"), tr("Best fit")})),
      paletteHints_(start.choice.paletteHints),
      startAddress_(new QLineEdit(QStringLiteral("0"), this)),
      endAddress_(new QLineEdit(QStringLiteral("2000"), this)), swatch_(new ColourSwatch(this)) {
    setWindowTitle(tr("VT03 Transformation"));
    // A title and a close button only: a dialog is neither minimised nor maximised.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    startAddress_->setObjectName(QStringLiteral("startAddress"));
    endAddress_->setObjectName(QStringLiteral("endAddress"));
    for (QLineEdit* count : {used_, available_}) {
        // Shown on the dialog's own colour and out of the Tab order, as counts one cannot edit.
        count->setReadOnly(true);
        count->setFocusPolicy(Qt::NoFocus);
        QPalette look = count->palette();
        look.setColor(QPalette::Base, look.color(QPalette::Window));
        count->setPalette(look);
    }
    // The defaults, or what a reduction of the picture chose.
    colourMode_->setCurrentIndex(chip::colourModeIndex(start.choice.colourMode));
    colourSum_->setCurrentIndex(chip::colourCountIndex(start.choice.colourCount));
    charSize_->setCurrentIndex(chip::charSizeIndex(start.choice.charSize));
    mode_->setCurrentIndex(chip::compressionIndex(start.choice.compressMode));
    paletteFit_->setCurrentIndex(start.choice.paletteFit == PaletteFit::Best ? 1 : 0);
    paletteFit_->setToolTip(
        tr("First fit gives each 16 x 16 block the first palette with room, as always; best fit "
           "searches for palettes that hold every block when first fit runs out of room."));
    swatch_->setObjectName(QStringLiteral("background"));
    swatch_->setFixedSize(60, 24);
    swatch_->setColour(background_);

    auto* areaBox = new QGroupBox(this);
    auto* areaGrid = new QGridLayout(areaBox);
    areaGrid->addWidget(new QLabel(QStringLiteral("X"), this), 0, 0);
    areaGrid->addWidget(x_, 0, 1);
    areaGrid->addWidget(new QLabel(QStringLiteral("Y"), this), 0, 2);
    areaGrid->addWidget(y_, 0, 3);
    areaGrid->addWidget(new QLabel(tr("Width"), this), 1, 0);
    areaGrid->addWidget(width_, 1, 1);
    areaGrid->addWidget(new QLabel(tr("High"), this), 1, 2);
    areaGrid->addWidget(height_, 1, 3);
    areaGrid->addWidget(new QLabel(tr("Used Color："), this), 2, 0, 1, 2);
    areaGrid->addWidget(used_, 2, 2, 1, 2);
    areaGrid->addWidget(new QLabel(tr("avilable color:"), this), 3, 0, 1, 2);
    areaGrid->addWidget(available_, 3, 2, 1, 2);

    auto* form = new QFormLayout;
    form->addRow(tr("Color Mode"), colourMode_);
    form->addRow(tr("Color SUM"), colourSum_);
    form->addRow(tr("Char Size"), charSize_);
    form->addRow(tr("Mode"), mode_);
    form->addRow(tr("Palette Fit"), paletteFit_);
    form->addRow(tr("Start Address"), startAddress_);
    form->addRow(tr("End Address"), endAddress_);
    form->addRow(tr("Backgroud Color"), swatch_);

    auto* buttons = new QDialogButtonBox(this);
    auto* nextButton = buttons->addButton(tr("Next"), QDialogButtonBox::AcceptRole);
    nextButton->setDefault(true);
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &TransformationDialog::confirm);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* top = new QHBoxLayout;
    top->addWidget(areaBox);
    top->addLayout(form);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);

    showArea(area_, start.usedColours, start.vt03Colours);
    for (QLineEdit* field : {x_, y_, width_, height_})
        connect(field, &QLineEdit::textEdited, this, &TransformationDialog::fieldsEdited);
    connect(charSize_, &QComboBox::activated, this, &TransformationDialog::charSizeChanged);
    connect(swatch_, &ColourSwatch::clicked, this, &TransformationDialog::chooseBackground);
}

QLineEdit* TransformationDialog::numberField(const char* name) {
    auto* field = new QLineEdit(this);
    field->setObjectName(QLatin1String(name));
    field->setValidator(new QIntValidator(0, 1 << 16, field));
    field->setMaximumWidth(70);
    return field;
}

QComboBox* TransformationDialog::choiceField(const char* name, const QStringList& items) {
    auto* combo = new QComboBox(this);
    combo->setObjectName(QLatin1String(name));
    combo->addItems(items);
    return combo;
}

// Rewrites a field only when its number differs, so the caret stays where the person types.
void TransformationDialog::setFieldText(QLineEdit* field, int value) {
    if (field->text() != QString::number(value))
        field->setText(QString::number(value));
}

void TransformationDialog::showArea(const AreaRect& area, int usedColours, int vt03Colours) {
    area_ = area;
    setFieldText(x_, area.left);
    setFieldText(y_, area.top);
    setFieldText(width_, area.width());
    setFieldText(height_, area.height());
    used_->setText(QString::number(usedColours));
    available_->setText(QString::number(vt03Colours));
}

void TransformationDialog::fieldsEdited() {
    AreaRect area;
    area.left = x_->text().toInt();
    area.top = y_->text().toInt();
    area.right = area.left + width_->text().toInt();
    area.bottom = area.top + height_->text().toInt();
    area_ = area;
    Q_EMIT areaEdited(area);
}

bool TransformationDialog::areaFitsTiles() const {
    return wholeCharacters(width_->text().toInt(), height_->text().toInt(),
                           chip::charSizeOf(charSize_->currentIndex()));
}

void TransformationDialog::charSizeChanged() {
    if (!areaFitsTiles())
        Prompts::message(this, mismatchMessage());
}

ConversionChoice TransformationDialog::choice() const {
    ConversionChoice c;
    c.area = Selection::fromSize(x_->text().toInt(), y_->text().toInt(), width_->text().toInt(),
                                 height_->text().toInt());
    c.colourMode = chip::colourModeOf(colourMode_->currentIndex());
    c.colourCount = chip::colourCountOf(colourSum_->currentIndex());
    c.charSize = chip::charSizeOf(charSize_->currentIndex());
    c.compressMode = chip::compressionOf(mode_->currentIndex());
    c.startAddress = readAddressText(startAddress_->text().toStdString());
    c.endAddress = readAddressText(endAddress_->text().toStdString());
    c.backgroundColour = background_;
    c.paletteFit = paletteFit_->currentIndex() == 1 ? PaletteFit::Best : PaletteFit::First;
    c.paletteHints = paletteHints_;
    return c;
}

// Every refusal keeps the dialog and its choices, with the field to mend selected.
bool TransformationDialog::refuse(QLineEdit* field, const QString& message) {
    Prompts::message(this, message);
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
    return false;
}

QLineEdit* TransformationDialog::areaField(AreaCheck::Field field) const {
    switch (field) {
    case AreaCheck::Field::Left:
        return x_;
    case AreaCheck::Field::Top:
        return y_;
    case AreaCheck::Field::Width:
        return width_;
    case AreaCheck::Field::Height:
        return height_;
    case AreaCheck::Field::None:
        break;
    }
    return nullptr;
}

bool TransformationDialog::confirm() {
    const ConversionChoice c = choice();
    const AreaCheck area = checkArea(c.area, picture_.width, picture_.height, c.charSize);
    if (area.field != AreaCheck::Field::None) {
        // The dialog names the picture's size rather than the area's corners, which the person
        // sees in the fields.
        const bool whole = wholeCharacters(c.area.width(), c.area.height(), c.charSize);
        return refuse(areaField(area.field), whole ? tr("The area must lie inside the picture, "
                                                        "which is %1 x %2 pixels.")
                                                         .arg(picture_.width)
                                                         .arg(picture_.height)
                                                   : trCore(area.problem));
    }
    const AddressCheck addresses = checkAddresses(c.startAddress, c.endAddress, c.charSize);
    if (addresses.field != AddressCheck::Field::None)
        return refuse(addresses.field == AddressCheck::Field::Start ? startAddress_ : endAddress_,
                      trCore(addresses.problem));
    if (next_ && !next_(c))
        return false;
    done(QDialog::Accepted);
    return true;
}

QPoint TransformationDialog::placeBeside(const QRect& picture, const QSize& window,
                                         const QRect& screen) {
    constexpr int gap = 8;
    const auto fitsAcross = [&](int x) {
        return x >= screen.left() && x + window.width() <= screen.right() + 1;
    };
    const auto fitsDown = [&](int y) {
        return y >= screen.top() && y + window.height() <= screen.bottom() + 1;
    };
    const auto clampX = [&](int x) {
        return std::max(screen.left(), std::min(x, screen.right() + 1 - window.width()));
    };
    const auto clampY = [&](int y) {
        return std::max(screen.top(), std::min(y, screen.bottom() + 1 - window.height()));
    };
    // Beside the picture first, as the rows one drags across run from side to side.
    if (const int x = picture.right() + 1 + gap; fitsAcross(x))
        return {x, clampY(picture.top())};
    if (const int x = picture.left() - gap - window.width(); fitsAcross(x))
        return {x, clampY(picture.top())};
    if (const int y = picture.bottom() + 1 + gap; fitsDown(y))
        return {clampX(picture.left()), y};
    if (const int y = picture.top() - gap - window.height(); fitsDown(y))
        return {clampX(picture.left()), y};
    // No room anywhere: against the screen's right edge, over as little of the picture as can be.
    return {clampX(screen.right() + 1 - window.width()), clampY(picture.top())};
}

void TransformationDialog::moveBeside(const QRect& picture) {
    const QScreen* screen = QGuiApplication::screenAt(picture.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen || picture.isEmpty())
        return;
    // The window manager's frame is not known before the first show: allow for a title bar.
    const int title = style()->pixelMetric(QStyle::PM_TitleBarHeight) + 8;
    const QSize window = sizeHint().grownBy(QMargins(4, title, 4, 4));
    move(placeBeside(picture, window, screen->availableGeometry()));
}

void TransformationDialog::chooseBackground() {
    SelectColorDialog dialog(usedColours_, background_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    background_ = dialog.currentColour();
    swatch_->setColour(background_);
}

} // namespace kadro::gui
