#include "view/PntAttribDialog.h"

#include "app/HexCode.h"
#include "common/ChipRules.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLineEdit>
#include <QPushButton>

namespace kadro::gui {

namespace {
QString hexText(unsigned value, int digits) {
    return QStringLiteral("0x") +
           QString::number(value, 16).rightJustified(digits, QLatin1Char('0')).toUpper();
}

QLineEdit* field(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    return edit;
}
} // namespace

PntAttribDialog::PntAttribDialog(const PntAttrib& values, QWidget* parent)
    : QDialog(parent), attribute_(values.attribute), switchesEnabled_(values.switchesEnabled),
      pntCode_(field("pntCode", this)), attCode_(field("attCode", this)),
      palNo_(field("palNo", this)), switch1_(new QCheckBox(tr("Switch1"), this)),
      switch2_(new QCheckBox(tr("Switch2"), this)) {
    setWindowTitle(tr("PNT Attrib"));
    switch1_->setObjectName(QStringLiteral("switch1"));
    switch2_->setObjectName(QStringLiteral("switch2"));
    palNo_->setValidator(new QIntValidator(0, 15, palNo_));
    switch1_->setEnabled(switchesEnabled_);
    switch2_->setEnabled(switchesEnabled_);

    auto* form = new QFormLayout;
    form->addRow(tr("PNTCode"), pntCode_);
    form->addRow(tr("ATTCode"), attCode_);
    form->addRow(tr("PALNo"), palNo_);
    form->addRow(switch1_);
    form->addRow(switch2_);
    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setFixedSize(136, 130);
    auto* row = new QHBoxLayout;
    row->addLayout(form);
    row->addWidget(frame);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);

    pntCode_->setText(hexText(values.pntCode, 4));
    attCode_->setText(hexText(values.attribute, 2));
    showAttribute();
    connect(attCode_, &QLineEdit::textEdited, this, &PntAttribDialog::attributeTyped);
    connect(palNo_, &QLineEdit::textEdited, this, &PntAttribDialog::paletteTyped);
    connect(switch1_, &QCheckBox::clicked, this, &PntAttribDialog::switchClicked);
    connect(switch2_, &QCheckBox::clicked, this, &PntAttribDialog::switchClicked);
}

// Palette number and switches from the attribute; the code field is left as typed.
void PntAttribDialog::showAttribute() {
    palNo_->setText(QString::number(chip::attributePalette(attribute_)));
    if (switchesEnabled_) {
        switch1_->setChecked((attribute_ & chip::attributeSwitch1) != 0);
        switch2_->setChecked((attribute_ & chip::attributeSwitch2) != 0);
    }
}

void PntAttribDialog::attributeTyped() {
    attribute_ = static_cast<std::uint8_t>(parseHexCode(attCode_->text()) & 0xFF);
    showAttribute();
}

void PntAttribDialog::paletteTyped() {
    attribute_ = chip::withAttributePalette(attribute_, palNo_->text().toInt());
    attCode_->setText(hexText(attribute_, 2));
}

void PntAttribDialog::switchClicked() {
    attribute_ =
        chip::withAttributeSwitches(attribute_, switch1_->isChecked(), switch2_->isChecked());
    attCode_->setText(hexText(attribute_, 2));
}

PntAttrib PntAttribDialog::values() const {
    return {parseHexCode(pntCode_->text()),
            static_cast<std::uint8_t>(parseHexCode(attCode_->text()) & 0xFF), switchesEnabled_};
}

} // namespace kadro::gui
