#pragma once

#include "common/UserInterface.h"

#include <functional>
#include <string>
#include <vector>

namespace kadro::test {

// Records what the core shows and answers the palette question as told.
class RecordingUserInterface : public UserInterface {
public:
    std::vector<std::string> messages;
    std::vector<std::string> progressTexts;
    int progressSteps = 0;
    int openProgress = 0;
    bool acceptPalettes = true;
    std::function<void(std::array<PaletteSlot, 256>&)> editPalettes;

    void showMessage(std::string_view text, MessageIcon, std::string_view) override {
        messages.emplace_back(text);
    }
    bool setUpPalettes(std::array<PaletteSlot, 256>& table) override {
        if (editPalettes)
            editPalettes(table);
        return acceptPalettes;
    }
    void beginProgress(std::string_view text, int, int, int) override {
        ++openProgress;
        progressTexts.emplace_back(text);
    }
    void setProgressText(std::string_view text) override { progressTexts.emplace_back(text); }
    void advanceProgress() override { ++progressSteps; }
    void endProgress() override { --openProgress; }
};

} // namespace kadro::test
