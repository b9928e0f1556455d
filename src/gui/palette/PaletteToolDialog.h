#pragma once

#include "common/Colour.h"

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QSpinBox;

namespace kadro::gui {

class ColourSwatch;

// "PAL process": a palette file, a target colour and a number of levels, handed to the palette
// step writer on OK.
class PaletteToolDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int resourceId = 172;
    static QString noFileMessage(); // "No PAL File Define!"
    static constexpr int minLevels = 1;
    static constexpr int maxLevels = 255;
    static QString levelRangeMessage();

    using Writer = std::function<void(const QString& palettePath, Colour target, int levels)>;

    explicit PaletteToolDialog(Writer writer, QWidget* parent = nullptr);

    Colour targetColour() const { return target_; }
    void accept() override;

private:
    void chooseColour();
    void browse();
    void showTarget();

    Writer writer_;
    Colour target_ = 0;
    QLineEdit* path_;
    ColourSwatch* swatch_;
    QLabel* values_;
    QSpinBox* levels_;
};

} // namespace kadro::gui
