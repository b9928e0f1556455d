// Every command over a corpus of varied pictures, compared file by file with the digests of the
// outputs that were accepted. Any change to any byte a user gets shows up here.
//
// After an intended change of output, run with KADRO_UPDATE_CORPUS=1 to rewrite the expected
// digests, and say in the commit which outputs changed and why. KADRO_KEEP_CORPUS=DIR keeps a
// copy of every picture and output there for a closer look.

#include "RunCli.h"
#include "SeededPictures.h"
#include "Sha256.h"
#include "TempDir.h"

#include "common/FileIo.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>

namespace fs = std::filesystem;
using namespace kadro::test;

namespace {

const std::string expectedManifest = std::string(KADRO_TEST_DATA_DIR) + "/corpus/outputs.sha256";

class Corpus {
public:
    Corpus() {
        fs::create_directories(root_.path() / "pics");
        fs::create_directories(root_.path() / "runs");
    }

    void picture(const std::string& name, const std::string& bytes) { file("pics/" + name, bytes); }
    void picture(const std::string& name, const Canvas& canvas) {
        const auto bmp = canvas.toImage().bmpFile();
        picture(name, std::string(bmp->begin(), bmp->end()));
    }
    void file(const std::string& relative, const std::string& bytes) {
        fs::create_directories((root_.path() / relative).parent_path());
        ASSERT_TRUE(kadro::fileio::writeFile(
            root_.file(relative),
            {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, nullptr));
    }

    // Runs kadro-cli in runs/FOLDER and keeps its exit code and messages as FOLDER/LABEL.run.
    // Pictures are reached as ../../pics/NAME, other runs' files as ../FOLDER/NAME.
    void run(const std::string& folder, const std::string& label, std::vector<std::string> args) {
        const fs::path dir = root_.path() / "runs" / folder;
        fs::create_directories(dir);
        const CliRun r = runCli(args, dir.string());
        std::string record = "exit " + std::to_string(r.exitCode) + "\n--- stdout\n" +
                             neutral(r.out) + "--- stderr\n" + neutral(r.err);
        file("runs/" + folder + "/" + label + ".run", record);
    }

    // "DIGEST  PATH" for every file under the root, sorted by path.
    std::map<std::string, std::string> digests() const {
        std::map<std::string, std::string> out;
        for (const auto& entry : fs::recursive_directory_iterator(root_.path())) {
            // A project file holds its documents' absolute paths, whose length varies with the
            // temporary folder; "project show" keeps what it holds in the corpus.
            if (!entry.is_regular_file() || entry.path().extension() == ".prg")
                continue;
            const std::string relative = fs::relative(entry.path(), root_.path()).generic_string();
            out[relative] = sha256(neutral(slurp(entry.path().string())));
        }
        return out;
    }

    void keep(const std::string& target) const {
        fs::copy(root_.path(), target,
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    }

private:
    // Messages name the temporary folder and the program's folder; neither is part of the output.
    std::string neutral(std::string text) const {
        for (const auto& [from, to] :
             {std::pair{root_.path().string(), std::string("$ROOT")},
              std::pair{std::string(KADRO_BIN_DIR), std::string("$BIN")}}) {
            for (std::size_t at; (at = text.find(from)) != std::string::npos;)
                text.replace(at, from.size(), to);
        }
        return text;
    }

    TempDir root_;
};

void makePictures(Corpus& c) {
    const Canvas pool = tiledPicture(256, 240, TileKind::Pool, 1);
    c.picture("pool.bmp", pool);
    c.picture("pool.png", encode::png(pool, true));
    c.picture("pool-rgb.png", encode::png(pool, false));
    c.picture("pool8.bmp", encode::bmp8(pool));
    c.picture("unique.bmp", tiledPicture(128, 96, TileKind::Unique, 2));
    const Canvas banks = tiledPicture(512, 256, TileKind::Unique, 3);
    c.picture("banks.bmp", banks);
    c.picture("banks.png", encode::png(banks, true));
    c.picture("banks4.bmp", tiledPicture(512, 256, TileKind::Unique, 4, true));
    c.picture("sixteen.bmp", tiledPicture(1024, 256, TileKind::Unique, 5));
    c.picture("rowwide.bmp", tiledPicture(2048, 16, TileKind::Unique, 6));
    c.picture("four.bmp", tiledPicture(192, 128, TileKind::Pool, 7, true));
    c.picture("odd.bmp", tiledPicture(72, 40, TileKind::Pool, 8));
    c.picture("rich.bmp", richPicture(64, 64, 8, 9));
    c.picture("rich.png", encode::png(richPicture(64, 64, 8, 9), false));
    c.picture("many.bmp", richPicture(48, 48, 20, 10));
    c.picture("families.bmp", familyPicture(16, 11));
    c.picture("families17.bmp", familyPicture(17, 12));
}

struct ConvertCase {
    std::string name;
    std::string picture;
    std::vector<std::string> options;
};

// Each converts into runs/NAME/doc.kdr and saves its palettes as doc.pal.
const std::vector<ConvertCase> convertCases{
    {"pool", "pool.bmp", {}},
    {"families", "families.bmp", {}},
    {"pool-png", "pool.png", {}},
    {"pool-rgbpng", "pool-rgb.png", {}},
    {"pool-bmp8", "pool8.bmp", {}},
    {"pool-rgb", "pool.bmp", {"--colour-mode", "rgb"}},
    {"pool-nes", "pool.bmp", {"--colour-mode", "nes"}},
    {"pool-8x16", "pool.bmp", {"--char", "8x16"}},
    {"pool-16x8", "pool.bmp", {"--char", "16x8"}},
    {"pool-16x16", "pool.bmp", {"--char", "16x16"}},
    {"pool-nocompress", "pool.bmp", {"--no-compress"}},
    {"pool-start", "pool.bmp", {"--start", "400", "--end", "1000"}},
    {"pool-start16", "pool.bmp", {"--char", "16x16", "--start", "800"}},
    {"pool-area", "pool.bmp", {"--area", "16,16,128,96"}},
    {"pool-area-odd", "pool.bmp", {"--area", "8,8,64,64"}},
    {"pool-background", "pool.bmp", {"--background", "#FF00FF"}},
    {"pool-own-palette", "pool.bmp", {"--palette", "../pool/doc.pal"}},
    {"pool-other-palette", "pool.bmp", {"--palette", "../families/doc.pal"}},
    {"unique", "unique.bmp", {}},
    {"unique-nocompress", "unique.bmp", {"--no-compress", "--char", "8x16"}},
    {"banks", "banks.bmp", {}},
    {"banks-png", "banks.png", {"--colour-mode", "rgb"}},
    {"banks-16x16", "banks.bmp", {"--char", "16x16"}},
    {"banks-end", "banks.bmp", {"--end", "1000"}},
    {"banks-16x8-nocompress", "banks.bmp", {"--char", "16x8", "--no-compress"}},
    {"banks4", "banks4.bmp", {"--colours", "4"}},
    {"banks4-8x16", "banks4.bmp", {"--colours", "4", "--char", "8x16", "--colour-mode", "nes"}},
    {"sixteen", "sixteen.bmp", {}},
    {"sixteen-over", "sixteen.bmp", {"--start", "20"}},
    {"rowwide", "rowwide.bmp", {}},
    {"rowwide-start", "rowwide.bmp", {"--start", "100"}},
    {"four", "four.bmp", {"--colours", "4"}},
    {"four-16x16", "four.bmp", {"--colours", "4", "--char", "16x16", "--colour-mode", "rgb"}},
    {"four-start", "four.bmp", {"--colours", "4", "--start", "200", "--end", "800"}},
    {"four-as-16", "four.bmp", {}},
    {"odd", "odd.bmp", {}},
    {"odd-8x16", "odd.bmp", {"--char", "8x16"}},
    {"rich", "rich.bmp", {}},
    {"rich-png-nes", "rich.png", {"--colour-mode", "nes"}},
    {"rich-adapt-hsl", "rich.bmp", {"--adapt", "hsl"}},
    {"rich-adapt-rgb", "rich.bmp", {"--adapt", "rgb", "--colour-mode", "rgb"}},
    {"rich-adapt-nes", "rich.bmp", {"--adapt", "nes", "--colour-mode", "nes"}},
    {"many", "many.bmp", {}},
    {"families17", "families17.bmp", {}},
    {"from-document", "../pool/doc.kdr", {"--char", "16x8"}},
};

void convertAll(Corpus& c) {
    for (const auto& k : convertCases) {
        std::vector<std::string> args{"convert"};
        args.push_back(k.picture.ends_with(".kdr") ? k.picture : "../../pics/" + k.picture);
        args.insert(args.end(), {"-o", "doc.kdr", "--save-palette", "doc.pal"});
        args.insert(args.end(), k.options.begin(), k.options.end());
        c.run(k.name, "convert", args);
        c.run(k.name, "render", {"render", "doc.kdr", "-o", "render.bmp"});
    }
}

void outputAll(Corpus& c) {
    struct Choice {
        std::string label;
        std::vector<std::string> options;
    };
    std::vector<Choice> every;
    for (const std::string format : {"bin", "asm"})
        for (const std::string width : {"8", "16"})
            for (const std::string content : {"txt", "spr-nor", "spr-ext"}) {
                Choice choice{format + width + "-" + content,
                              {"--pgt-format", format, "--pgt-width", width}};
                const std::string pnt = content.substr(0, 3);
                choice.options.insert(choice.options.end(), {"--pnt-content", pnt});
                if (pnt == "spr")
                    choice.options.insert(choice.options.end(),
                                          {"--sprite-format", content.substr(4)});
                every.push_back(choice);
            }
    const std::vector<Choice> some{every[0], every[11]};
    auto output = [&](const std::string& doc, const std::vector<Choice>& choices) {
        for (const auto& choice : choices) {
            const std::string folder = "output-" + doc + "/" + choice.label;
            const std::string ext = choice.options[1] == "asm" ? ".asm" : ".bin";
            std::vector<std::string> args{"output", "../../" + doc + "/doc.kdr",
                                          "--pgt",  "Pat_" + choice.label + ext,
                                          "--pnt",  "Names_" + choice.label + ".asm"};
            args.insert(args.end(), choice.options.begin(), choice.options.end());
            c.run(folder, "output", args);
        }
    };
    output("pool", every);
    output("banks", every);
    for (const char* doc :
         {"pool-16x16", "pool-8x16", "pool-start", "pool-area-odd", "unique-nocompress",
          "banks-end", "banks4", "banks4-8x16", "four", "four-16x16", "odd", "sixteen", "rich"})
        output(doc, some);
    // Without options the files land beside the document.
    c.run("pool", "output-defaults", {"output", "doc.kdr"});
}

void romAll(Corpus& c) {
    c.run("pool", "rom", {"rom", "doc.kdr", "-o", "test.rom"});
    c.run("banks", "rom", {"rom", "doc.kdr", "--panel", "7", "-o", "test.rom"});
    c.run("four", "rom", {"rom", "doc.kdr", "--panel", "a15al1p0", "-o", "test.rom"});
    c.run("pool-16x16", "rom", {"rom", "doc.kdr", "-o", "test.rom"});
    c.run("sixteen", "rom", {"rom", "doc.kdr", "-o", "test.rom"});
}

void adaptAndInfo(Corpus& c) {
    for (const char* mode : {"hsl", "rgb", "nes"}) {
        for (const char* pic : {"rich.bmp", "pool.png", "many.bmp"})
            c.run("adapt", std::string(pic) + "-" + mode,
                  {"adapt", std::string("../../pics/") + pic, "--mode", mode, "-o",
                   std::string(pic) + "-" + mode + ".bmp"});
    }
    for (const char* pic : {"pool.bmp", "pool.png", "pool8.bmp", "rich.bmp", "many.bmp"})
        c.run("info", pic, {"info", std::string("../../pics/") + pic});
    c.run("info", "document", {"info", "../banks/doc.kdr"});
}

void batchAll(Corpus& c) {
    std::string sprite;
    for (int i = 0; i < 2048; ++i)
        sprite += static_cast<char>(i * 7);
    for (const std::string folder : {"batch", "batch-anipal"}) {
        c.file("runs/" + folder + "/Sprite_pgt.bin", sprite);
        std::string list;
        for (int i = 0; i < 6; ++i) {
            const std::string name = (i % 2 ? "Frame" : "frame") + std::to_string(5 - i) + ".bmp";
            const auto bmp = tiledPicture(128, 96, TileKind::Pool, 20 + i).toImage().bmpFile();
            c.file("runs/" + folder + "/" + name, std::string(bmp->begin(), bmp->end()));
            list += name + (i % 3 ? " " : "\n");
        }
        c.file("runs/" + folder + "/anim.lst", list);
    }
    c.run("batch-anipal", "palette",
          {"convert", "frame1.bmp", "-o", "pal.kdr", "--save-palette", "ani.pal"});
    c.run("batch", "batch", {"batch", "anim.lst"});
    c.run("batch-anipal", "batch", {"batch", "anim.lst"});
}

void paletteSteps(Corpus& c) {
    c.run("steps-hsl", "steps",
          {"palette-steps", "../pool/doc.pal", "--to", "#000000", "--levels", "16"});
    c.run("steps-rgb", "steps",
          {"palette-steps", "../banks/doc.pal", "--to", "#FF8000", "--levels", "1", "--colour-mode",
           "rgb"});
    c.run("steps-nes", "steps",
          {"palette-steps", "../families/doc.pal", "--to", "#FFFFFF", "--levels", "255",
           "--colour-mode", "nes"});
}

void project(Corpus& c) {
    const std::vector<std::vector<std::string>> steps{
        {"new"},
        {"add", "--section", "Stage"},
        {"add", "--under", "1", "--item", "../pool/doc.kdr", "--name", "Pool"},
        {"add", "--under", "1", "--item", "../banks/doc.kdr", "--name", "Banks"},
        {"add", "--under", "1", "--group", "Small"},
        {"add", "--under", "2", "--item", "../four/doc.kdr", "--name", "Four"},
        {"add", "--under", "2", "--item", "../pool-16x16/doc.kdr", "--name", "Big"},
        {"add", "--under", "3", "--sub-block", "Top", "--rect", "0,0,64,16"},
        {"add", "--section", "Two", "--no-auto-increase"},
        {"add", "--under", "1", "--item", "../pool-start/doc.kdr", "--name", "Start"},
        {"show"},
    };
    for (std::size_t i = 0; i < steps.size(); ++i) {
        std::vector<std::string> args = steps[i];
        args.insert(args.begin() + 1, "game.prg");
        args.insert(args.begin(), "project");
        c.run("project", "step" + std::to_string(i), args);
    }
    c.run("project", "output", {"project-output", "game.prg"});
}

} // namespace

TEST(OutputCorpus, EveryCommandWritesTheAcceptedBytes) {
    Corpus c;
    makePictures(c);
    convertAll(c);
    outputAll(c);
    romAll(c);
    adaptAndInfo(c);
    batchAll(c);
    paletteSteps(c);
    project(c);

    if (const char* keep = std::getenv("KADRO_KEEP_CORPUS"))
        c.keep(keep);
    std::string actual;
    for (const auto& [path, digest] : c.digests())
        actual += digest + "  " + path + "\n";
    if (std::getenv("KADRO_UPDATE_CORPUS")) {
        ASSERT_TRUE(kadro::fileio::writeFile(
            expectedManifest, {reinterpret_cast<const std::uint8_t*>(actual.data()), actual.size()},
            nullptr));
        GTEST_SKIP() << "wrote " << expectedManifest;
    }
    const std::string expected = slurp(expectedManifest);
    ASSERT_FALSE(expected.empty()) << expectedManifest << " is missing";
    if (actual == expected)
        return;
    const std::string actualPath = std::string(KADRO_BIN_DIR) + "/../corpus-actual.sha256";
    kadro::fileio::writeTextFile(actualPath, actual, nullptr);
    std::map<std::string, std::string> want;
    std::istringstream lines(expected);
    for (std::string digest, path; lines >> digest >> path;)
        want[path] = digest;
    int shown = 0;
    for (const auto& [path, digest] : c.digests()) {
        auto it = want.find(path);
        if (it == want.end() || it->second != digest) {
            if (++shown <= 30)
                ADD_FAILURE() << (it == want.end() ? "new file " : "changed ") << path;
        }
        if (it != want.end())
            want.erase(it);
    }
    for (const auto& [path, digest] : want)
        if (++shown <= 30)
            ADD_FAILURE() << "missing " << path;
    FAIL() << shown << " differences; the whole actual list is in " << actualPath;
}
