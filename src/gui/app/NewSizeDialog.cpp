#include "app/NewSizeDialog.h"

#include "picture/FormatModule.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>

namespace kadro::gui {

namespace {
QSpinBox* sizeField(int value, const char* name, QWidget* parent) {
    auto* field = new QSpinBox(parent);
    // No bigger than a picture the program could load, so a blank is always possible.
    field->setRange(0, maxModuleSide);
    field->setGroupSeparatorShown(false);
    field->setValue(value);
    field->setObjectName(QLatin1String(name));
    return field;
}
} // namespace

NewSizeDialog::NewSizeDialog(const NewSize& size, QWidget* parent)
    : QDialog(parent), width_(sizeField(size.width, "width", this)),
      height_(sizeField(size.height, "height", this)) {
    setWindowTitle(tr("Dialog"));
    auto* form = new QFormLayout(this);
    form->addRow(tr("Width"), width_);
    form->addRow(tr("High"), height_);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("Ok"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

NewSize NewSizeDialog::size() const {
    return {width_->value(), height_->value()};
}

} // namespace kadro::gui
