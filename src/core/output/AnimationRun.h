#pragma once

#include "common/ChipRules.h"
#include "picture/KdrFile.h"

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kadro {

class ConvertedData;
class UserInterface;

// Converts one frame in animation mode (fixed settings, palettes from "ani.pal") with its PGT
// starting at startAddress; nothing when the frame cannot be loaded or converted (the reason
// already shown). runAnimationBatch gives the run its frames this way.
using FrameConverter = std::function<std::optional<KdrDocument>(const std::string& framePath,
                                                                std::uint16_t startAddress)>;

// The batch run over a frame list: all frames' tiles in "ANIPGT.BIN" behind a sprite pattern
// block at every 512 KB, their names in "ANIPNT%02X.asm" files of 32 KB in 8 KB pages, one
// palette each in "ANIPAL.asm", one record each in "ANIINDEX.asm" and the frame list "ANI.asm".
class AnimationRun {
public:
    static constexpr const char* spriteBlockName = "Sprite_pgt.bin";
    static constexpr std::size_t spriteBlockBytes = chip::patternBlockBytes;
    static constexpr std::size_t reservedBytes = 0x4000; // sprite block and space after it
    static constexpr std::size_t romBlock = chip::romBytes;
    static constexpr int nameFileBytes = 0x8000;
    static constexpr int namePageBytes = 0x2000;
    // Bytes no step writes (after a sprite block, or skipped at a 512 KB jump): erased flash.
    static constexpr std::uint8_t unusedByte = 0xFF;

    // Files are read from and written to directory (empty = the current one).
    AnimationRun(std::string directory, FrameConverter convert, UserInterface& ui)
        : directory_(std::move(directory)), convert_(std::move(convert)), ui_(ui) {}

    // Runs over the frames in the given order. Output files are written only when every frame
    // went through; a frame that fails stops the run with a message naming it and leaves the
    // output files as they were.
    bool run(const std::vector<std::string>& frames);

    // The words of a frame list file, or nothing when it cannot be read.
    static std::optional<std::vector<std::string>> readFrameList(const std::string& path);
    // The list box's order: alphabetical without regard to case.
    static void sortFrames(std::vector<std::string>& frames);

    // Names of the files the last successful run wrote, in writing order.
    const std::vector<std::string>& writtenFiles() const { return written_; }

private:
    struct State {
        std::vector<std::uint8_t> pattern;
        std::size_t patternLength = 0;
        int nameCount = 0;
        int nameFileNumber = 0;
        std::vector<std::string> nameFiles;
        std::string palettes, index, frames;
        std::optional<KdrDocument> lastFrame; // its scratch files are written at the end
    };

    bool processFrame(State& state, const std::string& entry);
    void placeSpriteBlock(State& state, std::size_t base);
    // Adds a frame's name table to the name files, opening a new file or 8 KB page where one
    // fills up; gives the number of the frame's first name.
    int appendNames(State& state, const std::string& stem, const ConvertedData& data);
    bool commit(const State& state);
    bool stop(const std::string& entry, const std::string& reason);

    std::string directory_;
    FrameConverter convert_;
    UserInterface& ui_;
    std::vector<std::uint8_t> spriteBlock_;
    std::vector<std::string> written_;
};

} // namespace kadro
