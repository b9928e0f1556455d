#pragma once

#include "common/UserInterface.h"

#include <QPointer>

class QWidget;

namespace kadro::gui {

class ProgressDialog;

// The core's way to the person, answered with the desktop program's own windows: message boxes
// (through Prompts, so tests can answer them), the "VT03 PAL Setup" dialog and the progress
// window.
class QtUserInterface : public UserInterface {
public:
    explicit QtUserInterface(QWidget* window = nullptr) : window_(window) {}
    void setWindow(QWidget* window) { window_ = window; }

    void showMessage(std::string_view text, MessageIcon icon, std::string_view caption) override;
    bool setUpPalettes(std::array<PaletteSlot, 256>& paletteTable) override;
    void beginProgress(std::string_view text, int low, int high, int step) override;
    void setProgressText(std::string_view text) override;
    void advanceProgress() override;
    void endProgress() override;

private:
    QPointer<QWidget> window_;
    QPointer<ProgressDialog> progress_;
};

} // namespace kadro::gui
