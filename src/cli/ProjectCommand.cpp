#include "Command.h"
#include "Options.h"

#include "common/Paths.h"
#include "picture/KdrFile.h"
#include "project/ProjectEditing.h"
#include "project/ProjectFile.h"

#include <charconv>
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
        return fail(path + ": already exists; remove it first to start a new project");
    ProjectModel model;
    model.projectPath = path;
    model.tree.insertLast(noEntry, path, static_cast<std::uint8_t>(EntryKind::Root), 0);
    if (!writeProjectFile(model, path, context.ui))
        return exitFailed;
    std::cout << "wrote " << path << '\n';
    return exitOk;
}

std::optional<std::vector<int>> parseNumbers(const std::string& text, std::size_t count) {
    std::vector<int> numbers;
    const char* at = text.data();
    const char* end = text.data() + text.size();
    while (numbers.size() < count) {
        int value = 0;
        auto [next, error] = std::from_chars(at, end, value);
        if (error != std::errc{})
            return std::nullopt;
        numbers.push_back(value);
        at = next;
        if (numbers.size() < count && (at == end || *at++ != ','))
            return std::nullopt;
    }
    if (at != end)
        return std::nullopt;
    return numbers;
}

// The fields of the one entry option given, or the reason they cannot be made.
std::variant<EntryFields, std::string> fieldsFrom(const Options& options) {
    int given = 0;
    for (const char* name : {"--section", "--group", "--item", "--sub-block"})
        given += options.value(name) ? 1 : 0;
    if (given != 1)
        return std::string("give exactly one of --section, --group, --item, --sub-block");
    if (auto name = options.value("--section"))
        return EntryFields{SectionFields{*name, !options.flag("--no-auto-increase")}};
    if (auto name = options.value("--group"))
        return EntryFields{IncreaseFields{false, *name, {}, true}};
    if (auto document = options.value("--item")) {
        std::error_code ec;
        const std::string full = std::filesystem::absolute(*document, ec).string();
        return EntryFields{
            IncreaseFields{true, options.value("--name").value_or(paths::baseName(*document)),
                           ec ? *document : full, true}};
    }
    const auto rect = parseNumbers(options.value("--rect").value_or(""), 4);
    if (!rect)
        return std::string("--sub-block needs --rect X,Y,WIDTH,HEIGHT");
    // The project file keeps Y, width and height in one byte each.
    for (std::size_t i = 1; i < 4; ++i)
        if ((*rect)[i] < 0 || (*rect)[i] > 255)
            return std::string("--rect: Y, width and height of a sub block must be 0 to 255");
    return EntryFields{SubBlockFields{*options.value("--sub-block"), (*rect)[0], (*rect)[1],
                                      (*rect)[2], (*rect)[3]}};
}

// An item may name a document that is converted later; say so now rather than at output time.
void warnAboutDocument(const Options& options) {
    const auto document = options.value("--item");
    if (!document)
        return;
    const KdrReadResult read = readKdr(*document);
    if (read.status != KdrStatus::Ok)
        std::cerr << "kadro-cli: warning: " << describeKdrFailure(*document, read)
                  << " (project-output needs a converted, saved document)\n";
}

int add(Context& context, const std::string& path, const Options& options) {
    auto fields = fieldsFrom(options);
    if (auto* why = std::get_if<std::string>(&fields))
        return usageError("project", *why);
    ProjectModel model;
    if (readProjectFile(model, path, context.ui) == 0)
        return exitFailed;
    model.projectPath = path;
    model.labelRootWithPath();
    const auto entries = entriesWithDepth(model);
    const auto under = parseNumbers(options.value("--under").value_or("0"), 1);
    if (!under || (*under)[0] < 0 || static_cast<std::size_t>((*under)[0]) >= entries.size())
        return fail("--under needs an entry number that 'kadro-cli project show' lists");
    const EntryId parent = entries[static_cast<std::size_t>((*under)[0])].first;
    if (addEntry(model, parent, std::get<EntryFields>(fields)) == noEntry)
        return fail("entry " + std::to_string((*under)[0]) + " (" +
                    std::string(kindName(model.kindOf(parent))) +
                    ") cannot hold that entry: sections go under the project, groups and items "
                    "under a section or group, sub blocks under an item");
    if (!writeProjectFile(model, path, context.ui))
        return exitFailed;
    std::cout << "wrote " << path << '\n';
    warnAboutDocument(options);
    return exitOk;
}

} // namespace

int runProject(Context& context, std::span<const std::string> args) {
    Options options(
        {"--under", "--section", "--group", "--item", "--name", "--sub-block", "--rect"},
        {"--no-auto-increase"});
    if (auto error = options.parse(args); !error.empty())
        return usageError("project", error);
    const auto& words = options.positional();
    if (words.size() != 2)
        return usageError("project", "expected an action (show, new, add) and a project file");
    if (words[0] == "show")
        return show(context, words[1]);
    if (words[0] == "new")
        return create(context, words[1]);
    if (words[0] == "add")
        return add(context, words[1], options);
    return usageError("project", "unknown action " + words[0]);
}

} // namespace kadro::cli
