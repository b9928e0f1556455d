#include "common/Translation.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

using namespace kadro::translation;

namespace {

const Entry entries[] = {
    {"core", "非法的KDR文件!", "Not a valid KDR file."},
    {"core", "(%1,%2,%3,%4)内颜色超过%5种,转换终止!",
     "Block (%1,%2)–(%3,%4) has more than %5 colours; conversion stopped."},
    {"core", "%1: cannot open the file", "%1: 无法打开文件"},
    {"core", "%1: corrupt document: %2", "%1: 文档已损坏: %2"},
    {"core", "bank %1 reaches past the pattern block", "图案库 %1 超出了图案块"},
    {"core", "Item \"%1\" skipped: %2", "已跳过项目“%1”: %2"},
    {"core", "%1: %2; the batch run stops", "%1: %2;批处理停止"},
    {"core", "%1: cannot open the file; the batch run stops", "particular wins"},
    {"core", "untranslated", ""},
    {"kadro-cli", "missing %1", "缺少 %1"},
};

// Sets environment variables for one test and puts the old values back afterwards.
class Environment {
public:
    void set(const char* name, const char* value) {
        if (!saved_.count(name)) {
            const char* old = std::getenv(name);
            saved_[name] = old ? std::optional<std::string>(old) : std::nullopt;
        }
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~Environment() {
        for (const auto& [name, value] : saved_)
            value ? setenv(name.c_str(), value->c_str(), 1) : unsetenv(name.c_str());
    }

private:
    std::map<std::string, std::optional<std::string>> saved_;
};

} // namespace

TEST(Translation, TheLocaleNamesTheLanguage) {
    const std::vector<std::pair<const char*, Language>> cases{
        {"", Language::Original},
        {"C", Language::Original},
        {"POSIX", Language::Original},
        {"C.UTF-8", Language::Original},
        {"en_US.UTF-8", Language::English},
        {"en_GB", Language::English},
        {"de_DE.UTF-8@euro", Language::English},
        {"zh_CN.UTF-8", Language::Chinese},
        {"zh_TW", Language::Chinese}};
    for (const auto& [locale, language] : cases)
        EXPECT_EQ(languageOfLocale(locale), language) << locale;
}

TEST(Translation, TheEnvironmentIsReadAsTheCLibraryReadsIt) {
    Environment env;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"})
        env.set(name, nullptr);
    EXPECT_EQ(languageOfEnvironment(), Language::Original);
    env.set("LANG", "zh_CN.UTF-8");
    EXPECT_EQ(languageOfEnvironment(), Language::Chinese);
    env.set("LC_MESSAGES", "en_US.UTF-8");
    EXPECT_EQ(languageOfEnvironment(), Language::English);
    env.set("LC_ALL", "C");
    EXPECT_EQ(languageOfEnvironment(), Language::Original);
    // LANGUAGE orders the languages of a locale other than C, never of C itself.
    env.set("LANGUAGE", "fr:zh_CN:en");
    EXPECT_EQ(languageOfEnvironment(), Language::Original);
    env.set("LC_ALL", "de_DE.UTF-8");
    EXPECT_EQ(languageOfEnvironment(), Language::Chinese);
    env.set("LANGUAGE", "fr");
    EXPECT_EQ(languageOfEnvironment(), Language::English);
}

TEST(Translation, MessagesAreMatchedAgainstTheTemplates) {
    const Catalog catalog(entries);
    EXPECT_EQ(catalog.message("core", "(16,0,24,8)内颜色超过16种,转换终止!"),
              "Block (16,0)–(24,8) has more than 16 colours; conversion stopped.");
    EXPECT_EQ(catalog.message("core", "非法的KDR文件!"), "Not a valid KDR file.");
    // A path with the separator of the template in it still fits.
    EXPECT_EQ(catalog.message("core", "a: b.kdr: cannot open the file"), "a: b.kdr: 无法打开文件");
    // Reasons inside a message are messages too.
    EXPECT_EQ(catalog.message("core", "Item \"Logo\" skipped: x.kdr: corrupt document: bank 3 "
                                      "reaches past the pattern block"),
              "已跳过项目“Logo”: x.kdr: 文档已损坏: 图案库 3 超出了图案块");
    // The template with more fixed text is the more particular one.
    EXPECT_EQ(catalog.message("core", "f.bmp: cannot open the file; the batch run stops"),
              "particular wins");
    for (const char* unknown : {"nothing like it", "untranslated", "(1,2,3)内颜色超过16种,转换终止",
                                ": cannot open the file"})
        EXPECT_EQ(catalog.message("core", unknown), unknown);
    // Each context keeps its own texts.
    EXPECT_EQ(catalog.message("kadro-cli", "非法的KDR文件!"), "非法的KDR文件!");
    EXPECT_EQ(catalog.text("kadro-cli", "missing %1"), "缺少 %1");
    EXPECT_EQ(catalog.text("core", "missing %1"), "missing %1");
}

TEST(Translation, FillPutsTheArgumentsInPlace) {
    const std::vector<std::string_view> two{"a", "b"};
    EXPECT_EQ(fill("%2 then %1, %3 and 100%", two), "b then a, %3 and 100%");
    EXPECT_EQ(fill("%1%1", two), "aa");
}
