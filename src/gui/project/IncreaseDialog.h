#pragma once

#include "project/ProjectEditing.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kadro::gui {

// "Increase": a group, or an item with the path of its converted document. With radios
// disabled (Attribute) the entry's kind cannot change.
class IncreaseDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int resourceId = 164;
    static QString documentFilter(); // "块图文件(*.kdr)|*.kdr||"

    explicit IncreaseDialog(const IncreaseFields& fields, QWidget* parent = nullptr);
    const IncreaseFields& fields() const { return fields_; }

    void accept() override;
    // Asks for a document; on OK the path and the name taken from its file name are shown.
    void browse();

private:
    void choiceChanged();

    IncreaseFields fields_;
    QRadioButton* group_;
    QRadioButton* item_;
    QLineEdit* name_;
    QLineEdit* path_;
    QPushButton* browse_;
};

} // namespace kadro::gui
