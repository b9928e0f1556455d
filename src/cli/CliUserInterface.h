#pragma once

#include "common/UserInterface.h"

#include <string>

namespace kadro::cli {

// The command line's person: messages on stderr in the person's language, palettes accepted as
// fitted, and a progress bar on stderr when it is a terminal and the command wants one.
class CliUserInterface : public UserInterface {
public:
    CliUserInterface();
    void showMessage(std::string_view text, MessageIcon icon, std::string_view caption) override;
    bool setUpPalettes(std::array<PaletteSlot, 256>& paletteTable) override;
    void beginProgress(std::string_view text, int low, int high, int step) override;
    void setProgressText(std::string_view text) override;
    void advanceProgress() override;
    void endProgress() override;

    // Messages shown so far; a failing command prints nothing more when one already explains it.
    int messageCount() const { return messages_; }
    // Long work shows its stage and a bar; short work would only flicker.
    void showProgress(bool show) { showProgress_ = show; }

private:
    void drawBar();

    bool terminal_;
    bool showProgress_ = false;
    int messages_ = 0;
    bool active_ = false;
    std::string text_;
    int low_ = 0, high_ = 0, step_ = 1, position_ = 0;
};

} // namespace kadro::cli
