#pragma once

#include "app/ZoomModel.h"
#include "common/ChipRules.h"
#include "picture/ConversionChoice.h"

#include <QDialog>

#include <functional>
#include <vector>

class QComboBox;
class QLineEdit;

namespace kadro::gui {

class ColourSwatch;

// What the first page of a conversion starts from.
struct TransformStart {
    ConversionChoice choice; // the area and the initial values
    ViewSize picture;
    int usedColours = 0;
    int vt03Colours = 0;
};

// The first page of a conversion ("VT03 Transformation", modeless): the area and the settings.
// Edits of the area are reported with areaEdited(); the owner answers with showArea(). Next
// hands the choice to `next`, and when that accepts it the dialog closes and deletes itself.
class TransformationDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int resourceId = 156;
    // "当前区域与块大小不匹配!", the core's refusal of the same area.
    static QString mismatchMessage();

    using NextHandler = std::function<bool(const ConversionChoice&)>;

    // usedColours: the list the background swatch offers, read when it is clicked.
    TransformationDialog(const TransformStart& start, const std::vector<Colour>& usedColours,
                         NextHandler next, QWidget* parent = nullptr);

    AreaRect area() const { return area_; }
    // A new area from the picture view or after an edit, with its colour counts.
    void showArea(const AreaRect& area, int usedColours, int vt03Colours);
    Colour backgroundColour() const { return background_; }
    // Next: checks the fields and hands the choice on; false when the dialog stays open.
    bool confirm();
    ConversionChoice choice() const;
    // Moves the dialog beside the picture as it shows on screen, so it does not hide the rows
    // one drags across; over it only when the screen has no room anywhere around it.
    void moveBeside(const QRect& pictureOnScreen);
    static QPoint placeBeside(const QRect& picture, const QSize& window, const QRect& screen);

Q_SIGNALS:
    void areaEdited(kadro::gui::AreaRect area);

private:
    void fieldsEdited();
    void charSizeChanged();
    bool areaFitsTiles() const;
    bool refuse(QLineEdit* field, const QString& message);
    // The field a refused area asks the person to mend.
    QLineEdit* areaField(AreaCheck::Field field) const;
    void chooseBackground();
    QLineEdit* numberField(const char* name);
    QComboBox* choiceField(const char* name, const QStringList& items);
    void setFieldText(QLineEdit* field, int value);

    const std::vector<Colour>& usedColours_;
    NextHandler next_;
    Colour background_;
    ViewSize picture_;
    AreaRect area_;
    QLineEdit* x_;
    QLineEdit* y_;
    QLineEdit* width_;
    QLineEdit* height_;
    QLineEdit* used_;
    QLineEdit* available_;
    QComboBox* colourMode_;
    QComboBox* colourSum_;
    QComboBox* charSize_;
    QComboBox* mode_;
    QComboBox* paletteFit_;
    std::vector<std::vector<Colour>> paletteHints_;
    QLineEdit* startAddress_;
    QLineEdit* endAddress_;
    ColourSwatch* swatch_;
};

} // namespace kadro::gui
