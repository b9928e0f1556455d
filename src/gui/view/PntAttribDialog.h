#pragma once

#include <QDialog>

#include <cstdint>

class QCheckBox;
class QLineEdit;

namespace kadro::gui {

// The name-table entry of one character cell: its 16-bit name and its attribute byte
// (palette number in the low nibble, two switch bits at the top).
struct PntAttrib {
    std::uint16_t pntCode = 0;
    std::uint8_t attribute = 0;
    bool switchesEnabled = true;
};

// Edits one cell's name and attribute. The attribute fields stay in step: typing the code
// updates the palette number and switches, and each of those rewrites the code.
class PntAttribDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int resourceId = 170;

    explicit PntAttribDialog(const PntAttrib& values, QWidget* parent = nullptr);
    // The values as OK reads them from the fields.
    PntAttrib values() const;

private:
    void attributeTyped();
    void paletteTyped();
    void switchClicked();
    void showAttribute();

    std::uint8_t attribute_;
    bool switchesEnabled_;
    QLineEdit* pntCode_;
    QLineEdit* attCode_;
    QLineEdit* palNo_;
    QCheckBox* switch1_;
    QCheckBox* switch2_;
};

} // namespace kadro::gui
