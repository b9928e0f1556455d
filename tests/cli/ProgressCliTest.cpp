#include "ConvertedDocument.h"
#include "RunCli.h"
#include "TempDir.h"

#include "common/FileIo.h"
#include "picture/DibImage.h"
#include "picture/KdrFile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

using kadro::test::runCli;

namespace {

// Runs kadro-cli with a pseudo-terminal as stdin, stdout and stderr, as in a person's shell.
kadro::test::CliRun runOnTerminal(const std::vector<std::string>& args, const std::string& dir) {
    int terminal = -1;
    const pid_t child = forkpty(&terminal, nullptr, nullptr, nullptr);
    if (child == 0) {
        if (chdir(dir.c_str()) != 0)
            _exit(127);
        const std::string program = std::string(KADRO_BIN_DIR) + "/kadro-cli";
        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (const auto& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        setenv("LC_ALL", "C", 1);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    kadro::test::CliRun run;
    char buffer[4096];
    for (;;) {
        const ssize_t n = read(terminal, buffer, sizeof buffer);
        if (n > 0)
            run.out.append(buffer, static_cast<std::size_t>(n));
        else if (n == 0 || errno != EINTR)
            break; // EIO once the program has closed its side
    }
    close(terminal);
    int status = 0;
    waitpid(child, &status, 0);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

struct Frames {
    kadro::test::TempDir dir;
    Frames() {
        for (const char* name : {"a.bmp", "b.bmp"}) {
            auto frame = kadro::DibImage::createBlank(16, 16);
            frame->setPixel(3, 3, 0x0000FF);
            EXPECT_TRUE(frame->writeBmp(dir.file(name)));
        }
        EXPECT_TRUE(kadro::fileio::writeFile(dir.file("Sprite_pgt.bin"),
                                             std::vector<std::uint8_t>(2048, 0), nullptr));
        EXPECT_TRUE(kadro::fileio::writeTextFile(dir.file("anim.lst"), "a.bmp b.bmp\n", nullptr));
    }
};

} // namespace

TEST(ProgressCli, BatchShowsItsStageOnATerminalOnly) {
    Frames frames;
    const auto shown = runOnTerminal({"batch", "anim.lst"}, frames.dir.path().string());
    ASSERT_EQ(shown.exitCode, 0) << shown.out;
    EXPECT_NE(shown.out.find("\rBatch process [###############               ]"), std::string::npos)
        << shown.out;
    EXPECT_NE(shown.out.find("\r\033[K"), std::string::npos) << "the bar is cleared at the end";
    EXPECT_NE(shown.out.find("ANI.asm"), std::string::npos);

    const auto quiet = runOnTerminal({"batch", "--quiet", "anim.lst"}, frames.dir.path().string());
    ASSERT_EQ(quiet.exitCode, 0) << quiet.out;
    EXPECT_EQ(quiet.out.find("Batch process"), std::string::npos) << quiet.out;

    const auto piped = runCli({"batch", "anim.lst"}, frames.dir.path().string());
    ASSERT_EQ(piped.exitCode, 0) << piped.err;
    EXPECT_EQ(piped.err, "");
}

TEST(ProgressCli, OnlyLargeConversionsShowTheirProgress) {
    kadro::test::TempDir dir;
    for (int side : {64, 512}) {
        auto picture = kadro::DibImage::createBlank(side, side);
        picture->setPixel(1, 1, 0x00FF00);
        ASSERT_TRUE(picture->writeBmp(dir.file(std::to_string(side) + ".bmp")));
    }
    const auto small = runOnTerminal({"convert", "64.bmp", "-o", "64.kdr"}, dir.path().string());
    ASSERT_EQ(small.exitCode, 0) << small.out;
    EXPECT_EQ(small.out.find('\r' + std::string("转换中...")), std::string::npos) << small.out;

    const auto large = runOnTerminal({"convert", "512.bmp", "-o", "512.kdr"}, dir.path().string());
    ASSERT_EQ(large.exitCode, 0) << large.out;
    EXPECT_NE(large.out.find('\r' + std::string("转换中... [")), std::string::npos) << large.out;
    const auto quiet =
        runOnTerminal({"convert", "512.bmp", "-o", "512.kdr", "-q"}, dir.path().string());
    EXPECT_EQ(quiet.out.find("转换中..."), std::string::npos) << quiet.out;
}

TEST(ProgressCli, ProjectOutputShowsItsStage) {
    kadro::test::TempDir dir;
    ASSERT_TRUE(kadro::fileio::writeFile(
        dir.file("logo.kdr"), kadro::kdrBytes(kadro::test::convertedDocument(64, 32, {0}, {100})),
        nullptr));
    for (const auto& args : {std::vector<std::string>{"project", "new", "g.prg"},
                             {"project", "add", "g.prg", "--section", "S"},
                             {"project", "add", "g.prg", "--under", "1", "--item", "logo.kdr"}})
        ASSERT_EQ(runCli(args, dir.path().string()).exitCode, 0);
    const auto run = runOnTerminal({"project-output", "g.prg"}, dir.path().string());
    ASSERT_EQ(run.exitCode, 0) << run.out;
    EXPECT_NE(run.out.find("\rProject output ["), std::string::npos) << run.out;
    EXPECT_EQ(runCli({"project-output", "g.prg"}, dir.path().string()).err, "");
}
