#include "palette/PaletteToolDialog.h"

#include "app/ColourSwatch.h"
#include "app/Prompts.h"
#include "palette/SelectColorDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace kadro::gui {

const QString PaletteToolDialog::noFileMessage = QStringLiteral("No PAL File Define!");

PaletteToolDialog::PaletteToolDialog(Writer writer, QWidget* parent)
    : QDialog(parent), writer_(std::move(writer)), path_(new QLineEdit(this)),
      swatch_(new ColourSwatch(this)), values_(new QLabel(this)), levels_(new QSpinBox(this)) {
    setWindowTitle(QStringLiteral("PAL process"));
    path_->setObjectName(QStringLiteral("path"));
    path_->setMinimumWidth(260);
    swatch_->setObjectName(QStringLiteral("target"));
    swatch_->setFixedSize(48, 40);
    values_->setObjectName(QStringLiteral("values"));
    levels_->setObjectName(QStringLiteral("levels"));
    levels_->setRange(1, 255);
    levels_->setGroupSeparatorShown(false);
    levels_->setAlignment(Qt::AlignRight);
    auto* brows = new QPushButton(QStringLiteral("Brows"), this);
    brows->setObjectName(QStringLiteral("brows"));
    brows->setAutoDefault(false);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("PAL File:"), this), 0, 0);
    grid->addWidget(path_, 0, 1, 1, 3);
    grid->addWidget(brows, 0, 4);
    grid->addWidget(new QLabel(QStringLiteral("To"), this), 1, 0);
    grid->addWidget(swatch_, 1, 1);
    grid->addWidget(values_, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Level"), this), 2, 0);
    grid->addWidget(levels_, 2, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &PaletteToolDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);

    connect(brows, &QPushButton::clicked, this, &PaletteToolDialog::browse);
    connect(swatch_, &ColourSwatch::clicked, this, &PaletteToolDialog::chooseColour);
    showTarget();
}

void PaletteToolDialog::showTarget() {
    swatch_->setColour(target_);
    values_->setText(channelText(target_));
}

void PaletteToolDialog::chooseColour() {
    if (const auto chosen = Prompts::colour(this, toQColor(target_))) {
        target_ = fromQColor(*chosen);
        showTarget();
    }
}

void PaletteToolDialog::browse() {
    FilePrompt prompt;
    prompt.filter = QStringLiteral("调色板文件(*.pal)|*.pal||");
    prompt.defaultSuffix = QStringLiteral("pal");
    if (const auto answer = Prompts::file(this, prompt))
        path_->setText(answer->path);
}

void PaletteToolDialog::accept() {
    if (path_->text().isEmpty())
        Prompts::message(this, noFileMessage);
    else if (writer_)
        writer_(path_->text(), target_, levels_->value());
    QDialog::accept();
}

} // namespace kadro::gui
