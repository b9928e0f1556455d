#pragma once

#include "project/ProjectEditing.h"

#include <QDialog>

class QLineEdit;

namespace kadro::gui {

// "Setup Sub Block": a name and a rectangle of whole numbers. OK stays open until every number
// field holds an integer.
class SubBlockDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int resourceId = 169;
    static QString integerMessage();

    explicit SubBlockDialog(const SubBlockFields& fields, QWidget* parent = nullptr);
    const SubBlockFields& fields() const { return fields_; }

    void accept() override;

private:
    SubBlockFields fields_;
    QLineEdit* name_;
    QLineEdit* x_;
    QLineEdit* y_;
    QLineEdit* width_;
    QLineEdit* height_;
};

} // namespace kadro::gui
