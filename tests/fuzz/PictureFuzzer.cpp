// Picture files of one format (KADRO_FUZZ_FORMAT), read through the core's loader and whichever
// module the build made for that format: a picture that loads is a 24-bit image within the
// loader's limits whose every pixel can be read. For the formats kadro-cli decodes itself
// (KADRO_FUZZ_CARRIED), the decoder it carries must give the very same picture or refuse too.
#include "FuzzSupport.h"

#include "picture/FormatModule.h"

#ifdef KADRO_FUZZ_CARRIED
#include "Decoders.h"

#include <algorithm>
#endif

#ifndef KADRO_FUZZ_FORMAT
#error "KADRO_FUZZ_FORMAT must name the picture format this harness feeds"
#endif

using namespace kadro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path =
        fuzz::writeScratch(std::string("input.") + KADRO_FUZZ_FORMAT, {data, size});
    fuzz::CountingUserInterface ui;
    const auto image = loadPictureFile(KADRO_BIN_DIR, path, ui);
    fuzz::check(ui.messages == 0, "a picture of a known format was given a message");
#ifdef KADRO_FUZZ_CARRIED
    const auto carried = FormatModuleLoader::decode(modules::KADRO_FUZZ_CARRIED, path);
    fuzz::check(image.has_value() == carried.has_value() &&
                    (!image || std::ranges::equal(image->block(), carried->block())),
                "the carried decoder and the module disagree");
#endif
    if (!image)
        return 0;
    fuzz::check(image->bitCount() == 24 && image->width() > 0 && image->height() > 0 &&
                    image->width() <= maxModuleSide && image->height() <= maxModuleSide &&
                    static_cast<long long>(image->width()) * image->height() <= maxModulePixels,
                "a loaded picture outside the loader's limits");
    unsigned sum = 0;
    for (int y = 0; y < image->height(); ++y)
        for (int x = 0; x < image->width(); ++x) {
            Colour c = 0;
            fuzz::check(image->getPixel(x, y, c) == PixelStatus::Ok, "a pixel cannot be read");
            sum += c;
        }
    fuzz::keep(sum);
    return 0;
}
