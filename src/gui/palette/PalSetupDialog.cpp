#include "palette/PalSetupDialog.h"

#include "app/Language.h"
#include "app/Prompts.h"
#include "palette/PalettePanel.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kadro::gui {

namespace {
const char* const paletteFilter =
    QT_TRANSLATE_NOOP("kadro::gui::PalSetupDialog", "调色板文件(*.pal)|*.pal||");

// The row labels "00" .. "0F" beside the grid, each level with its row of cells.
QWidget* rowLabels(QWidget* parent) {
    auto* labels = new QWidget(parent);
    const QRect last = PalettePanel::cellRect(PalettePanel::slotCount - 1);
    // The panel sits inside a 1-pixel frame with a 1-pixel margin.
    constexpr int frameOffset = 2;
    labels->setFixedSize(24, last.bottom() + 1 + PalettePanel::margin + 2 * frameOffset);
    for (int row = 0; row < 16; ++row) {
        auto* label =
            new QLabel(QStringLiteral("%1").arg(row, 2, 16, QLatin1Char('0')).toUpper(), labels);
        QFont font = label->font();
        font.setPointSizeF(7.5);
        label->setFont(font);
        const QRect cell = PalettePanel::cellRect(row * 16);
        label->setGeometry(0, cell.top() + frameOffset, 22, PalettePanel::cellHeight);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    return labels;
}
} // namespace

PalSetupDialog::PalSetupDialog(PaletteTable& table, QWidget* parent)
    : QDialog(parent), table_(table), panel_(new PalettePanel(table, this)) {
    setWindowTitle(tr("VT03 PAL Setup"));
    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    auto* frameLayout = new QHBoxLayout(frame);
    frameLayout->setContentsMargins(1, 1, 1, 1);
    frameLayout->addWidget(panel_);

    auto* grid = new QHBoxLayout;
    grid->setSpacing(2);
    grid->addWidget(rowLabels(this), 0, Qt::AlignTop);
    grid->addWidget(frame);

    auto* load = new QPushButton(tr("Load"), this);
    auto* save = new QPushButton(tr("Save"), this);
    load->setObjectName(QStringLiteral("load"));
    save->setObjectName(QStringLiteral("save"));
    load->setAutoDefault(false);
    save->setAutoDefault(false);
    auto* next = new QPushButton(tr("Next"), this);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    next->setDefault(true);
    auto* side = new QVBoxLayout;
    side->addWidget(load);
    side->addWidget(save);
    side->addStretch();
    side->addWidget(next);
    side->addWidget(cancel);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(side);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(load, &QPushButton::clicked, this, &PalSetupDialog::loadPalette);
    connect(save, &QPushButton::clicked, this, &PalSetupDialog::savePalette);
    connect(next, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void PalSetupDialog::loadPalette() {
    FilePrompt prompt;
    prompt.filter = tr(paletteFilter);
    prompt.defaultSuffix = QStringLiteral("pal");
    const auto answer = Prompts::file(this, prompt);
    if (!answer)
        return;
    const std::string path = answer->path.toStdString();
    const PaletteFileRead read = readPaletteFile(path);
    if (read.status != PaletteFileStatus::Ok) {
        const QString text = read.status == PaletteFileStatus::NotPalette
                                 ? trCore(notPaletteFileMessage)
                                 : trCore(describePaletteFailure(path, read.status));
        Prompts::message(this, text);
        return;
    }
    mergeUsedSlots(table_, read.slots);
    panel_->update();
}

void PalSetupDialog::savePalette() {
    FilePrompt prompt;
    prompt.kind = FilePrompt::Kind::Save;
    prompt.filter = tr(paletteFilter);
    prompt.defaultSuffix = QStringLiteral("pal");
    const auto answer = Prompts::file(this, prompt);
    if (!answer)
        return;
    std::string error;
    if (!writePaletteFile(answer->path.toStdString(), table_, &error))
        Prompts::message(this, trCore(error));
}

} // namespace kadro::gui
