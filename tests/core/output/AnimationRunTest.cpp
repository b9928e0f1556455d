#include "AnimationFrames.h"
#include "RecordingUserInterface.h"
#include "RunCli.h"
#include "TempDir.h"

#include "colour/ColorTables.h"
#include "common/FileIo.h"
#include "output/AnimationBatch.h"
#include "output/AnimationRun.h"
#include "picture/FormatModule.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <sstream>

namespace kadro {
namespace {

namespace fs = std::filesystem;

// Stands in for the animation-mode conversion of the frames named in tileCounts.
struct FakeConverter {
    std::map<std::string, int> tileCounts;
    std::vector<std::uint16_t> starts;

    std::optional<KdrDocument> operator()(const std::string& path, std::uint16_t start) {
        starts.push_back(start);
        const auto it = tileCounts.find(path);
        if (it == tileCounts.end())
            return std::nullopt;
        return test::animationFrame(it->second, start);
    }
};

struct Batch {
    test::TempDir dir;
    FakeConverter converter;
    test::RecordingUserInterface ui;

    Batch() {
        std::vector<std::uint8_t> sprite(3000, 0x5A);
        EXPECT_TRUE(fileio::writeFile(dir.file("Sprite_pgt.bin"), sprite, nullptr));
    }
    std::set<std::string> absent; // frames whose files are not there

    bool run(const std::vector<std::string>& frames) {
        // The run looks for each frame's file before the converter reads it.
        for (const std::string& frame : frames) {
            const fs::path file = dir.path() / frame;
            if (absent.count(frame) == 0 && !fs::exists(file)) {
                fs::create_directories(file.parent_path());
                EXPECT_TRUE(fileio::writeFile(file.string(), {}, nullptr));
            }
        }
        AnimationRun run(dir.path().string(), std::ref(converter), ui);
        return run.run(frames);
    }
    std::string file(const std::string& name) const { return test::slurp(dir.file(name)); }
};

const std::string nameFileStart = "\r\n\r\n\t\torg\t$8000\r\n\r\n\t\tphs\t$8000\r\n";
const std::string nameFileEnd = "\t\tdph\r\n\r\n\t\tcharge\tMindex00.asm\r\n\r\n";

TEST(AnimationRun, FirstFramesAndTheirRecords) {
    Batch batch;
    batch.converter.tileCounts = {{"frames/Walk1.bmp", 4}, {"frames/Walk2.bmp", 2}};
    ASSERT_TRUE(batch.run({"frames/Walk1.bmp", "frames/Walk2.bmp"}));
    EXPECT_EQ(batch.converter.starts, (std::vector<std::uint16_t>{0, 128}));
    EXPECT_EQ(batch.file("ANIINDEX.asm"), "Walk1_BG:\r\n\tdb\tV_Bank0+$00,V_Bank1+$08\r\n"
                                          "\tdb\tPNT_Bank+$00\r\n\tdw\tWalk1_pnt\r\n"
                                          "Walk2_BG:\r\n\tdb\tV_Bank0+$00,V_Bank1+$08\r\n"
                                          "\tdb\tPNT_Bank+$00\r\n\tdw\tWalk2_pnt\r\n");
    EXPECT_EQ(batch.file("ANI.asm"), "\tdw\tWalk1_BG\r\n\tdw\tWalk2_BG\r\n");
    EXPECT_EQ(batch.file("ANIPNT00.asm"), nameFileStart +
                                              "Walk1_pnt:\r\n\tdb\t$00,$01,$02,$03\r\n"
                                              "Walk2_pnt:\r\n\tdb\t$04,$05\r\n" +
                                              nameFileEnd);
    EXPECT_EQ(batch.file("ANIPAL.asm").rfind("Walk1_pal:\r\n\tdb\t$30,$01,$FF,", 0), 0u);
    const std::string pgt = batch.file("ANIPGT.BIN");
    ASSERT_EQ(pgt.size(), 0x4000u + 6 * 32);
    EXPECT_EQ(pgt.substr(0, 2048), std::string(2048, 0x5A));
    EXPECT_EQ(static_cast<unsigned char>(pgt[2048]), AnimationRun::unusedByte);
    EXPECT_EQ(pgt[0x4000 + 3 * 32], 3);
    EXPECT_EQ(pgt[0x4000 + 5 * 32], 1); // the second frame's tiles follow the first's
    EXPECT_EQ(batch.ui.openProgress, 0);
    EXPECT_EQ(batch.ui.progressSteps, 2);
}

TEST(AnimationRun, FrameCrossing512KbMovesBehindAFreshSpriteBlock) {
    Batch batch;
    std::vector<std::string> frames;
    for (int i = 0; i < 61; ++i) {
        frames.push_back("full" + std::to_string(100 + i));
        batch.converter.tileCounts[frames.back()] = 256;
    }
    batch.converter.tileCounts["part"] = 248; // brings the pattern image to 0x7FF00
    batch.converter.tileCounts["small"] = 16; // 0x200 more bytes would cross 0x80000
    frames.push_back("part");
    frames.push_back("small");
    ASSERT_TRUE(batch.run(frames)) << batch.ui.messages[0];
    EXPECT_EQ(batch.converter.starts.back(), 0);
    const std::string index = batch.file("ANIINDEX.asm");
    EXPECT_NE(index.find("small_BG:\r\n\tdb\tV_Bank0+$10,V_Bank1+$08\r\n\tdb\tPNT_Bank+$01\r\n"),
              std::string::npos);
    // The 33rd full frame begins the second 8 KB page of names.
    EXPECT_NE(index.find("full132_BG:\r\n\tdb\tV_Bank0+$00,V_Bank1+$88\r\n\tdb\tPNT_Bank+$01"),
              std::string::npos);
    const std::string names = batch.file("ANIPNT00.asm");
    EXPECT_NE(names.find("\r\n\t\tdph\r\n\t\tphs\t$8000\r\nfull132_pnt:"), std::string::npos);
    const std::string pgt = batch.file("ANIPGT.BIN");
    ASSERT_EQ(pgt.size(), 0x84000u + 0x200);
    EXPECT_EQ(pgt.substr(0x80000, 2048), std::string(2048, 0x5A));
    EXPECT_EQ(static_cast<unsigned char>(pgt[0x7FF00]), AnimationRun::unusedByte);
}

TEST(AnimationRun, NameFilesSwitchAt32Kb) {
    Batch batch;
    std::vector<std::string> frames;
    for (int i = 0; i < 129; ++i) {
        frames.push_back("f" + std::to_string(1000 + i));
        batch.converter.tileCounts[frames.back()] = 256;
    }
    ASSERT_TRUE(batch.run(frames));
    EXPECT_TRUE(batch.file("ANIPNT00.asm")
                    .ends_with("\t\tdph\r\n\r\n\r\n\t\tcharge\tANIPNT01.asm\r\n\r\n"));
    const std::string second = batch.file("ANIPNT01.asm");
    EXPECT_TRUE(second.starts_with(nameFileStart + "f1128_pnt:\r\n\tdb\t$00,$01,")) << second;
    EXPECT_TRUE(
        second.ends_with("\tdb\t$F0,$F1,$F2,$F3,$F4,$F5,$F6,$F7,$F8,$F9,$FA,$FB,$FC,$FD,$FE,$FF\r\n"
                         "\r\n" +
                         nameFileEnd));
}

TEST(AnimationRun, NoFrameCrossesANamePageAndTheIndexIsTrue) {
    // 400 frames of 192 names: 42 fit a page, and the rest of each page is filled.
    Batch batch;
    std::vector<std::string> frames;
    for (int i = 0; i < 400; ++i) {
        frames.push_back("m" + std::to_string(1000 + i));
        batch.converter.tileCounts[frames.back()] = 192;
    }
    ASSERT_TRUE(batch.run(frames)) << batch.ui.messages[0];
    const test::NameLayout layout = test::nameLayout(batch.dir.path().string());
    EXPECT_TRUE(layout.faults.empty()) << layout.faults[0];
    EXPECT_FALSE(fs::exists(batch.dir.file("ANIPNT03.asm")));
    const std::vector<int> pages = test::indexPages(batch.dir.path().string());
    ASSERT_EQ(layout.frames.size(), 400u);
    ASSERT_EQ(pages.size(), 400u);
    for (std::size_t i = 0; i < 400; ++i) {
        const auto& [label, at] = layout.frames[i];
        EXPECT_EQ(label, frames[i]);
        EXPECT_EQ(at / AnimationRun::namePageBytes, static_cast<int>(i / 42)) << label;
        EXPECT_EQ(pages[i], at / AnimationRun::namePageBytes) << label;
        EXPECT_LE(at % AnimationRun::namePageBytes + 192, AnimationRun::namePageBytes) << label;
    }
    std::string fill;
    for (int line = 0; line < 8; ++line)
        fill += "\tdb\t$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF\r\n";
    EXPECT_NE(batch.file("ANIPNT00.asm").find(fill + "\t\tdph\r\n\t\tphs\t$8000\r\nm1042_pnt:"),
              std::string::npos);
    EXPECT_TRUE(batch.file("ANIPNT01.asm").starts_with(nameFileStart + "m1168_pnt:"));

    // A frame larger than a page cannot keep to one.
    Batch huge;
    huge.converter.tileCounts = {{"tall", 33 * 256}};
    EXPECT_FALSE(huge.run({"tall"}));
    ASSERT_EQ(huge.ui.messages.size(), 1u);
    EXPECT_NE(huge.ui.messages[0].find("8448 names do not fit one 8 KB page"), std::string::npos);
}

TEST(AnimationRun, PatternsPast8MbAreRefusedRatherThanIndexedWithAWideByte) {
    // 61 full frames fit each 512 KB block after its reserved 16 KB (the 62nd would end on the
    // block's end, which counts as crossing it); the 977th frame would lie in block 16, whose
    // number times 16 is $100.
    Batch batch;
    std::vector<std::string> frames;
    for (int i = 0; i < 977; ++i) {
        frames.push_back("b" + std::to_string(1000 + i));
        batch.converter.tileCounts[frames.back()] = 256;
    }
    EXPECT_FALSE(batch.run(frames));
    ASSERT_EQ(batch.ui.messages.size(), 1u);
    EXPECT_EQ(batch.ui.messages[0], "b1976: the animation's patterns pass 8 MB, so its 512 KB "
                                    "block number $100 does not fit a byte; the batch run stops");
    EXPECT_FALSE(fs::exists(batch.dir.file("ANIINDEX.asm")));
}

TEST(AnimationRun, EmptyListWritesTheReservedBlock) {
    Batch batch;
    ASSERT_TRUE(batch.run({}));
    EXPECT_EQ(fs::file_size(batch.dir.file("ANIPGT.BIN")), 0x4000u);
    EXPECT_EQ(batch.file("ANIPNT00.asm"), nameFileStart + nameFileEnd);
    EXPECT_EQ(batch.file("ANI.asm"), "");
}

TEST(AnimationRun, FailuresStopAndLeaveTheFilesAsTheyWere) {
    Batch batch;
    ASSERT_TRUE(fileio::writeTextFile(batch.dir.file("ANI.asm"), "previous run\n", nullptr));
    batch.converter.tileCounts = {{"good.bmp", 2}};
    EXPECT_FALSE(batch.run({"good.bmp", "broken.bmp"}));
    ASSERT_EQ(batch.ui.messages.size(), 1u);
    EXPECT_EQ(batch.ui.messages[0].rfind("broken.bmp: ", 0), 0u) << batch.ui.messages[0];
    EXPECT_EQ(batch.file("ANI.asm"), "previous run\r\n");
    EXPECT_FALSE(fs::exists(batch.dir.file("ANIPGT.BIN")));
    EXPECT_EQ(batch.ui.openProgress, 0);

    // A frame whose file is missing is reported as such, before anything converts.
    batch.ui.messages.clear();
    batch.absent = {"gone.bmp"};
    const std::size_t calls = batch.converter.starts.size();
    EXPECT_FALSE(batch.run({"good.bmp", "gone.bmp"}));
    EXPECT_EQ(batch.ui.messages,
              std::vector<std::string>{"gone.bmp: not found; the batch run stops"});
    EXPECT_EQ(batch.converter.starts.size(), calls + 1);
    ASSERT_TRUE(fs::create_directory(batch.dir.file("folder.bmp")));
    batch.ui.messages.clear();
    EXPECT_FALSE(batch.run({"folder.bmp"}));
    EXPECT_EQ(batch.ui.messages,
              std::vector<std::string>{"folder.bmp: cannot be read; the batch run stops"});

    fs::remove(batch.dir.file("Sprite_pgt.bin"));
    test::RecordingUserInterface ui;
    EXPECT_FALSE(AnimationRun(batch.dir.path().string(), std::ref(batch.converter), ui).run({}));
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Sprite_pgt.bin not found!"});
}

TEST(AnimationRun, FrameListWordsInListBoxOrder) {
    test::TempDir dir;
    ASSERT_TRUE(
        fileio::writeTextFile(dir.file("a.lst"), "b.bmp A.bmp\n  c.bmp\ta2.bmp\n", nullptr));
    auto frames = AnimationRun::readFrameList(dir.file("a.lst"));
    ASSERT_TRUE(frames);
    AnimationRun::sortFrames(*frames);
    EXPECT_EQ(*frames, (std::vector<std::string>{"A.bmp", "a2.bmp", "b.bmp", "c.bmp"}));
    EXPECT_FALSE(AnimationRun::readFrameList(dir.file("none.lst")));
}

TEST(AnimationBatch, EverythingOfARunLiesInItsFolder) {
    test::TempDir program, place;
    // The computed RGB mode reads no table, but the tables must be there to load.
    ASSERT_TRUE(fileio::writeFile(program.file(hslTableFileName),
                                  std::vector<std::uint8_t>(4 * 65536, 0xFF), nullptr));
    ASSERT_TRUE(fileio::writeFile(program.file(nesPaletteFileName), std::vector<std::uint8_t>(192),
                                  nullptr));
    // A "." in the folder's name does not make the frames' names an extension.
    const fs::path folder = place.path() / "shots.v2";
    fs::create_directories(folder);
    ASSERT_TRUE(fileio::writeFile((folder / "Sprite_pgt.bin").string(),
                                  std::vector<std::uint8_t>(2048, 0x5A), nullptr));
    ASSERT_TRUE(fileio::writeFile((folder / "walk").string(), {}, nullptr));
    // Too short to be a palette file: the run says so and keeps the fitted palettes.
    ASSERT_TRUE(fileio::writeFile((folder / "ani.pal").string(),
                                  std::vector<std::uint8_t>{'P', 'A', 'L', 0}, nullptr));

    std::vector<std::string> loaded;
    const AnimationBatch batch{folder.string(), program.path().string(),
                               [&](const std::string& path) -> std::optional<DibImage> {
                                   loaded.push_back(path);
                                   return DibImage::createBlank(16, 16);
                               }};
    test::RecordingUserInterface ui;
    const auto written = runAnimationBatch(batch, {"walk"}, ui, ui);
    ASSERT_TRUE(written) << (ui.messages.empty() ? "" : ui.messages.front());
    EXPECT_EQ(loaded, std::vector<std::string>{(folder / "walk").string()});
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find((folder / "ani.pal").string()), std::string::npos);
    for (const std::string& name : *written)
        EXPECT_TRUE(fs::exists(folder / name)) << name;
    EXPECT_NE(test::slurp((folder / "ANI.asm").string()).find("walk_BG"), std::string::npos);
}

} // namespace
} // namespace kadro
