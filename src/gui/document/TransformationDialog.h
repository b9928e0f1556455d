#pragma once

#include "app/ZoomModel.h"
#include "picture/ConversionSettings.h"

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace kadro::gui {

class ColourSwatch;

// What the first page of a conversion starts from.
struct TransformStart {
    AreaRect area;
    ViewSize picture;
    int usedColours = 0;
    int vt03Colours = 0;
};

// The first page of a conversion ("VT03 Transformation", modeless): the area and the settings.
// Edits of the area are reported with areaEdited(); the owner answers with showArea(). Next
// writes the settings and reports confirmed(); the dialog then closes and deletes itself.
class TransformationDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int resourceId = 156;
    static const QString mismatchMessage;

    TransformationDialog(ConversionSettings &settings, ProcessValues &values,
                         const TransformStart &start, QWidget *parent = nullptr);

    AreaRect area() const { return area_; }
    // A new area from the picture view or after an edit, with its colour counts.
    void showArea(const AreaRect &area, int usedColours, int vt03Colours);
    // Next: checks the area and writes the settings; false when it refused.
    bool confirm();

Q_SIGNALS:
    void areaEdited(kadro::gui::AreaRect area);
    void confirmed();

private:
    void fieldsEdited();
    void charSizeChanged();
    bool areaFitsTiles() const;
    void chooseBackground();
    QLineEdit *numberField(const char *name);
    QComboBox *choiceField(const char *name, const QStringList &items);
    void setFieldText(QLineEdit *field, int value);

    ConversionSettings &settings_;
    ProcessValues &values_;
    ViewSize picture_;
    AreaRect area_;
    QLineEdit *x_;
    QLineEdit *y_;
    QLineEdit *width_;
    QLineEdit *height_;
    QLineEdit *used_;
    QLineEdit *available_;
    QComboBox *colourMode_;
    QComboBox *colourSum_;
    QComboBox *charSize_;
    QComboBox *mode_;
    QLineEdit *startAddress_;
    QLineEdit *endAddress_;
    ColourSwatch *background_;
};

} // namespace kadro::gui
