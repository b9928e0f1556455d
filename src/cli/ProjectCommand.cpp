#include "Command.h"
#include "OptionValues.h"
#include "Text.h"

#include "common/Paths.h"
#include "picture/KdrFile.h"
#include "project/ProjectEditing.h"
#include "project/ProjectFile.h"

#include <filesystem>
#include <iostream>

namespace kadro::cli {

namespace {

constexpr std::string_view kindNames[] = {"project", "section", "group", "item", "sub block"};

std::string_view kindName(EntryKind kind) {
    const auto k = static_cast<std::size_t>(kind);
    return k < std::size(kindNames) ? kindNames[k] : "unknown kind";
}

std::string describe(const ProjectModel& model, EntryId id) {
    const auto record = model.recordOf(id);
    std::string text = std::string(kindName(model.kindOf(id))) + ": " + model.tree.entry(id).label;
    if (!record)
        return text;
    switch (record->entryKind()) {
    case EntryKind::Section:
        return text + (record->autoIncrease ? " (auto-increase)" : "");
    case EntryKind::Item:
        return text + " -> " + (record->path.empty() ? "(no document)" : record->path);
    case EntryKind::SubBlock:
        return text + " at " + std::to_string(record->blockX) + "," +
               std::to_string(record->blockY) + " size " + std::to_string(record->blockWidth) +
               "x" + std::to_string(record->blockHeight);
    default:
        return text;
    }
}

std::vector<std::pair<EntryId, int>> entriesWithDepth(const ProjectModel& model) {
    std::vector<std::pair<EntryId, int>> out;
    for (EntryId id : model.tree.subtree(model.tree.root()))
        out.emplace_back(id, model.tree.depth(id));
    return out;
}

int show(Context& context, const std::string& path) {
    ProjectModel model;
    if (readProjectFile(model, path, context.ui) == 0)
        return exitFailed;
    int number = 0;
    for (const auto& [id, depth] : entriesWithDepth(model))
        std::cout << std::string(static_cast<std::size_t>(2 * depth), ' ') << '[' << number++
                  << "] " << describe(model, id) << '\n';
    return exitOk;
}

int create(Context& context, const std::string& path) {
    std::error_code ec;
    if (std::filesystem::exists(path, ec))
        return fail(tr("%1: already exists; remove it first to start a new project", {path}));
    ProjectModel model;
    model.projectPath = path;
    model.tree.insertLast(noEntry, path, static_cast<std::uint8_t>(EntryKind::Root), 0);
    if (!writeProjectFile(model, path, context.ui))
        return exitFailed;
    std::cout << "wrote " << path << '\n';
    return exitOk;
}

struct EntryArguments {
    std::string under = "0", section, group, item, name, subBlock, rect;
    bool noAutoIncrease = false;
};

// The fields of the one entry option given, or the reason they cannot be made.
std::variant<EntryFields, std::string> fieldsFrom(const CommandLine& line,
                                                  const EntryArguments& a) {
    int given = 0;
    for (const char* name : {"--section", "--group", "--item", "--sub-block"})
        given += line.given(name) ? 1 : 0;
    if (given != 1)
        return tr("give exactly one of --section, --group, --item, --sub-block");
    if (line.given("--section"))
        return EntryFields{SectionFields{a.section, !a.noAutoIncrease}};
    if (line.given("--group"))
        return EntryFields{IncreaseFields{false, a.group, {}, true}};
    if (line.given("--item")) {
        std::error_code ec;
        const std::string full = std::filesystem::absolute(a.item, ec).string();
        return EntryFields{IncreaseFields{true,
                                          line.given("--name") ? a.name : paths::baseName(a.item),
                                          ec ? a.item : full, true}};
    }
    const auto rect = parseNumbers(a.rect, 4);
    if (!rect)
        return tr("--sub-block needs --rect X,Y,WIDTH,HEIGHT");
    // The project file keeps Y, width and height in one byte each.
    for (std::size_t i = 1; i < 4; ++i)
        if ((*rect)[i] < 0 || (*rect)[i] > 255)
            return tr("--rect: Y, width and height of a sub block must be 0 to 255");
    return EntryFields{SubBlockFields{a.subBlock, (*rect)[0], (*rect)[1], (*rect)[2], (*rect)[3]}};
}

// An item may name a document that is converted later; say so now rather than at output time.
void warnAboutDocument(const EntryArguments& a) {
    if (a.item.empty())
        return;
    const KdrReadResult read = readKdr(a.item);
    if (read.status != KdrStatus::Ok)
        std::cerr << "kadro-cli: "
                  << tr("warning: %1 (project-output needs a converted, saved document)",
                        {trMessage(describeKdrFailure(a.item, read))})
                  << '\n';
}

int add(Context& context, const std::string& path, const CommandLine& line,
        const EntryArguments& a) {
    auto fields = fieldsFrom(line, a);
    if (auto* why = std::get_if<std::string>(&fields))
        return line.usageError(*why);
    ProjectModel model;
    if (readProjectFile(model, path, context.ui) == 0)
        return exitFailed;
    model.projectPath = path;
    model.labelRootWithPath();
    const auto entries = entriesWithDepth(model);
    const std::size_t under = std::stoul(a.under);
    if (under >= entries.size())
        return fail(tr("--under needs an entry number that 'kadro-cli project show' lists"));
    const EntryId parent = entries[under].first;
    if (addEntry(model, parent, std::get<EntryFields>(fields)) == noEntry)
        return fail(tr("entry %1 (%2) cannot hold that entry: sections go under the project, "
                       "groups and items under a section or group, sub blocks under an item",
                       {a.under, kindName(model.kindOf(parent))}));
    if (!writeProjectFile(model, path, context.ui))
        return exitFailed;
    std::cout << "wrote " << path << '\n';
    warnAboutDocument(a);
    return exitOk;
}

constexpr std::array<Choice, 3> actionChoices{{{"show", "", 0}, {"new", "", 1}, {"add", "", 2}}};

void defineOptions(CommandLine& line, EntryArguments& a) {
    line.number("--under", a.under, 0, 65535, "N",
                tr("add: the entry, numbered as 'project show' lists them, that gets the new "
                   "entry first among its children"),
                "0");
    line.option("--section", a.section, "NAME", tr("add a section (under the project)"));
    line.flag("--no-auto-increase", a.noAutoIncrease,
              tr("the new section does not number its items on"));
    line.option("--group", a.group, "NAME", tr("add a group (under a section or group)"));
    line.option("--item", a.item, "DOCUMENT.kdr",
                tr("add an item for a converted document (under a section or group)"));
    line.option("--name", a.name, "NAME", tr("the item's name"), tr("the document's name"));
    line.option("--sub-block", a.subBlock, "NAME", tr("add a sub block (under an item)"));
    line.option("--rect", a.rect, "X,Y,W,H", tr("the sub block's place and size in pixels"));
}

} // namespace

int runProject(Context& context, CommandLine& line) {
    std::string action, path;
    EntryArguments a;
    line.argument("ACTION", action,
                  tr("show (print the tree), new (start a project) or add (add an entry)"));
    line.argument("PROJECT.prg", path, tr("the project file"));
    defineOptions(line, a);
    if (auto exit = line.parse())
        return *exit;
    const Choice* chosen = findChoice(actionChoices, action);
    if (!chosen)
        return line.usageError(tr("unknown action '%1'; use show, new or add", {action}));
    if (chosen->value == 0)
        return show(context, path);
    if (chosen->value == 1)
        return create(context, path);
    return add(context, path, line, a);
}

} // namespace kadro::cli
