#include "colour/ColourPickerDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>

#include <cmath>

namespace kadro::gui {

namespace {

QColor qColour(const RgbTriple& c) {
    return QColor(c.red, c.green, c.blue);
}
QPoint qPoint(picker::Point p) {
    return {p.x, p.y};
}
picker::Point point(const QPointF& p) {
    return {static_cast<int>(p.x()), static_cast<int>(p.y())};
}
QRect qRect(const picker::Rect& r) {
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// Lines and handle squares drawn so they show on any colour.
void xorPen(QPainter& painter, int width = 1) {
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(QPen(Qt::white, width));
    painter.setBrush(Qt::NoBrush);
}

// The wheel picture: hue around, saturation outwards, full value; white at the centre.
QImage wheelPicture(const QColor& face) {
    constexpr int size = WheelPanel::pictureSize;
    QImage image(size, size - 1, QImage::Format_RGB32);
    image.fill(face);
    const picker::Point centre{picker::wheelRadius, picker::wheelRadius};
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < size; ++x) {
            if (!picker::onWheel(centre, {x, y}))
                continue;
            const HsvTriple hsv = picker::wheelHueSaturation(centre, {x, y}, 255);
            image.setPixelColor(x, y, qColour(hsvToRgb(hsv)));
        }
    }
    return image;
}

// A swatch with a black outline and a raised inner edge.
class Swatch : public QWidget {
public:
    Swatch(const RgbTriple& colour, QWidget* parent) : QWidget(parent), colour_(colour) {
        setFixedSize(55, 40);
    }
    void setColour(const RgbTriple& colour) {
        colour_ = colour;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), qColour(colour_));
        p.setPen(Qt::black);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        const QRect inner = rect().adjusted(1, 1, -2, -2);
        p.setPen(QColor(0xC0, 0xC0, 0xC0));
        p.drawLine(inner.topLeft(), inner.topRight());
        p.drawLine(inner.topLeft(), inner.bottomLeft());
        p.setPen(QColor(0x80, 0x80, 0x80));
        p.drawLine(inner.bottomLeft(), inner.bottomRight());
        p.drawLine(inner.topRight(), inner.bottomRight());
    }

private:
    RgbTriple colour_;
};

} // namespace

CubePanel::CubePanel(ColourPickerDialog& dialog) : QWidget(&dialog), dialog_(dialog) {
    setFixedSize(WheelPanel::pictureSize, WheelPanel::pictureSize - 1);
    setObjectName(QStringLiteral("cube"));
}

void CubePanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().button());
    const picker::CubeGeometry cube = geometry();
    // The cube's outline: the hexagon its six outer corners make, in a dark grey.
    const QPoint c = qPoint(cube.centre());
    QPolygon hexagon;
    for (int i = 0; i < 3; ++i) {
        const QPoint end = qPoint(cube.axisEnd(static_cast<picker::Channel>(i)));
        const QPoint next = qPoint(cube.axisEnd(static_cast<picker::Channel>((i + 1) % 3)));
        hexagon << end << end + next - c;
    }
    painter.setBrush(QColor(0x30, 0x30, 0x30));
    painter.setPen(Qt::NoPen);
    painter.drawPolygon(hexagon);
    const QColor axisColours[3] = {Qt::red, Qt::green, Qt::blue};
    for (int i = 0; i < 3; ++i) {
        const QPoint end = qPoint(cube.axisEnd(static_cast<picker::Channel>(i)));
        painter.setPen(QPen(Qt::white, 1));
        painter.drawLine(c, end);
        painter.setBrush(axisColours[i]);
        painter.drawEllipse(end, 3, 3);
    }
    const auto handles = cube.handlePoints(dialog_.rgb());
    xorPen(painter);
    for (const auto& line : picker::boxFigure(cube, handles).lines(handles)) {
        for (std::size_t i = 1; i < line.size(); ++i)
            painter.drawLine(qPoint(line[i - 1]), qPoint(line[i]));
    }
    for (const auto& h : handles)
        painter.drawRect(qRect(picker::markerSquare(h)).adjusted(0, 0, -1, -1));
}

void CubePanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    channel_ = picker::handleAt(geometry().handlePoints(dialog_.rgb()), point(event->position()));
}

void CubePanel::mouseMoveEvent(QMouseEvent* event) {
    if (channel_ < 0)
        return;
    const picker::CubeGeometry cube = geometry();
    const auto channel = static_cast<picker::Channel>(channel_);
    const auto handles = cube.handlePoints(dialog_.rgb());
    const int value = cube.channelValueAt(channel, point(event->position()),
                                          handles[static_cast<std::size_t>(channel_)]);
    RgbTriple rgb = dialog_.rgb();
    (channel == picker::Red ? rgb.red : channel == picker::Green ? rgb.green : rgb.blue) = value;
    dialog_.setRgb(rgb);
}

void CubePanel::mouseReleaseEvent(QMouseEvent*) {
    channel_ = -1;
}

WheelPanel::WheelPanel(ColourPickerDialog& dialog)
    : QWidget(&dialog), dialog_(dialog), wheel_(wheelPicture(palette().button().color())) {
    setFixedSize(pictureSize + 28, pictureSize - 1);
    setObjectName(QStringLiteral("wheel"));
}

void WheelPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().button());
    painter.drawImage(0, 0, wheel_);
    const picker::Rect s = strip();
    const HsvTriple hsv = dialog_.hsv();
    const auto rows = picker::stripColours(s.height(), hsv.hue, hsv.saturation);
    for (std::size_t k = 0; k < rows.size(); ++k)
        painter.fillRect(s.left, s.top + static_cast<int>(k), s.right - s.left, 1,
                         qColour(rows[k]));
    xorPen(painter);
    painter.drawRect(
        qRect(picker::markerSquare(picker::wheelMarker(centre(), hsv.hue, hsv.saturation)))
            .adjusted(0, 0, -1, -1));
    xorPen(painter, 2);
    painter.drawRect(qRect(picker::stripMarker(s, hsv.value)));
}

void WheelPanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const picker::Point p = point(event->position());
    mode_ = picker::onWheel(centre(), p) ? 1 : strip().contains(p) ? 2 : 0;
    if (mode_ != 0)
        apply(p);
}

void WheelPanel::mouseMoveEvent(QMouseEvent* event) {
    if (mode_ != 0)
        apply(point(event->position()));
}

void WheelPanel::mouseReleaseEvent(QMouseEvent*) {
    mode_ = 0;
}

void WheelPanel::apply(picker::Point p) {
    HsvTriple hsv = dialog_.hsv();
    if (mode_ == 1)
        hsv = picker::wheelHueSaturation(centre(), p, hsv.value);
    else
        hsv.value = picker::stripValue(strip(), p.y);
    dialog_.setHsv(hsv);
}

ColourPickerDialog::ColourPickerDialog(Colour initial, QWidget* parent)
    : QDialog(parent), old_{redOf(initial), greenOf(initial), blueOf(initial)}, rgb_(old_),
      hsv_(rgbToHsv(rgb_)), cube_(new CubePanel(*this)), wheel_(new WheelPanel(*this)),
      oldSwatch_(new Swatch(old_, this)), newSwatch_(new Swatch(rgb_, this)) {
    setWindowTitle(tr("Colors Select"));
    spins_ = {spin("red"), spin("green"),      spin("blue"),
              spin("hue"), spin("saturation"), spin("light")};
    auto* rgbBox = new QGroupBox(QStringLiteral("RGB"), this);
    auto* rgbForm = new QFormLayout(rgbBox);
    rgbForm->addRow(tr("Red"), spins_[0]);
    rgbForm->addRow(tr("Green"), spins_[1]);
    rgbForm->addRow(tr("Blue"), spins_[2]);
    auto* hsvBox = new QGroupBox(QStringLiteral("HSL"), this);
    auto* hsvForm = new QFormLayout(hsvBox);
    hsvForm->addRow(tr("Hue"), spins_[3]);
    hsvForm->addRow(tr("Saturation"), spins_[4]);
    hsvForm->addRow(tr("Light"), spins_[5]);

    auto* buttons = new QDialogButtonBox(Qt::Vertical, this);
    buttons->addButton(tr("Ok"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* side = new QVBoxLayout;
    side->addWidget(buttons);
    side->addStretch();
    side->addWidget(new QLabel(tr("Old"), this));
    side->addWidget(oldSwatch_);
    side->addWidget(new QLabel(tr("New"), this));
    side->addWidget(newSwatch_);

    auto* grid = new QGridLayout(this);
    grid->addWidget(cube_, 0, 0);
    grid->addWidget(wheel_, 0, 1);
    grid->addWidget(rgbBox, 1, 0);
    grid->addWidget(hsvBox, 1, 1);
    grid->addLayout(side, 0, 2, 2, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    showValues();
    for (std::size_t i = 0; i < spins_.size(); ++i)
        connect(spins_[i], &QSpinBox::valueChanged, this,
                [this, i] { edited(static_cast<int>(i)); });
}

QSpinBox* ColourPickerDialog::spin(const char* name) {
    auto* s = new QSpinBox(this);
    s->setObjectName(QLatin1String(name));
    // Wider than the range, so a number typed past it is clamped rather than refused.
    s->setRange(0, 999);
    s->setAlignment(Qt::AlignRight);
    return s;
}

Colour ColourPickerDialog::colour() const {
    return makeColour(rgb_.red, rgb_.green, rgb_.blue);
}

void ColourPickerDialog::setRgb(const RgbTriple& rgb) {
    rgb_ = rgb;
    hsv_ = rgbToHsv(rgb_);
    showValues();
}

void ColourPickerDialog::setHsv(const HsvTriple& hsv) {
    hsv_ = hsv;
    rgb_ = hsvToRgb(hsv_);
    showValues();
}

void ColourPickerDialog::edited(int field) {
    if (refreshing_)
        return;
    const int typed = spins_[static_cast<std::size_t>(field)]->value();
    if (field < 3) {
        RgbTriple rgb = rgb_;
        int* component[3] = {&rgb.red, &rgb.green, &rgb.blue};
        *component[field] = clampLevel(typed);
        setRgb(rgb);
    } else {
        HsvTriple hsv = hsv_;
        if (field == 3)
            hsv.hue = clampHue(typed);
        else
            (field == 4 ? hsv.saturation : hsv.value) = clampLevel(typed);
        setHsv(hsv);
    }
}

void ColourPickerDialog::showValues() {
    refreshing_ = true;
    const int values[6] = {rgb_.red, rgb_.green, rgb_.blue, hsv_.hue, hsv_.saturation, hsv_.value};
    for (std::size_t i = 0; i < spins_.size(); ++i)
        spins_[i]->setValue(values[i]);
    refreshing_ = false;
    static_cast<Swatch*>(newSwatch_)->setColour(rgb_);
    cube_->update();
    wheel_->update();
}

} // namespace kadro::gui
