// Draws the icons that the desktop shows for Kadro: the application icon (the 4 x 4 colour
// cells the program's window icon has) and the icons of ".kdr" documents and ".prg" projects.
// Each is a list of rectangles, written as a scalable SVG and as PNG files at the hicolor
// theme's sizes, so the two never differ.
//
//   make_icons OUTPUT_FOLDER
//
// writes OUTPUT_FOLDER/NAME.svg and OUTPUT_FOLDER/NAME-SIZE.png for every icon and size.

#include <spng.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Rect {
    double x, y, w, h; // in the unit square
    std::uint32_t rgb;
};
using Drawing = std::vector<Rect>;

constexpr std::uint32_t red = 0xE04040, green = 0x40A040, blue = 0x1E5AC8, yellow = 0xF0C030;
constexpr std::uint32_t ink = 0x202020, paper = 0xFFFFF4;

// The window icon's pattern: colour (x + 3y) mod 4, a sixteenth of a gap between the cells.
Drawing applicationIcon() {
    constexpr std::array<std::uint32_t, 4> colours{red, green, blue, yellow};
    Drawing d;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            d.push_back({x * 0.25 + 1.0 / 32, y * 0.25 + 1.0 / 32, 0.25 - 1.0 / 16, 0.25 - 1.0 / 16,
                         colours[static_cast<std::size_t>((x + y * 3) % 4)]});
    return d;
}

Drawing page() {
    return {{0.125, 0.0, 0.75, 1.0, ink}, {0.1875, 0.0625, 0.625, 0.875, paper}};
}

// A page with a small grid of the colour cells: a converted picture.
Drawing documentIcon() {
    Drawing d = page();
    constexpr std::array<std::uint32_t, 3> colours{red, green, blue};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            d.push_back({0.25 + x * 0.1875, 0.3125 + y * 0.1875, 0.125, 0.125,
                         colours[static_cast<std::size_t>((x + y) % 3)]});
    return d;
}

// A page with a tree of three pictures: a project.
Drawing projectIcon() {
    Drawing d = page();
    d.push_back({0.3125, 0.1875, 0.0625, 0.625, ink});
    constexpr std::array<std::uint32_t, 3> colours{red, blue, yellow};
    for (int i = 0; i < 3; ++i) {
        const double y = 0.1875 + i * 0.25;
        d.push_back({0.3125, y + 0.0625, 0.1875, 0.0625, ink});
        d.push_back({0.5, y, 0.1875, 0.1875, colours[static_cast<std::size_t>(i)]});
    }
    return d;
}

std::string hex(std::uint32_t rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", rgb);
    return text;
}

bool writeSvg(const Drawing& drawing, const std::string& path) {
    std::ofstream out(path);
    out << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
           "viewBox=\"0 0 256 256\">\n";
    for (const Rect& r : drawing)
        out << "  <rect x=\"" << r.x * 256 << "\" y=\"" << r.y * 256 << "\" width=\"" << r.w * 256
            << "\" height=\"" << r.h * 256 << "\" fill=\"" << hex(r.rgb) << "\"/>\n";
    out << "</svg>\n";
    return static_cast<bool>(out);
}

// RGBA pixels, each the average of 8 x 8 samples so that edges between pixels are smooth.
std::vector<std::uint8_t> render(const Drawing& drawing, int size) {
    constexpr int samples = 8;
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(size * size) * 4);
    for (int py = 0; py < size; ++py)
        for (int px = 0; px < size; ++px) {
            std::array<double, 4> sum{};
            for (int sy = 0; sy < samples; ++sy)
                for (int sx = 0; sx < samples; ++sx) {
                    const double x = (px + (sx + 0.5) / samples) / size;
                    const double y = (py + (sy + 0.5) / samples) / size;
                    for (auto r = drawing.rbegin(); r != drawing.rend(); ++r)
                        if (x >= r->x && x < r->x + r->w && y >= r->y && y < r->y + r->h) {
                            sum[0] += r->rgb >> 16;
                            sum[1] += r->rgb >> 8 & 0xFF;
                            sum[2] += r->rgb & 0xFF;
                            sum[3] += 255;
                            break;
                        }
                }
            const auto at = static_cast<std::size_t>(py * size + px) * 4;
            // Colour weighted by coverage, so a half-covered pixel keeps its colour.
            for (std::size_t c = 0; c < 3; ++c)
                pixels[at + c] =
                    sum[3] > 0 ? static_cast<std::uint8_t>(sum[c] * 255 / sum[3] + 0.5) : 0;
            pixels[at + 3] = static_cast<std::uint8_t>(sum[3] / (samples * samples) + 0.5);
        }
    return pixels;
}

bool writePng(const std::vector<std::uint8_t>& pixels, int size, const std::string& path) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    spng_ctx* ctx = spng_ctx_new(SPNG_CTX_ENCODER);
    spng_ihdr header{};
    header.width = header.height = static_cast<std::uint32_t>(size);
    header.bit_depth = 8;
    header.color_type = SPNG_COLOR_TYPE_TRUECOLOR_ALPHA;
    const bool encoded =
        ctx && spng_set_png_file(ctx, file) == 0 && spng_set_ihdr(ctx, &header) == 0 &&
        spng_encode_image(ctx, pixels.data(), pixels.size(), SPNG_FMT_PNG, SPNG_ENCODE_FINALIZE) ==
            0;
    spng_ctx_free(ctx);
    return std::fclose(file) == 0 && encoded;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icons OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    const std::vector<std::pair<std::string, Drawing>> icons{
        {"application", applicationIcon()},
        {"document", documentIcon()},
        {"project", projectIcon()},
    };
    for (const auto& [name, drawing] : icons) {
        if (!writeSvg(drawing, folder + "/" + name + ".svg"))
            return std::perror(name.c_str()), 1;
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
            if (!writePng(render(drawing, size), size,
                          folder + "/" + name + "-" + std::to_string(size) + ".png"))
                return std::perror(name.c_str()), 1;
    }
    return 0;
}
