#include "RunCli.h"
#include "TempDir.h"

#include "output/AsmWriter.h"
#include "picture/KdrFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

using kadro::test::runCli;

namespace {

const std::string sample = std::string(KADRO_SAMPLES_DIR) + "/sample.bmp";
const std::vector<std::string> commandNames{"info",   "adapt",   "convert",      "reduce",
                                            "render", "project", "output",       "project-output",
                                            "rom",    "batch",   "palette-steps"};

// The option names a command's help lists: "--colour-mode", "-o", ...
std::vector<std::string> helpOptions(const std::string& command) {
    std::vector<std::string> names;
    std::istringstream help(runCli({command, "--help"}).out);
    for (std::string line; std::getline(help, line);) {
        if (!line.starts_with("  -"))
            continue;
        std::istringstream words(line);
        for (std::string word; words >> word && word.starts_with("-");)
            names.push_back(word.substr(0, word.find(',')));
    }
    return names;
}

// What the bash completion offers for the words typed so far.
std::string completions(const std::vector<std::string>& words) {
    std::string script = "source " +
                         kadro::test::shellQuote(std::string(KADRO_SOURCE_DIR) +
                                                 "/resources/completion/kadro-cli.bash") +
                         "; COMP_WORDS=(" + kadro::test::shellQuote(KADRO_BIN_DIR "/kadro-cli");
    for (const auto& w : words)
        script += " " + kadro::test::shellQuote(w);
    script += "); COMP_CWORD=" + std::to_string(words.size()) +
              "; _kadro_cli; printf '%s\\n' \"${COMPREPLY[@]}\"";
    return kadro::test::runProgram("/bin/bash", {"-c", script}).out;
}

// The help with each meaning on one line again.
std::string unwrapped(std::string help) {
    const std::string fold = "\n" + std::string(28, ' ');
    for (auto at = help.find(fold); at != std::string::npos; at = help.find(fold, at))
        help.replace(at, fold.size(), " ");
    return help;
}

} // namespace

TEST(CommandLineCli, EveryCommandHasHelp) {
    const auto overview = runCli({"--help"});
    ASSERT_EQ(overview.exitCode, 0);
    EXPECT_EQ(overview.err, "");
    for (const auto& name : commandNames) {
        EXPECT_NE(overview.out.find("\n  " + name + " "), std::string::npos) << name;
        const auto help = runCli({name, "--help"});
        EXPECT_EQ(help.exitCode, 0) << name;
        EXPECT_EQ(help.err, "") << name;
        EXPECT_EQ(help.out.rfind("Usage: kadro-cli " + name + " ", 0), 0u) << help.out;
        EXPECT_NE(help.out.find("  -h, --help "), std::string::npos) << help.out;
        EXPECT_EQ(runCli({"help", name}).out, help.out) << name;
        EXPECT_EQ(runCli({name, "-h"}).out, help.out) << name;
    }
    // The help wins over anything else on the line, even a mistake.
    EXPECT_EQ(runCli({"convert", "--colours", "8", "--help"}).exitCode, 0);
}

TEST(CommandLineCli, HelpGivesEveryOptionItsMeaningAndDefault) {
    const std::string help = unwrapped(runCli({"convert", "--help"}).out);
    for (const char* line :
         {"  -o OUT.kdr ", "  --area X,Y,W,H ", "  --colour-mode hsl|rgb|nes ", "  --colours 16|4 ",
          "  --char 8x8|8x16|16x8|16x16 ", "  --no-compress ", "  --start HEX ", "  --end HEX ",
          "  --background #RRGGBB ", "  --palette FILE.pal ", "  --save-palette FILE.pal ",
          "  --adapt hsl|rgb|nes ", "  --palette-fit first|best ", "  --reduce ",
          "  --dither none|ordered|diffusion ", "  --strength 0..1 ", "  -q, --quiet "})
        EXPECT_NE(help.find(line), std::string::npos) << line;
    for (const char* fallback :
         {"(default: the whole picture)", "(default: hsl)", "(default: 16)", "(default: 8x8)",
          "(default: 0)", "(default: 2000)", "(default: first)", "(default: none)", "(default: 1)",
          "\"VT03 NEW(4K HSL)\", \"TFT RGB(4K RGB)\", \"VT03 OLD(64 NES)\" (default: hsl)"})
        EXPECT_NE(help.find(fallback), std::string::npos) << fallback << "\n" << help;
    for (const auto& line : {std::string("--pgt-format bin|asm"), std::string("(default: bin)")})
        EXPECT_NE(runCli({"output", "--help"}).out.find(line), std::string::npos) << line;
    EXPECT_NE(unwrapped(runCli({"rom", "--help"}).out).find("(default: a15al1p0)"),
              std::string::npos);
}

TEST(CommandLineCli, VersionNamesTheReleaseAndTheBuild) {
    for (const char* option : {"--version", "-V"}) {
        const auto run = runCli({option});
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.out.rfind("kadro-cli 2.1 (build ", 0), 0u) << run.out;
        EXPECT_EQ(run.out.back(), '\n');
        EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1) << run.out;
    }
}

TEST(CommandLineCli, ChoicesIgnoreCaseAndTheLastOptionWins) {
    kadro::test::TempDir dir;
    const auto run =
        runCli({"convert", sample, "-o", dir.file("a.kdr"), "--colour-mode", "RGB", "--char",
                "16X16", "--area=0,0,64,32", "--colours", "4", "--colours", "16", "--start=$400"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto document = kadro::readKdr(dir.file("a.kdr"));
    ASSERT_EQ(document.status, kadro::KdrStatus::Ok);
    EXPECT_EQ(document.document.settings.colourMode, 1);
    EXPECT_EQ(document.document.settings.charSize, 3);
    EXPECT_EQ(document.document.settings.colourCount, 0);
    EXPECT_EQ(document.document.settings.startAddress, 0x400);
    EXPECT_EQ(document.document.settings.width, 64);

    const auto output = runCli({"output", dir.file("a.kdr"), "--pgt-format", "ASM", "--pnt-content",
                                "Spr", "--pgt", dir.file("a.asm")});
    EXPECT_EQ(output.exitCode, 0) << output.err;
    EXPECT_TRUE(std::filesystem::exists(dir.file("a.asm")));
    EXPECT_EQ(runCli({"project", "NEW", dir.file("p.prg")}).exitCode, 0);
    EXPECT_EQ(runCli({"project", "Show", dir.file("p.prg")}).exitCode, 0);
    // "--" ends the options, so a file may start with a dash.
    std::filesystem::copy_file(sample, dir.file("-dash.bmp"));
    EXPECT_EQ(runCli({"info", "--", "-dash.bmp"}, dir.path().string()).exitCode, 0);
}

TEST(CommandLineCli, ManualPageAndCompletionKnowEveryOption) {
    const std::string manual =
        kadro::test::slurp(std::string(KADRO_SOURCE_DIR) + "/docs/man/kadro-cli.1");
    ASSERT_FALSE(manual.empty());
    for (const auto& command : commandNames) {
        const auto options = helpOptions(command);
        ASSERT_FALSE(options.empty()) << command;
        const std::string offered = completions({command, "-"});
        for (const auto& option : options) {
            std::string escaped;
            for (char c : option)
                escaped += c == '-' ? std::string("\\-") : std::string(1, c);
            EXPECT_NE(manual.find(escaped), std::string::npos) << command << " " << option;
            EXPECT_NE(offered.find(option + "\n"), std::string::npos) << command << " " << option;
        }
    }
    EXPECT_EQ(completions({"con"}), "convert\n");
    EXPECT_EQ(completions({"convert", "a.bmp", "--char", "16"}), "16x8\n16x16\n");
    EXPECT_EQ(completions({"output", "a.kdr", "--pnt-content", ""}), "txt\nspr\n");
    EXPECT_EQ(completions({"project", "s"}), "show\n");
}
