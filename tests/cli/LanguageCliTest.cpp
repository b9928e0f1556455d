#include "RunCli.h"
#include "TempDir.h"

#include "BuiltInTranslations.h"
#include "picture/DibImage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>

using kadro::test::runCli;
using namespace kadro::translation;

namespace {

const std::string sample = std::string(KADRO_SAMPLES_DIR) + "/sample.bmp";
const std::string english = "en_US.UTF-8", chinese = "zh_CN.UTF-8";

// A 16 x 16 picture with 17 colours: its first block cannot be converted.
std::string tooManyColours(const kadro::test::TempDir& dir) {
    auto picture = kadro::DibImage::createBlank(16, 16);
    for (int i = 0; i < 256; ++i)
        picture->setPixel(i % 16, i / 16, static_cast<kadro::Colour>(i % 17 * 0x0F0F0F));
    EXPECT_TRUE(picture->writeBmp(dir.file("many.bmp")));
    return dir.file("many.bmp");
}

// The texts the command line's sources hand to tr() or trNoop(), literals joined.
std::set<std::string> sourceTexts() {
    const std::regex call(R"re(\btr(?:Noop)?\(\s*((?:"(?:[^"\\]|\\.)*"\s*)+))re");
    const std::regex literal(R"re("((?:[^"\\]|\\.)*)")re");
    std::set<std::string> texts;
    for (const auto& file :
         std::filesystem::directory_iterator(std::string(KADRO_SOURCE_DIR) + "/src/cli")) {
        std::ifstream in(file.path());
        const std::string code((std::istreambuf_iterator<char>(in)), {});
        for (std::sregex_iterator m(code.begin(), code.end(), call), end; m != end; ++m) {
            std::string text;
            const std::string literals = (*m)[1];
            for (std::sregex_iterator l(literals.begin(), literals.end(), literal); l != end; ++l)
                text += std::regex_replace((*l)[1].str(), std::regex(R"(\\(.))"), "$1");
            texts.insert(text);
        }
    }
    return texts;
}

bool translated(Language language, const std::string& text) {
    for (const Entry& e : builtInEntries(language))
        if (e.context == "kadro-cli" && e.source == text)
            return !e.translation.empty();
    return false;
}

} // namespace

TEST(LanguageCli, TheCoreMessagesShowInTheLocalesLanguage) {
    kadro::test::TempDir dir;
    const std::vector<std::string> convert{"convert", tooManyColours(dir), "-o", dir.file("x.kdr")};
    const std::string original = "kadro-cli: (0,0,8,8)内颜色超过16种,转换终止!\n";
    EXPECT_EQ(runCli(convert, {}, "C").err, original);
    EXPECT_EQ(runCli(convert, {}, "POSIX").err, original);
    EXPECT_EQ(runCli(convert, {}, chinese).err, original);
    EXPECT_EQ(runCli(convert, {}, english).err,
              "kadro-cli: Block (0,0)–(8,8) has more than 16 colours; conversion stopped.\n");
    // Messages built of messages: the reason is translated inside the sentence.
    const std::vector<std::string> rom{"rom", dir.file("none.kdr")};
    EXPECT_EQ(runCli(rom, {}, chinese).err,
              "kadro-cli: " + dir.file("none.kdr") + ": 无法打开文件\n");
    EXPECT_EQ(runCli(rom, {}, english).err, runCli(rom).err);
}

TEST(LanguageCli, TheCommandLinesOwnTextsShowInChinese) {
    kadro::test::TempDir dir;
    const auto wrong =
        runCli({"convert", sample, "-o", dir.file("x.kdr"), "--colours", "8"}, {}, chinese);
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_EQ(wrong.err, "kadro-cli convert: --colours: 取值为 16 或 4,而不是“8”\n"
                         "用法: kadro-cli convert PICTURE -o OUT.kdr [OPTIONS]\n"
                         "运行“kadro-cli convert --help”了解更多信息。\n");
    const std::string help = runCli({"convert", "--help"}, {}, chinese).out;
    EXPECT_EQ(help.rfind("用法: kadro-cli convert PICTURE -o OUT.kdr [OPTIONS]\n", 0), 0u) << help;
    EXPECT_NE(help.find("(默认: 8x8)"), std::string::npos) << help;
    // The texts we wrote in English are English already.
    EXPECT_EQ(runCli({"convert", "--help"}, {}, english).out, runCli({"convert", "--help"}).out);
    const auto unknown = runCli({"info", dir.file("notes.txt")}, {}, english);
    EXPECT_EQ(unknown.err,
              "kadro-cli: " + dir.file("notes.txt") + ": not a picture type kadro reads\n");
}

TEST(LanguageCli, WhatGoesIntoFilesNeverChangesWithTheLanguage) {
    std::map<std::string, std::string> outputs;
    for (const std::string& locale : {std::string("C"), chinese, english}) {
        kadro::test::TempDir dir;
        const auto convert = runCli({"convert", sample, "-o", "s.kdr", "--area", "0,0,64,32"},
                                    dir.path().string(), locale);
        ASSERT_EQ(convert.exitCode, 0) << convert.err;
        const auto output =
            runCli({"output", "s.kdr", "--pgt-format", "asm", "--pnt-content", "spr"},
                   dir.path().string(), locale);
        ASSERT_EQ(output.exitCode, 0) << output.err;
        std::string files = convert.out + output.out;
        for (const char* name : {"s.kdr", "s_pgt.asm", "s_pnt.asm"})
            files += kadro::test::slurp(dir.file(name));
        outputs[locale] = files;
    }
    EXPECT_EQ(outputs[chinese], outputs["C"]);
    EXPECT_EQ(outputs[english], outputs["C"]);
}

TEST(LanguageCli, EveryTextOfTheCommandLineHasItsTranslation) {
    const auto texts = sourceTexts();
    ASSERT_GT(texts.size(), 80u);
    for (const auto& text : texts) {
        const bool hasChinese = std::any_of(
            text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0xE0; });
        EXPECT_TRUE(translated(hasChinese ? Language::English : Language::Chinese, text)) << text;
    }
}
