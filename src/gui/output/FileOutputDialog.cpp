#include "output/FileOutputDialog.h"

#include "app/PathText.h"
#include "app/Prompts.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace kadro::gui {

namespace {
QRadioButton* radio(const char* text, QWidget* parent) {
    auto* button = new QRadioButton(QString::fromLatin1(text), parent);
    button->setObjectName(QString::fromLatin1(text).toLower());
    return button;
}

// Two radio buttons in a small group box of their own, so each pair is exclusive; the box's
// title says what the pair chooses.
QGroupBox* pair(const QString& title, QRadioButton* first, QRadioButton* second, int chosen) {
    auto* box = new QGroupBox(title);
    auto* layout = new QHBoxLayout(box);
    layout->addWidget(first);
    layout->addWidget(second);
    (chosen == 1 ? second : first)->setChecked(true);
    return box;
}
} // namespace

FileOutputChoices FileOutputChoices::forDocument(const QString& openedPath, int level) {
    FileOutputChoices choices;
    const QString stem = pathStem(openedPath);
    choices.pgtPath = stem + QStringLiteral("_pgt.bin");
    choices.pntPath = stem + QStringLiteral("_pnt.asm");
    choices.level = level;
    return choices;
}

FileOutputDialog::FileOutputDialog(const FileOutputChoices& c, QWidget* parent)
    : QDialog(parent), pgtPath_(new QLineEdit(c.pgtPath, this)),
      pntPath_(new QLineEdit(c.pntPath, this)), level_(new QSpinBox(this)),
      bin_(radio("BIN", this)), asm_(radio("ASM", this)), bit8_(radio("8bit", this)),
      bit16_(radio("16bit", this)), txt_(radio("TXT", this)), spr_(radio("SPR", this)),
      nor_(radio("NOR", this)), ext_(radio("EXT", this)) {
    setWindowTitle(tr("File Output"));
    pgtPath_->setObjectName(QStringLiteral("pgtPath"));
    pntPath_->setObjectName(QStringLiteral("pntPath"));
    pgtPath_->setMinimumWidth(320);
    level_->setObjectName(QStringLiteral("level"));
    level_->setRange(0, 255); // stored in one byte of the document header
    level_->setValue(c.level);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("PGT File"), this));
    layout->addWidget(pathRow(pgtPath_, "browsePgt", tr("PGT文件(*.bin,*.asm)|*.bin||")));
    layout->addWidget(new QLabel(tr("PNT File"), this));
    layout->addWidget(pathRow(pntPath_, "browsePnt", tr("PNT文件(*.asm)|*.asm||")));

    auto* options = new QGridLayout;
    options->addWidget(pair(tr("PGT format"), bin_, asm_, c.pgtFormat), 0, 0);
    options->addWidget(pair(tr("PGT width"), bit8_, bit16_, c.pgtWidth), 0, 1);
    options->addWidget(pair(tr("PNT content"), txt_, spr_, c.pntContent), 1, 0);
    options->addWidget(pair(tr("Sprite format"), nor_, ext_, c.spriteFormat), 1, 1);
    auto* levelRow = new QHBoxLayout;
    levelRow->addWidget(new QLabel(tr("LEVEL"), this));
    levelRow->addWidget(level_);
    levelRow->addStretch();
    layout->addLayout(options);
    layout->addLayout(levelRow);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(bin_, &QRadioButton::clicked, this, [this] { formatClicked(".bin"); });
    connect(asm_, &QRadioButton::clicked, this, [this] { formatClicked(".asm"); });
}

QWidget* FileOutputDialog::pathRow(QLineEdit* field, const char* buttonName,
                                   const QString& filter) {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* browse = new QPushButton(tr("Browse..."), row);
    browse->setObjectName(QLatin1String(buttonName));
    browse->setAutoDefault(false);
    layout->addWidget(field);
    layout->addWidget(browse);
    connect(browse, &QPushButton::clicked, this,
            [this, field, filter] { this->browse(field, filter); });
    return row;
}

void FileOutputDialog::formatClicked(const char* suffix) {
    pgtPath_->setText(pathStem(pgtPath_->text()) + QLatin1String(suffix));
}

void FileOutputDialog::browse(QLineEdit* field, const QString& filter) {
    FilePrompt prompt;
    prompt.filter = filter;
    prompt.initialPath = field->text();
    if (auto answer = Prompts::file(this, prompt))
        field->setText(answer->path);
}

FileOutputChoices FileOutputDialog::choices() const {
    FileOutputChoices c;
    c.pgtPath = pgtPath_->text();
    c.pntPath = pntPath_->text();
    c.level = level_->value();
    c.pgtFormat = asm_->isChecked() ? 1 : 0;
    c.pgtWidth = bit16_->isChecked() ? 1 : 0;
    c.pntContent = spr_->isChecked() ? 1 : 0;
    c.spriteFormat = ext_->isChecked() ? 1 : 0;
    return c;
}

} // namespace kadro::gui
