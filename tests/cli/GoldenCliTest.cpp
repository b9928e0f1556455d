// Golden cases of the command line: every folder of tests/golden (but "inputs") is one case.
//
//   cmd         the runs, one a line: "kadro-cli ARGS..." with words split at blanks ('...' keeps
//               blanks in a word), optionally after VAR=value words for the environment; lines
//               starting with # are comments
//   transcript  what each run printed: its exit code, stdout and stderr
//   expected/   every file the runs wrote or changed, byte for byte (a file above 32 KB as
//               NAME.sha256, its digest)
//
// The runs take place in a fresh folder holding the files of tests/golden/inputs and of the
// case's own in/ folder. Messages name the folder as <dir>, the program's folder as <bin> and
// the commit of the build as <commit>.
// After an intended change, KADRO_GOLDEN_UPDATE=1 rewrites transcript and expected/ from what
// the program does now; review the difference before committing it.

#include "RunCli.h"
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

const fs::path goldenRoot = fs::path(KADRO_SOURCE_DIR) / "tests" / "golden";
constexpr std::size_t largestKeptFile = 32 * 1024;

bool updating() {
    const char* value = std::getenv("KADRO_GOLDEN_UPDATE");
    return value != nullptr && std::string(value) == "1";
}

std::vector<std::string> caseNames() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(goldenRoot))
        if (entry.is_directory() && entry.path().filename() != "inputs")
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Every file under a folder by its relative path, with its bytes.
using Files = std::map<std::string, std::string>;
Files filesUnder(const fs::path& root) {
    Files files;
    if (!fs::exists(root))
        return files;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), root).generic_string()] = slurp(entry.path().string());
    return files;
}

void writeBytes(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    ASSERT_TRUE(kadro::fileio::writeFile(
        path.string(), {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()},
        nullptr));
}

// A line of cmd split into words; quotes only group.
std::vector<std::string> words(const std::string& line) {
    std::vector<std::string> out;
    std::string word;
    bool quoted = false, any = false;
    for (char c : line) {
        if (c == '\'') {
            quoted = !quoted;
            any = true;
        } else if (!quoted && (c == ' ' || c == '\t')) {
            if (any)
                out.push_back(word);
            word.clear();
            any = false;
        } else {
            word += c;
            any = true;
        }
    }
    if (any)
        out.push_back(word);
    return out;
}

class GoldenRun {
public:
    explicit GoldenRun(const fs::path& caseDir) {
        for (const fs::path& from : {goldenRoot / "inputs", caseDir / "in"})
            for (const auto& [name, bytes] : filesUnder(from))
                writeBytes(dir_.path() / name, bytes);
        before_ = filesUnder(dir_.path());
    }

    // Runs one line of cmd and adds it to the transcript.
    void run(const std::string& line) {
        auto args = words(line);
        std::string environment;
        while (!args.empty() && args.front().find('=') != std::string::npos) {
            environment += shellQuote(args.front()) + " ";
            args.erase(args.begin());
        }
        ASSERT_FALSE(args.empty() || args.front() != "kadro-cli") << "not a run: " << line;
        std::string command = "cd " + shellQuote(dir_.path().string()) + " && " + inLocale("C") +
                              environment + shellQuote(std::string(KADRO_BIN_DIR) + "/kadro-cli");
        for (auto a = args.begin() + 1; a != args.end(); ++a)
            command += " " + shellQuote(*a);
        command += " >" + shellQuote(capture_.file("out")) + " 2>" +
                   shellQuote(capture_.file("err")) + " </dev/null";
        const int status = std::system(command.c_str());
        transcript_ += "$ " + line + "\nexit " +
                       std::to_string(WIFEXITED(status) ? WEXITSTATUS(status) : -1) + "\n";
        for (const auto& [label, file] : {std::pair{"stdout", "out"}, std::pair{"stderr", "err"}})
            if (const auto text = slurp(capture_.file(file)); !text.empty())
                transcript_ += "--- " + std::string(label) + "\n" + neutral(text);
    }

    const std::string& transcript() const { return transcript_; }

    // The files the runs wrote or changed, as they are kept in expected/.
    Files written() const {
        Files out;
        for (auto& [name, bytes] : filesUnder(dir_.path())) {
            // A project file holds its documents' absolute paths, whose length varies with the
            // folder; "project show" prints what it holds instead.
            if (name.ends_with(".prg"))
                continue;
            const auto old = before_.find(name);
            if (old != before_.end() && old->second == bytes)
                continue;
            const std::string kept = neutral(bytes);
            if (kept.size() > largestKeptFile)
                out[name + ".sha256"] = sha256(kept) + "\n";
            else
                out[name] = kept;
        }
        return out;
    }

private:
    std::string neutral(std::string text) const {
        for (const auto& [from, to] : {std::pair{dir_.path().string(), std::string("<dir>")},
                                       std::pair{std::string(KADRO_BIN_DIR), std::string("<bin>")}})
            for (std::size_t at; (at = text.find(from)) != std::string::npos;)
                text.replace(at, from.size(), to);
        // --version names the commit being built.
        if (const auto build = text.find("(build "); build != std::string::npos)
            if (const auto end = text.find(')', build); end != std::string::npos)
                text.replace(build + 7, end - build - 7, "<commit>");
        return text;
    }

    TempDir dir_;
    TempDir capture_;
    Files before_;
    std::string transcript_;
};

// Where two byte strings first differ, for a message that stays short for binary files.
std::string firstDifference(const std::string& want, const std::string& got) {
    std::size_t at = 0;
    while (at < want.size() && at < got.size() && want[at] == got[at])
        ++at;
    return "sizes " + std::to_string(want.size()) + " and " + std::to_string(got.size()) +
           ", first difference at byte " + std::to_string(at);
}

class GoldenCli : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenCli, PrintsAndWritesWhatIsExpected) {
    const fs::path caseDir = goldenRoot / GetParam();
    GoldenRun golden(caseDir);
    std::istringstream cmd(slurp((caseDir / "cmd").string()));
    for (std::string line; std::getline(cmd, line);)
        if (!line.empty() && line.front() != '#')
            golden.run(line);
    const Files written = golden.written();

    if (updating()) {
        writeBytes(caseDir / "transcript", golden.transcript());
        fs::remove_all(caseDir / "expected");
        for (const auto& [name, bytes] : written)
            writeBytes(caseDir / "expected" / name, bytes);
        return;
    }
    EXPECT_EQ(golden.transcript(), slurp((caseDir / "transcript").string()));
    const Files expected = filesUnder(caseDir / "expected");
    for (const auto& [name, bytes] : expected) {
        const auto got = written.find(name);
        if (got == written.end())
            ADD_FAILURE() << name << " was not written";
        else if (bytes.find('\0') == std::string::npos)
            EXPECT_EQ(got->second, bytes) << name;
        else if (got->second != bytes)
            ADD_FAILURE() << name << " differs: " << firstDifference(bytes, got->second);
    }
    for (const auto& [name, bytes] : written)
        EXPECT_TRUE(expected.contains(name)) << name << " was written but is not expected";
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenCli, ::testing::ValuesIn(caseNames()), [](const auto& param) {
    std::string name = param.param;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
});

} // namespace
