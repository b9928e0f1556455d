#include "output/AnimationRun.h"

#include "common/FileIo.h"
#include "common/Paths.h"
#include "common/UserInterface.h"
#include "output/AsmText.h"
#include "output/AsmWriter.h"
#include "output/ConvertedData.h"
#include "output/ScratchBinaries.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace kadro {

namespace {

constexpr int tileBytes = chip::pgtBytesPerChar(0, 0); // one 16-colour 8 x 8 tile

const char* const nameFileStart = "\n\n\t\torg\t$8000\n\n\t\tphs\t$8000\n";

std::string nameFileName(int number) {
    char name[32];
    std::snprintf(name, sizeof name, "ANIPNT%02X.asm", number);
    return name;
}

// Why a frame's file cannot be used, told apart from a picture that does not load or convert;
// empty when the file is there to read.
std::string frameFileProblem(const std::string& directory, const std::string& entry) {
    namespace fs = std::filesystem;
    const fs::path path = directory.empty() ? fs::path(entry) : fs::path(directory) / entry;
    std::error_code ec;
    if (!fs::exists(path, ec))
        return "not found";
    if (fs::is_directory(path, ec) || !std::ifstream(path, std::ios::binary))
        return "cannot be read";
    return {};
}

std::string indexRecord(const std::string& stem, std::size_t patternLength, int firstName) {
    const auto hex = [](std::size_t value) {
        return AsmText::hex(static_cast<std::uint32_t>(value));
    };
    AsmText text;
    text.label(stem + "_BG");
    text.raw("\tdb\tV_Bank0+" + hex(patternLength / AnimationRun::romBlock * 16) + ",V_Bank1+" +
             hex(patternLength / chip::patternBlockBytes & 0xFF) + "\n");
    text.raw("\tdb\tPNT_Bank+" +
             hex(static_cast<std::size_t>(firstName / AnimationRun::namePageBytes)) + "\n");
    text.pointer(stem + "_pnt");
    return text.take();
}

} // namespace

std::optional<std::vector<std::string>> AnimationRun::readFrameList(const std::string& path) {
    const auto bytes = fileio::readFile(path, 1u << 24);
    if (!bytes)
        return std::nullopt;
    std::istringstream words(std::string(bytes->begin(), bytes->end()));
    std::vector<std::string> frames;
    for (std::string word; words >> word;)
        frames.push_back(word);
    return frames;
}

void AnimationRun::sortFrames(std::vector<std::string>& frames) {
    std::stable_sort(frames.begin(), frames.end(), [](const std::string& a, const std::string& b) {
        return paths::toLower(a) < paths::toLower(b);
    });
}

bool AnimationRun::stop(const std::string& entry, const std::string& reason) {
    ui_.showMessage(entry + ": " + reason + "; the batch run stops", MessageIcon::Warning);
    return false;
}

void AnimationRun::placeSpriteBlock(State& state, std::size_t base) {
    state.pattern.resize(base + reservedBytes, unusedByte);
    std::copy(spriteBlock_.begin(), spriteBlock_.end(),
              state.pattern.begin() + static_cast<std::ptrdiff_t>(base));
    state.patternLength = base + reservedBytes;
}

int AnimationRun::appendNames(State& state, const std::string& stem, const ConvertedData& data) {
    const int tiles = data.cellCount();
    // The index gives a frame's page as its first name / 8 KB and its label inside that page,
    // so a frame's names never cross a page: one that would starts the next page (or file),
    // and the rest of its page is filled so that every page keeps its 8 KB.
    const int pageEnd = (state.nameCount / namePageBytes + 1) * namePageBytes;
    if (state.nameCount % namePageBytes != 0 && state.nameCount + tiles > pageEnd) {
        AsmText fill;
        fill.dataLines(std::vector<std::uint32_t>(
            static_cast<std::size_t>(pageEnd - state.nameCount), unusedByte));
        state.nameFiles.back() += fill.take();
        state.nameCount = pageEnd;
    }
    if (state.nameCount != 0 && state.nameCount % nameFileBytes == 0) {
        state.nameFiles.back() +=
            "\t\tdph\n\n\n\t\tcharge\t" + nameFileName(state.nameFileNumber + 1) + "\n\n";
        ++state.nameFileNumber;
        state.nameFiles.emplace_back(nameFileStart);
    }
    if (state.nameCount % namePageBytes == 0 && state.nameCount % nameFileBytes != 0)
        state.nameFiles.back() += "\t\tdph\n\t\tphs\t$8000\n";
    std::vector<std::uint32_t> names;
    for (int i = 0; i < tiles; ++i)
        names.push_back(data.name(i) & 0xFFu);
    AsmText text;
    text.label(stem + "_pnt");
    text.dataLines(names);
    // Only a table whose last line is full is followed by an empty line.
    if (tiles % 16 == 0)
        text.newline();
    state.nameFiles.back() += text.take();
    const int first = state.nameCount;
    state.nameCount += tiles;
    return first;
}

bool AnimationRun::processFrame(State& state, const std::string& entry) {
    const std::string stem = paths::baseName(entry);
    if (const std::string problem = frameFileProblem(directory_, entry); !problem.empty())
        return stop(entry, problem);
    for (bool moved = false;; moved = true) {
        const auto doc = convert_(
            entry, static_cast<std::uint16_t>(state.patternLength % chip::patternBlockBytes));
        if (!doc)
            return stop(entry, "cannot be loaded or converted");
        const ConvertedData data(doc->settings, doc->results);
        if (const std::string problem = data.problem(); !problem.empty())
            return stop(entry, "damaged conversion results: " + problem);
        if (doc->settings.colourCount != 0 || doc->settings.charSize != 0)
            return stop(entry, "not converted with 16 colours and 8*8 characters");
        if (data.bankCount() > 1)
            return stop(entry, "its tiles need more than one 8 KB pattern bank");
        if (data.cellCount() == 0)
            return stop(entry, "the picture has no tiles");
        if (data.cellCount() > namePageBytes)
            return stop(entry, "its " + std::to_string(data.cellCount()) +
                                   " names do not fit one 8 KB page of names");

        int lo = 0xFF, hi = 0;
        for (int cell = 0; cell < data.cellCount(); ++cell) {
            lo = std::min(lo, data.name(cell) & 0xFF);
            hi = std::max(hi, data.name(cell) & 0xFF);
        }
        const auto b = static_cast<std::size_t>(lo * tileBytes);
        const auto e = static_cast<std::size_t>((hi + 1) * tileBytes);
        if (e > data.pattern().size())
            return stop(entry, "its names point past its tiles");
        const std::size_t length = e - b;

        // A frame's tiles never straddle a 512 KB block: it moves behind a fresh sprite block.
        if (state.patternLength / romBlock != (state.patternLength + length) / romBlock) {
            if (moved)
                return stop(entry, "its tiles do not fit into one 512 KB block");
            placeSpriteBlock(state, (state.patternLength + length) / romBlock * romBlock);
            continue;
        }

        // The index holds the pattern's 512 KB block (times 16) and the names' page in one
        // byte each.
        if (state.patternLength / romBlock * 16 > 0xFF)
            return stop(entry, "the animation's patterns pass 8 MB, so its 512 KB block number " +
                                   AsmText::hex(static_cast<std::uint32_t>(state.patternLength /
                                                                           romBlock * 16)) +
                                   " does not fit a byte");
        const int firstName = appendNames(state, stem, data);
        if (firstName / namePageBytes > 0xFF)
            return stop(entry,
                        "the names pass 2 MB, so the page number " +
                            AsmText::hex(static_cast<std::uint32_t>(firstName / namePageBytes)) +
                            " does not fit a byte");

        state.palettes += AsmWriter::paletteTable(data, stem + "_pal", 16);
        state.pattern.resize(std::max(state.pattern.size(), state.patternLength + length),
                             unusedByte);
        std::copy(data.pattern().begin() + static_cast<std::ptrdiff_t>(b),
                  data.pattern().begin() + static_cast<std::ptrdiff_t>(e),
                  state.pattern.begin() + static_cast<std::ptrdiff_t>(state.patternLength));
        state.index += indexRecord(stem, state.patternLength, firstName);
        state.frames += "\tdw\t" + stem + "_BG\n";
        state.patternLength += length;
        state.lastFrame = std::move(*doc);
        return true;
    }
}

bool AnimationRun::commit(const State& state) {
    std::vector<std::pair<std::string, std::string>> texts{{"ANI.asm", state.frames},
                                                           {"ANIINDEX.asm", state.index}};
    for (std::size_t i = 0; i < state.nameFiles.size(); ++i) {
        std::string text = state.nameFiles[i];
        if (i + 1 == state.nameFiles.size())
            text += "\t\tdph\n\n\t\tcharge\tMindex00.asm\n\n";
        texts.emplace_back(nameFileName(static_cast<int>(i)), std::move(text));
    }
    texts.emplace_back("ANIPAL.asm", state.palettes);
    // One set, so that a file that cannot be written leaves the previous animation whole.
    fileio::FileSet files;
    for (const auto& [name, text] : texts)
        files.addText(paths::join(directory_, name), text);
    files.add(paths::join(directory_, "ANIPGT.BIN"),
              {state.pattern.begin(),
               state.pattern.begin() + static_cast<std::ptrdiff_t>(state.patternLength)});
    if (!files.commit())
        return ui_.showMessage(files.error(), MessageIcon::Warning), false;
    for (const auto& [name, text] : texts)
        written_.push_back(name);
    written_.push_back("ANIPGT.BIN");
    return true;
}

bool AnimationRun::run(const std::vector<std::string>& frames) {
    written_.clear();
    const auto sprite =
        fileio::readPrefix(paths::join(directory_, spriteBlockName), spriteBlockBytes);
    if (!sprite) {
        ui_.showMessage("Sprite_pgt.bin not found!", MessageIcon::Warning);
        return false;
    }
    spriteBlock_ = *sprite;
    State state;
    state.nameFiles.emplace_back(nameFileStart);
    placeSpriteBlock(state, 0);

    ProgressScope progress(ui_, "Batch process", 0, static_cast<int>(frames.size()), 1);
    for (const std::string& entry : frames) {
        if (!processFrame(state, entry))
            return false;
        ui_.advanceProgress();
    }
    // Each frame's scratch files would replace the previous frame's: only the last ones are kept.
    if (state.lastFrame &&
        !ScratchBinaries::from(ConvertedData(state.lastFrame->settings, state.lastFrame->results))
             .write(directory_, ui_))
        return false;
    return commit(state);
}

} // namespace kadro
