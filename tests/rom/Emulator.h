#pragma once

#include "common/Colour.h"
#include "picture/DibImage.h"

#include <optional>
#include <string>
#include <vector>

// Runs a 512 KB ROM in MAME's VT03 machine without a window and reads back its screen.
namespace kadro::test::rom {

// Holds a joypad button ("P1 Right", "P1 Down", ...) from one frame to another.
struct ButtonHold {
    std::string button;
    int fromFrame = 0;
    int toFrame = 0;
};

struct EmulatorRun {
    std::optional<DibImage> screen; // the 256 x 240 screen at the end of the run
    std::string error;              // why there is no screen, with the emulator's output
};

// The emulator, or empty when it is not installed.
std::string findMame();

// Runs the ROM for the given emulated time, pressing the buttons, and takes a screenshot
// at the end (a scripted run: a tenth of a second before the end).
EmulatorRun runRom(const std::string& romPath, double seconds, const std::vector<ButtonHold>& buttons = {});

struct ScreenDifference {
    int pixels = 0; // differing pixels
    int x = 0, y = 0; // the first one
    Colour shown = 0, expected = 0;
};

// Compares the screen with the picture seen from (viewX, viewY); screen pixels past the
// picture's edge are not compared.
ScreenDifference compareScreen(const DibImage& screen, const DibImage& picture, int viewX, int viewY);

std::optional<DibImage> readBmp(const std::string& path);

} // namespace kadro::test::rom
