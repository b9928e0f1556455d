// ".lst" frame lists run through the animation batch with stand-in frames: every written db
// value is a byte, each frame's names lie in the page the index gives, and a run that stops
// leaves the animation files as they were.
#include "AnimationFrames.h"
#include "FuzzSupport.h"

#include <filesystem>
#include <fstream>
#include <functional>

using namespace kadro;

namespace fs = std::filesystem;

namespace {

const std::string& runFolder() {
    static const std::string folder = [] {
        const std::string dir = (fs::path(fuzz::scratch()) / "batch").string();
        fs::create_directories(dir);
        fuzz::writeScratch("batch/Sprite_pgt.bin", std::vector<std::uint8_t>(2048, 0x5A));
        return dir;
    }();
    return folder;
}

// A frame's tile count from its name: mostly a partial row, now and then whole rows (which may
// pass a page), and frames whose name starts with "!" cannot be converted.
std::optional<KdrDocument> standIn(const std::string& word, std::uint16_t start) {
    if (word.starts_with("!"))
        return std::nullopt;
    const std::size_t h = std::hash<std::string>{}(word);
    const int tiles =
        h % 8 == 0 ? 256 * static_cast<int>(1 + h / 8 % 40) : 1 + static_cast<int>(h / 8 % 256);
    return test::animationFrame(tiles, start);
}

fuzz::FolderState animationFiles() {
    fuzz::FolderState state;
    for (const auto& entry : fs::directory_iterator(runFolder()))
        if (entry.path().filename().string().starts_with("ANI"))
            state[entry.path().filename().string()] = fuzz::readAll(entry.path().string());
    return state;
}

// The run looks for each frame's file before converting it. Frames with a plain name get an
// empty file in the run's folder for the length of the run (all but those starting with "!",
// which stay missing); other words are looked up as they are and are almost always missing.
class FrameFiles {
public:
    explicit FrameFiles(const std::vector<std::string>& frames) {
        for (const std::string& word : frames) {
            const bool plain = word.find_first_of(std::string("/\\\0", 3)) == std::string::npos &&
                               word != "." && word != ".." && !word.starts_with("!") &&
                               !word.starts_with("ANI") && word.size() < 200;
            const fs::path file = fs::path(runFolder()) / word;
            std::error_code ec;
            if (plain && !fs::exists(file, ec) && std::ofstream(file).good())
                made_.push_back(file);
        }
    }
    ~FrameFiles() {
        std::error_code ec;
        for (const fs::path& file : made_)
            fs::remove(file, ec);
    }

private:
    std::vector<fs::path> made_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string list = fuzz::writeScratch("frames.lst", {data, size});
    auto frames = AnimationRun::readFrameList(list);
    fuzz::check(frames.has_value(), "a list file that exists cannot be read");
    for (const std::string& word : *frames)
        fuzz::check(!word.empty() && word.find_first_of(" \t\r\n") == std::string::npos,
                    "a list word holds a blank");
    AnimationRun::sortFrames(*frames);
    if (frames->size() > 64)
        frames->resize(64);

    const FrameFiles files(*frames);
    const fuzz::FolderState before = animationFiles();
    fuzz::CountingUserInterface ui;
    AnimationRun run(runFolder(), standIn, ui);
    if (!run.run(*frames)) {
        fuzz::check(animationFiles() == before, "a stopped batch run changed the animation files");
        return 0;
    }
    for (const std::string& name : run.writtenFiles())
        if (name.ends_with(".asm"))
            fuzz::checkDbBytes((fs::path(runFolder()) / name).string());
    const test::NameLayout layout = test::nameLayout(runFolder());
    fuzz::check(layout.faults.empty(), layout.faults.empty() ? "" : layout.faults[0]);
    const std::vector<int> pages = test::indexPages(runFolder());
    fuzz::check(pages.size() == layout.frames.size() && pages.size() == frames->size(),
                "the index and the name files list different frames");
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const int at = layout.frames[i].second;
        fuzz::check(pages[i] == at / AnimationRun::namePageBytes,
                    "the index gives a frame another page than its names lie in");
        const int names = standIn((*frames)[i], 0)->settings.mapBytes / 3;
        fuzz::check(at % AnimationRun::namePageBytes + names <= AnimationRun::namePageBytes,
                    "a frame's names cross a page");
    }
    return 0;
}
