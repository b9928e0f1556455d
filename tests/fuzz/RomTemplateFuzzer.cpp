// The ROM template "Rom.b00": whatever it holds, the image is 512 KB and keeps every template
// byte outside the areas the picture goes to.
#include "FuzzSupport.h"

#include "DocumentBuilder.h"
#include "output/TestRom.h"

#include <algorithm>
#include <filesystem>

using namespace kadro;

namespace {

// A 16 x 16 picture of four tiles: the areas it writes are known.
const KdrDocument& picture() {
    static const KdrDocument doc = test::makeDocument(test::logoPlan());
    return doc;
}

// The spans of the image the picture writes, in order: patterns, names, packed attributes, then
// the palette and parameters with the one-entry IRQ list.
std::vector<std::pair<std::size_t, std::size_t>> pictureSpans() {
    const std::size_t pattern = picture().results.patternData.size();
    const std::size_t names = TestRom::nameOffset(pattern);
    const std::size_t attributes = names + TestRom::attributeDistance(8);
    return {{0, pattern},
            {names, names + 4},
            {attributes, attributes + 1},
            {TestRom::paletteArea, TestRom::parameterArea + 9}};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input input(data, size);
    const int panel = input.byte() % 30;
    // Short inputs stand for the start of a template whose rest is zero, so that the fuzzer
    // reaches whole images without 512 KB inputs; long ones are taken as they are.
    std::vector<std::uint8_t> file(input.rest().begin(), input.rest().end());
    if (panel % 2 == 0 && file.size() < TestRom::imageBytes)
        file.resize(TestRom::imageBytes, 0);
    const std::string dir = (std::filesystem::path(fuzz::scratch()) / "rom").string();
    std::filesystem::create_directories(dir);
    fuzz::writeScratch(std::string("rom/") + TestRom::templateName, file);

    fuzz::CountingUserInterface ui;
    const auto romTemplate = TestRom::loadTemplate(dir, ui);
    if (!romTemplate)
        return 0;
    const ConvertedData converted(picture().settings, picture().results);
    const auto image = TestRom::build(*romTemplate, converted, panel, ui);
    if (!image) {
        fuzz::check(romTemplate->size() != TestRom::imageBytes, "a whole template was refused");
        return 0;
    }
    fuzz::check(image->size() == TestRom::imageBytes, "a ROM image of another size");
    std::size_t from = 0;
    auto keptUpTo = [&](std::size_t end) {
        fuzz::check(std::equal(image->begin() + static_cast<std::ptrdiff_t>(from),
                               image->begin() + static_cast<std::ptrdiff_t>(end),
                               romTemplate->begin() + static_cast<std::ptrdiff_t>(from)),
                    "a template byte outside the picture's areas was overwritten");
    };
    for (const auto& [begin, end] : pictureSpans()) {
        keptUpTo(begin);
        from = end;
    }
    keptUpTo(image->size());
    return 0;
}
