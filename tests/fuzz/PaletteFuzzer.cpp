// ".pal" files, also read as "ani.pal": what loads saves and loads again; the palette steps
// written from one hold only bytes, and a refused file writes nothing.
#include "FuzzSupport.h"

#include "output/PaletteSteps.h"
#include "palette/PaletteFile.h"

#include <filesystem>

using namespace kadro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input input(data, size);
    const Colour target = static_cast<Colour>(input.byte() * 0x010203u);
    const int levels = input.byte() % 20 - 2;
    const std::string path = fuzz::writeScratch("in.pal", input.rest());
    const std::string steps = (std::filesystem::path(fuzz::scratch()) / "steps").string();
    std::filesystem::create_directories(steps);

    const PaletteFileRead read = readPaletteFile(path);
    if (read.status == PaletteFileStatus::Ok) {
        const std::string copy = (std::filesystem::path(fuzz::scratch()) / "copy.pal").string();
        fuzz::check(writePaletteFile(copy, read.slots, nullptr), "cannot save a palette");
        const PaletteFileRead again = readPaletteFile(copy);
        fuzz::check(again.status == PaletteFileStatus::Ok && again.slots == read.slots,
                    "a saved palette does not load again");
        PaletteTable merged{};
        mergeUsedSlots(merged, read.slots);
    }

    const fuzz::FolderState previous = fuzz::folderState(steps);
    fuzz::CountingUserInterface ui;
    const auto codeOf = [](Colour c) { return static_cast<std::uint16_t>(c ^ (c >> 12)); };
    if (!PaletteSteps::write(path, target, levels, codeOf, steps, ui)) {
        fuzz::check(fuzz::folderState(steps) == previous, "a refused palette wrote a file");
        return 0;
    }
    fuzz::checkDbBytes((std::filesystem::path(steps) / PaletteSteps::fileName).string());
    return 0;
}
