#include "project/IncreaseDialog.h"

#include "app/Prompts.h"
#include "common/Paths.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kadro::gui {

QString IncreaseDialog::documentFilter() {
    return tr("块图文件(*.kdr)|*.kdr||");
}

IncreaseDialog::IncreaseDialog(const IncreaseFields& fields, QWidget* parent)
    : QDialog(parent), fields_(fields), group_(new QRadioButton(tr("Group"), this)),
      item_(new QRadioButton(tr("Item"), this)), name_(new QLineEdit(this)),
      path_(new QLineEdit(this)), browse_(new QPushButton(tr("Browse..."), this)) {
    setWindowTitle(tr("Increase"));
    group_->setObjectName(QStringLiteral("group"));
    item_->setObjectName(QStringLiteral("item"));
    name_->setObjectName(QStringLiteral("name"));
    path_->setObjectName(QStringLiteral("path"));
    browse_->setObjectName(QStringLiteral("browse"));
    browse_->setAutoDefault(false);
    auto* choice = new QButtonGroup(this);
    choice->addButton(group_);
    choice->addButton(item_);

    (fields_.item ? item_ : group_)->setChecked(true);
    group_->setEnabled(fields_.radiosEnabled);
    item_->setEnabled(fields_.radiosEnabled);
    name_->setText(QString::fromStdString(fields_.name));
    path_->setText(QString::fromStdString(fields_.path));
    choiceChanged();

    auto* radios = new QHBoxLayout;
    radios->addWidget(group_);
    radios->addWidget(item_);
    radios->addStretch();
    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(path_, 1);
    pathRow->addWidget(browse_);
    auto* form = new QFormLayout;
    form->addRow(radios);
    form->addRow(tr("Name"), name_);
    form->addRow(tr("Path"), pathRow);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(360);

    connect(group_, &QRadioButton::toggled, this, &IncreaseDialog::choiceChanged);
    connect(browse_, &QPushButton::clicked, this, &IncreaseDialog::browse);
}

// Only an item names a document.
void IncreaseDialog::choiceChanged() {
    const bool item = item_->isChecked();
    path_->setEnabled(item);
    browse_->setEnabled(item);
}

void IncreaseDialog::browse() {
    FilePrompt prompt;
    prompt.kind = FilePrompt::Kind::Open;
    prompt.filter = documentFilter();
    prompt.defaultSuffix = QStringLiteral("kdr");
    const auto answer = Prompts::file(this, prompt);
    if (!answer)
        return;
    path_->setText(answer->path);
    name_->setText(QString::fromStdString(paths::baseName(answer->path.toStdString())));
}

void IncreaseDialog::accept() {
    fields_.item = item_->isChecked();
    fields_.name = name_->text().toStdString();
    fields_.path = path_->text().toStdString();
    QDialog::accept();
}

} // namespace kadro::gui
