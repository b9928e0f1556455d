#include "Emulator.h"

#include "RunCli.h"
#include "TempDir.h"

#include <wand/MagickWand.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace kadro::test::rom {

namespace fs = std::filesystem;

namespace {

std::string findProgram(const std::vector<std::string>& names, const std::vector<std::string>& extraDirs) {
    std::vector<std::string> dirs;
    if (const char* path = std::getenv("PATH")) {
        std::stringstream ss(path);
        for (std::string dir; std::getline(ss, dir, ':');)
            if (!dir.empty())
                dirs.push_back(dir);
    }
    dirs.insert(dirs.end(), extraDirs.begin(), extraDirs.end());
    for (const auto& name : names)
        for (const auto& dir : dirs) {
            const fs::path candidate = fs::path(dir) / name;
            std::error_code ec;
            if (fs::is_regular_file(candidate, ec) &&
                (fs::status(candidate, ec).permissions() & fs::perms::owner_exec) != fs::perms::none)
                return candidate.string();
        }
    return {};
}

std::string tail(const std::string& text, std::size_t chars) {
    return text.size() <= chars ? text : text.substr(text.size() - chars);
}

// MAME saves its screenshots as PNG; ImageMagick is already a dependency of the build.
std::optional<DibImage> readPng(const std::string& path) {
    if (IsMagickWandInstantiated() == MagickFalse)
        MagickWandGenesis();
    MagickWand* wand = NewMagickWand();
    std::optional<DibImage> image;
    if (MagickReadImage(wand, path.c_str()) == MagickTrue) {
        const auto width = MagickGetImageWidth(wand);
        const auto height = MagickGetImageHeight(wand);
        std::vector<unsigned char> rgb(3 * width * height);
        if (MagickExportImagePixels(wand, 0, 0, width, height, "RGB", CharPixel, rgb.data()) == MagickTrue)
            image = DibImage::createBlank(static_cast<int>(width), static_cast<int>(height));
        for (int y = 0; image && y < image->height(); ++y)
            for (int x = 0; x < image->width(); ++x) {
                const unsigned char* px = &rgb[3 * (static_cast<std::size_t>(y) * width + static_cast<std::size_t>(x))];
                image->setPixel(x, y, makeColour(px[0], px[1], px[2]));
            }
    }
    DestroyMagickWand(wand);
    return image;
}

std::string luaScript(const std::vector<ButtonHold>& buttons, int snapshotFrame) {
    std::string lua = "local port = manager.machine.ioport.ports[':IO0']\n"
                      "local frame = 0\n"
                      "emu.register_frame_done(function()\n"
                      "  frame = frame + 1\n"
                      "  if frame == " +
                      std::to_string(snapshotFrame) + " then manager.machine.video:snapshot() end\n";
    for (const auto& b : buttons) {
        lua += "  if frame == " + std::to_string(b.fromFrame) + " then port.fields['" + b.button +
               "']:set_value(1) end\n";
        lua += "  if frame == " + std::to_string(b.toFrame) + " then port.fields['" + b.button +
               "']:set_value(0) end\n";
    }
    return lua + "end)\n";
}

} // namespace

std::string findMame() { return findProgram({"mame"}, {"/usr/games", "/usr/local/games"}); }

EmulatorRun runRom(const std::string& romPath, double seconds, const std::vector<ButtonHold>& buttons) {
    EmulatorRun run;
    const std::string mame = findMame();
    if (mame.empty()) {
        run.error = "mame not found";
        return run;
    }
    TempDir dir;
    // The machine takes one 512 KB flash image named rom.bin.
    fs::create_directories(dir.path() / "roms" / "vtpinball");
    fs::copy_file(romPath, dir.path() / "roms" / "vtpinball" / "rom.bin");
    std::string command = "cd " + shellQuote(dir.path().string()) + " && HOME=" + shellQuote(dir.path().string()) +
                          " " + shellQuote(mame) +
                          " vtpinball -rompath roms -snapshot_directory snap -cfg_directory cfg"
                          " -nvram_directory nvram -video none -sound none -nothrottle -skip_gameinfo"
                          " -noreadconfig -seconds_to_run " +
                          std::to_string(seconds);
    // MAME 0.251 sometimes crashes while shutting down after running any autoboot
    // script, so a scripted run takes its own screenshot a few frames before the end
    // and its exit status is not trusted.
    const bool scripted = !buttons.empty();
    if (scripted) {
        std::ofstream(dir.file("buttons.lua")) << luaScript(buttons, static_cast<int>(seconds * 60) - 6);
        command += " -autoboot_delay 0 -autoboot_script buttons.lua";
    }
    command += " >mame.log 2>&1 </dev/null";
    const int status = std::system(command.c_str());
    const fs::path shot = dir.path() / "snap" / "vtpinball" / "0000.png";
    if ((status != 0 && !scripted) || !fs::exists(shot)) {
        run.error = "mame failed (status " + std::to_string(status) + "): " + tail(slurp(dir.file("mame.log")), 2000);
        return run;
    }
    run.screen = readPng(shot.string());
    if (!run.screen)
        run.error = "could not read the screenshot " + shot.string();
    return run;
}

ScreenDifference compareScreen(const DibImage& screen, const DibImage& picture, int viewX, int viewY) {
    ScreenDifference diff;
    for (int y = 0; y < screen.height() && viewY + y < picture.height(); ++y)
        for (int x = 0; x < screen.width() && viewX + x < picture.width(); ++x) {
            Colour shown = 0, expected = 0;
            screen.getPixel(x, y, shown);
            picture.getPixel(viewX + x, viewY + y, expected);
            if (shown == expected)
                continue;
            if (diff.pixels++ == 0) {
                diff.x = x;
                diff.y = y;
                diff.shown = shown;
                diff.expected = expected;
            }
        }
    return diff;
}

std::optional<DibImage> readBmp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    constexpr std::size_t fileHeader = 14;
    if (bytes.size() <= fileHeader || bytes[0] != 'B' || bytes[1] != 'M')
        return std::nullopt;
    return DibImage::fromBlock(std::vector<std::uint8_t>(bytes.begin() + fileHeader, bytes.end()));
}

} // namespace kadro::test::rom
