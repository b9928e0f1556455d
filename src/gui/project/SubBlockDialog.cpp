#include "project/SubBlockDialog.h"

#include "app/Prompts.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include <optional>

namespace kadro::gui {

QString SubBlockDialog::integerMessage() {
    return tr("Please enter an integer.");
}

namespace {

QLineEdit* numberField(const char* name, std::int32_t value, QWidget* parent) {
    auto* edit = new QLineEdit(QString::number(value), parent);
    edit->setObjectName(QLatin1String(name));
    return edit;
}

std::optional<std::int32_t> integerOf(const QLineEdit* edit) {
    bool ok = false;
    const int value = edit->text().trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

} // namespace

SubBlockDialog::SubBlockDialog(const SubBlockFields& fields, QWidget* parent)
    : QDialog(parent), fields_(fields), name_(new QLineEdit(this)),
      x_(numberField("x", fields.x, this)), y_(numberField("y", fields.y, this)),
      width_(numberField("width", fields.width, this)),
      height_(numberField("height", fields.height, this)) {
    setWindowTitle(tr("Setup Sub Block"));
    name_->setObjectName(QStringLiteral("name"));
    name_->setText(QString::fromStdString(fields_.name));

    auto* form = new QFormLayout;
    form->addRow(tr("Name"), name_);
    form->addRow(QStringLiteral("X"), x_);
    form->addRow(QStringLiteral("Y"), y_);
    form->addRow(tr("Width"), width_);
    form->addRow(tr("Heigh"), height_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void SubBlockDialog::accept() {
    SubBlockFields taken{name_->text().toStdString(), 0, 0, 0, 0};
    const std::pair<QLineEdit*, std::int32_t*> numbers[] = {
        {x_, &taken.x}, {y_, &taken.y}, {width_, &taken.width}, {height_, &taken.height}};
    for (const auto& [edit, target] : numbers) {
        const auto value = integerOf(edit);
        if (!value) {
            Prompts::message(this, integerMessage(), PromptIcon::Information);
            edit->setFocus();
            edit->selectAll();
            return;
        }
        *target = *value;
    }
    fields_ = taken;
    QDialog::accept();
}

} // namespace kadro::gui
