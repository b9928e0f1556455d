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

#include <algorithm>

namespace kadro::gui {

QString PaletteToolDialog::noFileMessage() {
    return tr("No PAL File Define!");
}

QString PaletteToolDialog::levelRangeMessage() {
    return tr("Please enter an integer between %1 and %2.").arg(minLevels).arg(maxLevels);
}

namespace {
// Takes any count as typed, so that OK can refuse one out of range instead of the field quietly
// cutting "300" to "30" or turning "0" into 1; the arrows stay within the range.
class LevelSpinBox : public QSpinBox {
public:
    explicit LevelSpinBox(QWidget* parent) : QSpinBox(parent) {
        setRange(0, 99999);
        setValue(PaletteToolDialog::minLevels);
    }
    void stepBy(int steps) override {
        setValue(std::clamp(value() + steps, PaletteToolDialog::minLevels,
                            PaletteToolDialog::maxLevels));
        selectAll();
    }

protected:
    StepEnabled stepEnabled() const override {
        StepEnabled enabled = StepNone;
        if (value() > PaletteToolDialog::minLevels)
            enabled |= StepDownEnabled;
        if (value() < PaletteToolDialog::maxLevels)
            enabled |= StepUpEnabled;
        return enabled;
    }
};
} // namespace

PaletteToolDialog::PaletteToolDialog(Writer writer, QWidget* parent)
    : QDialog(parent), writer_(std::move(writer)), path_(new QLineEdit(this)),
      swatch_(new ColourSwatch(this)), values_(new QLabel(this)), levels_(new LevelSpinBox(this)) {
    setWindowTitle(tr("PAL process"));
    path_->setObjectName(QStringLiteral("path"));
    path_->setMinimumWidth(260);
    swatch_->setObjectName(QStringLiteral("target"));
    swatch_->setFixedSize(48, 40);
    values_->setObjectName(QStringLiteral("values"));
    levels_->setObjectName(QStringLiteral("levels"));
    levels_->setGroupSeparatorShown(false);
    levels_->setAlignment(Qt::AlignRight);
    auto* brows = new QPushButton(tr("Brows"), this);
    brows->setObjectName(QStringLiteral("brows"));
    brows->setAutoDefault(false);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("PAL File:"), this), 0, 0);
    grid->addWidget(path_, 0, 1, 1, 3);
    grid->addWidget(brows, 0, 4);
    grid->addWidget(new QLabel(tr("To"), this), 1, 0);
    grid->addWidget(swatch_, 1, 1);
    grid->addWidget(values_, 1, 2);
    grid->addWidget(new QLabel(tr("Level"), this), 2, 0);
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
    prompt.filter = tr("调色板文件(*.pal)|*.pal||");
    prompt.defaultSuffix = QStringLiteral("pal");
    if (const auto answer = Prompts::file(this, prompt))
        path_->setText(answer->path);
}

void PaletteToolDialog::accept() {
    bool number = false;
    const int levels = levels_->cleanText().toInt(&number);
    if (!number || levels < minLevels || levels > maxLevels) {
        Prompts::message(this, levelRangeMessage(), PromptIcon::Information);
        levels_->setFocus();
        levels_->selectAll();
        return;
    }
    if (path_->text().isEmpty())
        Prompts::message(this, noFileMessage());
    else if (writer_)
        writer_(path_->text(), target_, levels);
    QDialog::accept();
}

} // namespace kadro::gui
