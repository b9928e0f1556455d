#include "app/QtUserInterface.h"

#include "app/Language.h"

#include "app/Prompts.h"
#include "palette/PalSetupDialog.h"
#include "project/ProgressDialog.h"

#include <QString>

namespace kadro::gui {

void QtUserInterface::showMessage(std::string_view message, MessageIcon icon, std::string_view) {
    Prompts::message(window_, trCore(message),
                     icon == MessageIcon::Warning ? PromptIcon::Warning : PromptIcon::Information);
}

bool QtUserInterface::setUpPalettes(std::array<PaletteSlot, 256>& paletteTable) {
    PalSetupDialog dialog(paletteTable, window_);
    return dialog.exec() == QDialog::Accepted;
}

void QtUserInterface::beginProgress(std::string_view message, int low, int high, int step) {
    if (!progress_) {
        // No parent, as a window of its own, so it shows even while a dialog is modal.
        progress_ = new ProgressDialog(nullptr);
        progress_->setAttribute(Qt::WA_DeleteOnClose);
        progress_->show();
    }
    progress_->setStep(step);
    progress_->setRange(low, high);
    progress_->setText(trCore(message));
}

void QtUserInterface::setProgressText(std::string_view message) {
    if (progress_)
        progress_->setText(trCore(message));
}

void QtUserInterface::advanceProgress() {
    if (progress_)
        progress_->advance();
}

void QtUserInterface::endProgress() {
    if (progress_)
        progress_->close();
}

} // namespace kadro::gui
