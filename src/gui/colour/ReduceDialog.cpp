#include "colour/ReduceDialog.h"

#include "app/DibQImage.h"
#include "common/ChipRules.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QSlider>
#include <QVBoxLayout>

#include <cmath>

namespace kadro::gui {

namespace {

// Pictures up to this size are shown enlarged by whole steps, larger ones shrunk to it.
constexpr int previewSide = 480;

QPixmap previewOf(const DibImage& image) {
    const QImage picture = qImageOf(image);
    if (picture.isNull())
        return {};
    const int zoom = std::max(1, previewSide / std::max(picture.width(), picture.height()));
    if (picture.width() * zoom <= previewSide && picture.height() * zoom <= previewSide)
        return QPixmap::fromImage(
            picture.scaled(picture.size() * zoom, Qt::KeepAspectRatio, Qt::FastTransformation));
    return QPixmap::fromImage(
        picture.scaled(previewSide, previewSide, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

QComboBox* comboOf(QWidget* parent, const QStringList& items) {
    auto* box = new QComboBox(parent);
    box->addItems(items);
    return box;
}

class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
};

} // namespace

ReduceDialog::ReduceDialog(const DibImage& picture, const ColorTables& tables, UserInterface& ui,
                           QWidget* parent)
    : QDialog(parent), picture_(picture), tables_(tables), ui_(ui) {
    setWindowTitle(tr("Reduce to VT03 colours"));
    // A title and a close button only, as the program's other dialogs.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    QStringList modes;
    for (auto name : chip::colourModeNames)
        modes << QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    mode_ = comboOf(this, modes);
    colours_ = comboOf(this, {QStringLiteral("16"), QStringLiteral("4")});
    dither_ = comboOf(this, {tr("None"), tr("Ordered"), tr("Diffusion")});
    strength_ = new QSlider(Qt::Horizontal, this);
    strength_->setRange(0, 100);
    strength_->setValue(100);
    original_ = new QLabel(this);
    preview_ = new QLabel(this);
    psnr_ = new QLabel(this);
    original_->setPixmap(previewOf(picture));

    auto* pictures = new QGridLayout;
    pictures->addWidget(new QLabel(tr("Original"), this), 0, 0);
    pictures->addWidget(new QLabel(tr("Reduced"), this), 0, 1);
    pictures->addWidget(original_, 1, 0, Qt::AlignTop);
    pictures->addWidget(preview_, 1, 1, Qt::AlignTop);
    auto* choices = new QFormLayout;
    choices->addRow(tr("Color Mode"), mode_);
    choices->addRow(tr("Color SUM"), colours_);
    choices->addRow(tr("Dither"), dither_);
    choices->addRow(tr("Strength"), strength_);
    choices->addRow(tr("PSNR"), psnr_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pictures);
    layout->addLayout(choices);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(mode_, &QComboBox::currentIndexChanged, this, [this] { plan(); });
    connect(colours_, &QComboBox::currentIndexChanged, this, [this] { plan(); });
    connect(dither_, &QComboBox::currentIndexChanged, this, [this] { map(); });
    connect(strength_, &QSlider::valueChanged, this, [this] { map(); });
    plan();
}

ReduceSettings ReduceDialog::settings() const {
    ReduceSettings s;
    s.colourMode = chip::colourModeOf(mode_->currentIndex());
    s.colourCount = chip::colourCountOf(colours_->currentIndex());
    s.dither = static_cast<Dither>(dither_->currentIndex());
    s.strength = static_cast<float>(strength_->value()) / 100.0f;
    return s;
}

void ReduceDialog::plan() {
    {
        WaitCursor wait;
        plan_ = ReductionPlan::plan(picture_,
                                    Selection::fromSize(0, 0, picture_.width(), picture_.height()),
                                    settings(), tables_, ui_);
    }
    map();
}

void ReduceDialog::map() {
    strength_->setEnabled(dither_->currentIndex() != 0);
    if (!plan_) {
        reduced_.reset();
        preview_->clear();
        psnr_->clear();
        return;
    }
    const auto s = settings();
    reduced_ = picture_;
    plan_->apply(plan_->map(s.dither, s.strength, reduction_), *reduced_);
    preview_->setPixmap(previewOf(*reduced_));
    psnr_->setText(std::isinf(reduction_.psnr) ? tr("exact")
                                               : tr("%1 dB").arg(reduction_.psnr, 0, 'f', 2));
}

} // namespace kadro::gui
