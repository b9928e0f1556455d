#pragma once

#include "common/Colour.h"

#include <array>
#include <string_view>

namespace kadro {

enum class MessageIcon { Information, Warning };

// The one way the core reaches a person. The desktop program answers with dialogs, the command
// line with stderr and a terminal progress bar, tests with a recording fake. No core function
// shows, prints or exits by itself.
class UserInterface {
public:
    virtual ~UserInterface() = default;

    // A message box with the system's exact text.
    virtual void showMessage(std::string_view text, MessageIcon icon = MessageIcon::Information,
                             std::string_view caption = {}) = 0;

    // Between fitting and cutting: the person reviews or edits the 16 palettes in place.
    // Returns false for Cancel.
    virtual bool setUpPalettes(std::array<PaletteSlot, 256>& paletteTable) = 0;

    // Progress of long work: a stage text, a range and a step; advance() moves one step.
    virtual void beginProgress(std::string_view text, int low, int high, int step) = 0;
    virtual void setProgressText(std::string_view text) = 0;
    virtual void advanceProgress() = 0;
    virtual void endProgress() = 0;
};

// Accepts everything silently; for callers that have nobody to ask.
class SilentUserInterface : public UserInterface {
public:
    void showMessage(std::string_view, MessageIcon, std::string_view) override {}
    bool setUpPalettes(std::array<PaletteSlot, 256>&) override { return true; }
    void beginProgress(std::string_view, int, int, int) override {}
    void setProgressText(std::string_view) override {}
    void advanceProgress() override {}
    void endProgress() override {}
};

// Closes the progress window on every path out of a long operation.
class ProgressScope {
public:
    ProgressScope(UserInterface& ui, std::string_view text, int low, int high, int step) : ui_(ui) {
        ui_.beginProgress(text, low, high, step);
    }
    ~ProgressScope() { ui_.endProgress(); }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;

private:
    UserInterface& ui_;
};

} // namespace kadro
