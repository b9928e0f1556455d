#pragma once

#include "colour/ColourMath.h"
#include "colour/ColourPickerGeometry.h"
#include "common/Colour.h"

#include <QDialog>
#include <QImage>

#include <array>

class QSpinBox;

namespace kadro::gui {

class ColourPickerDialog;

// The RGB cube seen along its grey diagonal, one handle per channel on its axis.
class CubePanel : public QWidget {
    Q_OBJECT
public:
    explicit CubePanel(ColourPickerDialog& dialog);
    picker::CubeGeometry geometry() const { return picker::CubeGeometry::at({0, 0}); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ColourPickerDialog& dialog_;
    int channel_ = -1; // the handle being dragged
};

// The hue-saturation wheel and the value strip beside it.
class WheelPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int pictureSize = 202;
    explicit WheelPanel(ColourPickerDialog& dialog);
    picker::Point centre() const { return {picker::wheelRadius, picker::wheelRadius}; }
    picker::Rect strip() const { return {pictureSize + 5, 0, pictureSize + 25, pictureSize - 1}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void apply(picker::Point p);

    ColourPickerDialog& dialog_;
    QImage wheel_;
    int mode_ = 0; // 1 the wheel, 2 the value strip
};

// "Colors Select": a colour by the RGB cube, the hue-saturation wheel or six numbers.
class ColourPickerDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int resourceId = 153;

    explicit ColourPickerDialog(Colour initial, QWidget* parent = nullptr);

    Colour colour() const;
    RgbTriple rgb() const { return rgb_; }
    HsvTriple hsv() const { return hsv_; }
    void setRgb(const RgbTriple& rgb);
    void setHsv(const HsvTriple& hsv);

private:
    void edited(int field);
    void showValues();
    QSpinBox* spin(const char* name);

    RgbTriple old_;
    RgbTriple rgb_;
    HsvTriple hsv_;
    bool refreshing_ = false;
    std::array<QSpinBox*, 6> spins_{};
    CubePanel* cube_;
    WheelPanel* wheel_;
    QWidget* oldSwatch_;
    QWidget* newSwatch_;
};

} // namespace kadro::gui
