// ".prg" projects: a refused file leaves the open project as it was; a loaded one, and the same
// project after any edits, saves to a file that loads again as the same tree.
#include "FuzzSupport.h"
#include "ProjectEdits.h"

#include "project/ProjectFile.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace kadro;

namespace {

ProjectModel openProject() {
    ProjectModel m;
    m.projectPath = "open.prg";
    m.tree.insertLast(noEntry, m.projectPath, 0, 0);
    test::editProject(m, [n = 0u]() mutable { return n++ * 7u; });
    return m;
}

void checkSavedLoadsAgain(const ProjectModel& m, const char* when) {
    fuzz::check(m.tree.children(noEntry).size() == 1, std::string(when) + ": not one root");
    if (!checkProjectLimits(m).empty())
        return;
    const auto bytes = projectFileBytes(m);
    ProjectModel back;
    fuzz::CountingUserInterface ui;
    fuzz::check(parseProjectFile(back, bytes, "p.prg", ui) == static_cast<int>(m.tree.size()) &&
                    ui.messages == 0,
                std::string(when) + ": the saved project does not load again");
    fuzz::check(test::shownTree(back) == test::shownTree(m) && projectFileBytes(back) == bytes,
                std::string(when) + ": the saved project loads as another tree");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    // The edits are taken from the input's end, the file from what is left.
    std::vector<unsigned> edits(input.ConsumeIntegralInRange<std::size_t>(0, 24) * 3);
    for (unsigned& n : edits)
        n = input.ConsumeIntegral<std::uint8_t>();
    const std::vector<std::uint8_t> file = input.ConsumeRemainingBytes<std::uint8_t>();

    ProjectModel m = openProject();
    const auto before = projectFileBytes(m);
    fuzz::CountingUserInterface ui;
    if (parseProjectFile(m, file, "f.prg", ui) == 0) {
        fuzz::check(ui.messages == 1, "a refused project file without one message");
        fuzz::check(projectFileBytes(m) == before, "a refused project file changed the project");
        return 0;
    }
    checkSavedLoadsAgain(m, "loaded");
    std::size_t at = 0;
    auto next = [&] { return at < edits.size() ? edits[at++] : 0u; };
    while (at < edits.size())
        test::editProject(m, next);
    checkSavedLoadsAgain(m, "edited");
    return 0;
}
