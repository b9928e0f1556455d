#pragma once

#include "project/ProjectEditing.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace kadro::gui {

// "Increase Section": the name of a section and whether its spatial block data grows by itself.
class IncreaseSectionDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int resourceId = 168;

    explicit IncreaseSectionDialog(const SectionFields& fields, QWidget* parent = nullptr);
    // The fields as OK took them.
    const SectionFields& fields() const { return fields_; }

    void accept() override;

private:
    SectionFields fields_;
    QLineEdit* name_;
    QCheckBox* autoIncrease_;
};

} // namespace kadro::gui
