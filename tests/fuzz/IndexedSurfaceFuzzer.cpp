// Packed bitmaps for the off-screen surface: a refused block leaves the surface empty, an
// accepted one has every row inside its pixels.
#include "FuzzSupport.h"

#include "picture/IndexedSurface.h"

using namespace kadro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    IndexedSurface surface;
    if (!surface.loadFrom({data, size})) {
        fuzz::check(surface.width() == 0 && surface.row(0) == nullptr,
                    "a refused bitmap left a surface behind");
        return 0;
    }
    fuzz::check(surface.width() > 0 && surface.height() > 0 && surface.stride() % 4 == 0 &&
                    surface.stride() * 8 >= surface.width() * surface.bitCount(),
                "an accepted bitmap has an impossible geometry");
    unsigned sum = 0;
    for (int r = 0; r < surface.height(); ++r)
        sum += surface.row(r)[surface.stride() - 1];
    fuzz::keep(sum);
    return 0;
}
