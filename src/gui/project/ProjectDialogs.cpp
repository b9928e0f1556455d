#include "project/ProjectDialogs.h"

#include "app/PathText.h"
#include "app/Prompts.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kadro::gui {

namespace {

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

// A dialog with a form and OK / Cancel under it.
struct FormDialog {
    QDialog dialog;
    QFormLayout* form;

    FormDialog(const char* title, QWidget* parent) : dialog(parent), form(new QFormLayout) {
        dialog.setWindowTitle(QString::fromLatin1(title));
        auto* buttons =
            new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
        QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
        QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
        auto* layout = new QVBoxLayout(&dialog);
        layout->addLayout(form);
        layout->addWidget(buttons);
    }
    QLineEdit* field(const char* name, const QString& value) {
        auto* edit = new QLineEdit(value, &dialog);
        edit->setObjectName(QString::fromLatin1(name).toLower());
        edit->setMinimumWidth(220);
        form->addRow(QString::fromLatin1(name), edit);
        return edit;
    }
    bool run() { return dialog.exec() == QDialog::Accepted; }
};

bool editSection(SectionFields& f, QWidget* parent) {
    FormDialog d("Increase Section", parent);
    QLineEdit* name = d.field("Name", text(f.name));
    auto* automatic =
        new QCheckBox(QStringLiteral("Automatically increase the spatial block data"), &d.dialog);
    automatic->setChecked(f.autoIncrease);
    d.form->addRow(automatic);
    if (!d.run())
        return false;
    f.name = name->text().toStdString();
    f.autoIncrease = automatic->isChecked();
    return true;
}

bool editIncrease(IncreaseFields& f, QWidget* parent) {
    FormDialog d("Increase", parent);
    auto* group = new QRadioButton(QStringLiteral("Group"), &d.dialog);
    auto* item = new QRadioButton(QStringLiteral("Item"), &d.dialog);
    (f.item ? item : group)->setChecked(true);
    group->setEnabled(f.radiosEnabled);
    item->setEnabled(f.radiosEnabled);
    auto* kinds = new QHBoxLayout;
    kinds->addWidget(group);
    kinds->addWidget(item);
    d.form->addRow(kinds);
    QLineEdit* name = d.field("Name", text(f.name));
    QLineEdit* path = d.field("Path", text(f.path));
    auto* browse = new QPushButton(QStringLiteral("Browse..."), &d.dialog);
    browse->setAutoDefault(false);
    d.form->addRow(QString(), browse);
    const auto enablePath = [path, browse, item] {
        path->setEnabled(item->isChecked());
        browse->setEnabled(item->isChecked());
    };
    enablePath();
    QObject::connect(group, &QRadioButton::clicked, &d.dialog, enablePath);
    QObject::connect(item, &QRadioButton::clicked, &d.dialog, enablePath);
    QObject::connect(browse, &QPushButton::clicked, &d.dialog, [&d, name, path] {
        FilePrompt prompt;
        prompt.filter = QStringLiteral("块图文件(*.kdr)|*.kdr||");
        prompt.defaultSuffix = QStringLiteral("kdr");
        if (const auto answer = Prompts::file(&d.dialog, prompt)) {
            path->setText(answer->path);
            name->setText(QFileInfo(pathStem(answer->path)).fileName());
        }
    });
    if (!d.run())
        return false;
    f.item = item->isChecked();
    f.name = name->text().toStdString();
    f.path = f.item ? path->text().toStdString() : std::string();
    return true;
}

bool editSubBlock(SubBlockFields& f, QWidget* parent) {
    FormDialog d("Setup Sub Block", parent);
    QLineEdit* name = d.field("Name", text(f.name));
    QLineEdit* numbers[4] = {d.field("X", QString::number(f.x)), d.field("Y", QString::number(f.y)),
                             d.field("Width", QString::number(f.width)),
                             d.field("Heigh", QString::number(f.height))};
    for (QLineEdit* n : numbers)
        n->setValidator(new QIntValidator(n));
    if (!d.run())
        return false;
    f.name = name->text().toStdString();
    f.x = numbers[0]->text().toInt();
    f.y = numbers[1]->text().toInt();
    f.width = numbers[2]->text().toInt();
    f.height = numbers[3]->text().toInt();
    return true;
}

} // namespace

bool editEntryFields(EntryFields& fields, QWidget* parent) {
    if (auto* section = std::get_if<SectionFields>(&fields))
        return editSection(*section, parent);
    if (auto* increase = std::get_if<IncreaseFields>(&fields))
        return editIncrease(*increase, parent);
    return editSubBlock(std::get<SubBlockFields>(fields), parent);
}

} // namespace kadro::gui
