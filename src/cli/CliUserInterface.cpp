#include "CliUserInterface.h"

#include "Text.h"

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <unistd.h>

namespace kadro::cli {

CliUserInterface::CliUserInterface() : terminal_(isatty(STDERR_FILENO) != 0) {}

void CliUserInterface::showMessage(std::string_view text, MessageIcon, std::string_view) {
    if (active_ && terminal_ && showProgress_)
        std::cerr << '\n';
    std::cerr << "kadro-cli: " << trMessage(text) << '\n';
    ++messages_;
}

bool CliUserInterface::setUpPalettes(std::array<PaletteSlot, 256>&) {
    return true;
}

void CliUserInterface::beginProgress(std::string_view text, int low, int high, int step) {
    active_ = true;
    text_ = trMessage(text);
    low_ = low;
    high_ = high;
    step_ = step;
    position_ = low;
    drawBar();
}

void CliUserInterface::setProgressText(std::string_view text) {
    text_ = trMessage(text);
    drawBar();
}

void CliUserInterface::advanceProgress() {
    position_ = std::min(high_, position_ + step_);
    drawBar();
}

void CliUserInterface::endProgress() {
    if (active_ && terminal_ && showProgress_)
        std::cerr << "\r\033[K" << std::flush;
    active_ = false;
}

void CliUserInterface::drawBar() {
    if (!terminal_ || !active_ || !showProgress_)
        return;
    constexpr int width = 30;
    const int span = std::max(1, high_ - low_);
    const int filled = std::clamp((position_ - low_) * width / span, 0, width);
    std::cerr << "\r" << text_ << " [" << std::string(static_cast<std::size_t>(filled), '#')
              << std::string(static_cast<std::size_t>(width - filled), ' ') << "]" << std::flush;
}

} // namespace kadro::cli
