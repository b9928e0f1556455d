#include "project/IncreaseSectionDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kadro::gui {

IncreaseSectionDialog::IncreaseSectionDialog(const SectionFields& fields, QWidget* parent)
    : QDialog(parent), fields_(fields), name_(new QLineEdit(this)),
      autoIncrease_(new QCheckBox(tr("Automatically increase the spatial block data"), this)) {
    setWindowTitle(tr("Increase Section"));
    name_->setObjectName(QStringLiteral("name"));
    autoIncrease_->setObjectName(QStringLiteral("autoIncrease"));
    name_->setText(QString::fromStdString(fields_.name));
    autoIncrease_->setChecked(fields_.autoIncrease);

    auto* form = new QFormLayout;
    form->addRow(tr("Name"), name_);
    form->addRow(autoIncrease_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void IncreaseSectionDialog::accept() {
    fields_.name = name_->text().toStdString();
    fields_.autoIncrease = autoIncrease_->isChecked();
    QDialog::accept();
}

} // namespace kadro::gui
