#include "output/TvEffect.h"

#include "output/TestRom.h"
#include "picture/Picture.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QPushButton>
#include <QVBoxLayout>

namespace kadro::gui {

TvDisplayDialog::TvDisplayDialog(QWidget* parent) : QDialog(parent), panels_(new QComboBox(this)) {
    setWindowTitle(tr("TV Display Config"));
    panels_->setObjectName(QStringLiteral("panels"));
    for (std::string_view code : TestRom::panelCodes)
        panels_->addItem(QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size())));
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("Next"), QDialogButtonBox::AcceptRole)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panels_);
    layout->addWidget(buttons);
}

int TvDisplayDialog::panelIndex() const {
    return panels_->currentIndex();
}

QString runTvEffect(const Picture& picture, const std::string& programDirectory, UserInterface& ui,
                    QWidget* parent) {
    const ConversionResults* results = picture.results();
    if (!picture.hasConversion() || !results)
        return {};
    TvDisplayDialog dialog(parent);
    // Closing the dialog without Next keeps the first panel.
    const int panel = dialog.exec() == QDialog::Accepted ? dialog.panelIndex() : 0;
    const auto made = TestRom::make(programDirectory, ConvertedData(picture.settings, *results),
                                    panel, VolumeFinder(), ui);
    if (!made || !made->delivery.imageSaved)
        return {};
    const TestRom::Delivery& delivery = made->delivery;
    QString text = TvDisplayDialog::tr("Test ROM saved as %1")
                       .arg(QDir::toNativeSeparators(QString::fromStdString(delivery.imagePath)));
    if (delivery.copy)
        text += TvDisplayDialog::tr(", copied to %1").arg(QString::fromStdString(*delivery.copy));
    return text;
}

} // namespace kadro::gui
