#include "ConvertedDocument.h"
#include "RecordingUserInterface.h"
#include "TempDir.h"

#include "common/FileIo.h"
#include "project/ProjectCommands.h"
#include "project/ProjectEditing.h"
#include "project/ProjectFile.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>

using namespace kadro;

namespace {

struct FakeChooser : FileChooser {
    std::deque<std::optional<std::string>> answers;
    std::vector<FileRequest> asked;
    std::optional<std::string> ask(const FileRequest& request) override {
        asked.push_back(request);
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

struct FakeSettings : SettingsStore {
    std::map<std::string, std::string> values;
    std::optional<std::string> readString(const std::string& key) const override {
        auto it = values.find(key);
        return it == values.end() ? std::nullopt : std::optional(it->second);
    }
    void writeString(const std::string& key, const std::string& value) override {
        values[key] = value;
    }
};

struct Session {
    test::TempDir dir;
    ProjectModel model;
    FakeChooser prompt;
    FakeSettings settings;
    test::RecordingUserInterface ui;

    Session() { startUpProject(model, settings, ui); }
    EntryId addSection(const std::string& name) {
        return addEntry(model, model.tree.root(), SectionFields{name, true});
    }
};

} // namespace

TEST(ProjectCommands, StartUpShowsAnUntitledRootOrTheRememberedProject) {
    Session s;
    EXPECT_EQ(s.model.tree.entry(s.model.tree.root()).label, "Untitled");
    s.addSection("Intro");
    s.prompt.answers = {s.dir.file("a.prg")};
    ASSERT_TRUE(saveProject(s.model, s.prompt, s.settings, s.ui));

    ProjectModel next;
    startUpProject(next, s.settings, s.ui);
    EXPECT_EQ(next.projectPath, s.dir.file("a.prg"));
    EXPECT_EQ(next.recordOf(next.tree.children(next.tree.root())[0])->name, "Intro");
    EXPECT_TRUE(s.ui.messages.empty());

    // A remembered file that is gone: reported, and the root stays alone under that path.
    std::filesystem::remove(s.dir.file("a.prg"));
    ProjectModel gone;
    startUpProject(gone, s.settings, s.ui);
    EXPECT_EQ(s.ui.messages.size(), 1u);
    EXPECT_EQ(gone.tree.size(), 1u);
    EXPECT_EQ(gone.tree.entry(gone.tree.root()).label, s.dir.file("a.prg"));
}

TEST(ProjectCommands, SaveAsksOnlyWhileUntitledAndKeepsThePathOfTheLastGoodSave) {
    Session s;
    s.addSection("One");
    s.prompt.answers = {std::nullopt, s.dir.file("p.prg"), s.dir.file("no/such/dir/q.prg")};
    EXPECT_FALSE(saveProject(s.model, s.prompt, s.settings, s.ui));
    EXPECT_EQ(s.prompt.asked[0].mode, FileRequest::Mode::Save);
    EXPECT_EQ(s.prompt.asked[0].filter, "工程文件(*.prg)|*.prg||");
    EXPECT_EQ(s.prompt.asked[0].initialName, "Untitled");
    EXPECT_TRUE(s.settings.values.empty());

    ASSERT_TRUE(saveProject(s.model, s.prompt, s.settings, s.ui));
    EXPECT_EQ(s.settings.values["PRGPath"], s.dir.file("p.prg"));
    s.settings.values.clear();
    s.addSection("Two");
    ASSERT_TRUE(saveProject(s.model, s.prompt, s.settings, s.ui));
    EXPECT_EQ(s.prompt.asked.size(), 2u); // no new question, no registry write
    EXPECT_TRUE(s.settings.values.empty());
    ProjectModel back;
    EXPECT_EQ(readProjectFile(back, s.dir.file("p.prg"), s.ui), 3);

    EXPECT_FALSE(saveProjectAs(s.model, s.prompt, s.settings, s.ui));
    EXPECT_EQ(s.model.projectPath, s.dir.file("p.prg"));
    EXPECT_EQ(s.model.tree.entry(s.model.tree.root()).label, s.dir.file("p.prg"));
    EXPECT_EQ(s.ui.messages.size(), 1u);
}

TEST(ProjectCommands, LoadAndNewReplaceTheProjectOnlyWhenTheyCan) {
    Session s;
    s.addSection("Mine");
    ASSERT_TRUE(fileio::writeFile(s.dir.file("bad.prg"),
                                  std::vector<std::uint8_t>{'P', 'R', 'G', '2', 1, 1}, nullptr));
    s.prompt.answers = {s.dir.file("bad.prg"), std::nullopt, std::nullopt, s.dir.file("new.prg"),
                        s.dir.file("new.prg")};
    EXPECT_FALSE(loadProject(s.model, s.prompt, s.settings, s.ui));
    EXPECT_EQ(s.ui.messages, std::vector<std::string>{"PRG文件错误!"});
    EXPECT_FALSE(loadProject(s.model, s.prompt, s.settings, s.ui));
    EXPECT_FALSE(newProject(s.model, s.prompt, s.settings, s.ui));
    EXPECT_EQ(s.model.projectPath, "Untitled");
    EXPECT_EQ(s.model.tree.size(), 2u);
    EXPECT_TRUE(s.settings.values.empty());

    ASSERT_TRUE(newProject(s.model, s.prompt, s.settings, s.ui));
    EXPECT_EQ(s.model.tree.size(), 1u);
    EXPECT_TRUE(s.model.records().empty());
    EXPECT_EQ(fileio::readFile(s.dir.file("new.prg"))->size(), 12u + s.dir.file("new.prg").size());

    s.addSection("Other");
    ASSERT_TRUE(loadProject(s.model, s.prompt, s.settings, s.ui));
    EXPECT_EQ(s.model.tree.size(), 1u);
    EXPECT_EQ(s.settings.values["PRGPath"], s.dir.file("new.prg"));
}

TEST(ProjectCommands, OutputSavesAndReadsBackSoDeletedItemsAreLeftOut) {
    Session s;
    ASSERT_TRUE(fileio::writeFile(s.dir.file("a.kdr"),
                                  kdrBytes(test::convertedDocument(16, 16, {0}, {64})), nullptr));
    const EntryId section = s.addSection("S");
    const EntryId gone = addEntry(s.model, section, IncreaseFields{true, "Gone", "a.kdr"});
    addEntry(s.model, section, IncreaseFields{true, "Kept", s.dir.file("a.kdr")});
    addEntry(s.model, gone, SubBlockFields{"Sub"});
    ASSERT_TRUE(deleteEntry(s.model, gone));

    s.prompt.answers = {s.dir.file("out.prg")};
    const auto report = outputProject(s.model, s.prompt, s.settings, s.ui);
    ASSERT_TRUE(report.written);
    EXPECT_EQ(s.model.records().size(), 2u); // compacted by the read-back
    const auto irq = fileio::readFile(s.dir.file("VT03IRQ.ASM")).value();
    EXPECT_EQ(std::string(irq.begin(), irq.end()),
              "KEPT_irq:\r\n\tdb\t$00,$10,$00,$01,$02,$03\r\n");
    EXPECT_FALSE(std::filesystem::exists(s.dir.file("GONE.ASM")));
}
