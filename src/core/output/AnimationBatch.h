#pragma once

#include "picture/DibImage.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kadro {

class UserInterface;

// Loads one frame's picture; nothing when it cannot, the reason already told.
using FrameLoader = std::function<std::optional<DibImage>(const std::string& path)>;

// The batch process: a frame list converted frame by frame in animation mode into the animation
// sources. Everything of one run lies in its folder: the frames the list names (unless their
// paths are absolute), "Sprite_pgt.bin", "ani.pal", whose palettes every frame takes, and the
// sources written.
struct AnimationBatch {
    std::string folder; // empty: the current folder
    std::string programDirectory;
    FrameLoader load; // by default through the format modules, telling the frames' person
};

// Runs over the frames in the given order. The frames' conversions talk to frameUi, the run
// (its progress, a frame that stops it, the files) to ui. The files written, or nothing when
// the run stopped.
std::optional<std::vector<std::string>> runAnimationBatch(const AnimationBatch& batch,
                                                          const std::vector<std::string>& frames,
                                                          UserInterface& ui,
                                                          UserInterface& frameUi);

} // namespace kadro
