#include "project/ProjectOutput.h"

#include "common/FileIo.h"
#include "common/Paths.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <set>

namespace kadro {

namespace {

int bankSize(const ConversionSettings& s, int k) {
    return static_cast<std::uint16_t>(s.bankSizes[static_cast<std::size_t>(k)]);
}

int bankRow(const ConversionSettings& s, int k) {
    return s.bankStartRows[static_cast<std::size_t>(k)];
}

// Values as "\tdb\t" lines of `perLine` values; a line ends after its last value.
void appendDbValue(std::string& out, std::int64_t value, std::size_t index, std::size_t perLine) {
    if (index % perLine == 0)
        out += "\tdb\t";
    out += hexByte(value);
    out += index % perLine == perLine - 1 ? "\n" : ",";
}

} // namespace

std::string hexByte(std::int64_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "$%02X", static_cast<unsigned>(value));
    return text;
}

void ProjectOutput::appendPattern(const std::vector<std::uint8_t>& data, std::int64_t from,
                                  std::int64_t length) {
    // The last block of a bank reaches past the stored patterns; those bytes are 0xFF.
    const auto size = static_cast<std::int64_t>(data.size());
    for (std::int64_t i = from; i < from + length; ++i)
        pattern_.push_back(i < size ? data[static_cast<std::size_t>(i)] : 0xFF);
}

void ProjectOutput::countBank(std::int64_t length) {
    total_ += length;
    blockCounter_ += static_cast<int>(length / blockBytes);
}

void ProjectOutput::writeFirstBank(const KdrDocument& document, std::string& records, int& prev) {
    const ConversionSettings& s = document.settings;
    if (s.charSize > 1 && blockCounter_ % 2 == 1) {
        // 16-pixel-wide characters need their bank to start on an even 2 KB block.
        pattern_.insert(pattern_.end(), blockBytes, 0);
        ++blockCounter_;
    }
    int skip = s.startAddress / blockBytes * blockBytes;
    std::int64_t length = (bankSize(s, 0) / blockBytes + 1) * blockBytes - skip;
    // A start address beyond the bank's last used block leaves nothing to write for it.
    length = std::max<std::int64_t>(length, 0);
    appendPattern(document.results.patternData, skip, length);

    const int next = bankRow(s, 1);
    if (next == -1) {
        records += "$00," + hexByte(bankGroupByte);
    } else {
        records += hexByte(next - prev - 1) + "," + hexByte(bankGroupByte);
        prev = next;
    }
    int j = blockCounter_;
    for (int slot = 0; slot < 4; ++slot) {
        records += ",";
        if (skip > 0) {
            records += "$FF";
            skip -= blockBytes;
        } else {
            largestBlock_ = std::max(largestBlock_, j);
            records += hexByte(j++);
        }
    }
    if (next != -1)
        records += "\n\tdb\t";
    countBank(length);
}

void ProjectOutput::writeLaterBank(const KdrDocument& document, int k, std::string& records,
                                   int& prev) {
    const ConversionSettings& s = document.settings;
    const std::int64_t length = (bankSize(s, k) / blockBytes + 1) * blockBytes;
    appendPattern(document.results.patternData, static_cast<std::int64_t>(k) * s.bankStride(),
                  length);
    const int b = blockCounter_;
    const int next = bankRow(s, k + 1);
    records += next == -1 ? std::string("$00") : hexByte(next - prev - 1);
    records += "," + hexByte(bankGroupByte);
    for (int slot = 0; slot < 4; ++slot)
        records += "," + hexByte(b + slot);
    largestBlock_ = std::max(largestBlock_, b + 3);
    if (next != -1) {
        records += "\n\tdb\t";
        prev = next;
    }
    countBank(length);
}

std::string ProjectOutput::addItem(std::string_view name, const KdrDocument& document) {
    const std::string label(name);
    std::string records;
    int prev = 0;
    const int banks = std::min(document.settings.bankCount(), chip::maxBanks);
    for (int k = 0; k < banks; ++k) {
        if (k == 0)
            writeFirstBank(document, records, prev);
        else
            writeLaterBank(document, k, records, prev);
    }
    irq_ += label + "_irq:\n\tdb\t" + records + "\n";
    return label + "_irq:\n\tdb\t" + records + "\n" + label + "_pnt:\n" + pntTable(document) +
           label + "_attrib:\n" + attributeTable(document) + label + "_palette:\n" +
           paletteTable(document);
}

void ProjectOutput::finish() {
    const std::int64_t rest = total_ % fillUnit;
    if (rest != 0)
        pattern_.insert(pattern_.end(), static_cast<std::size_t>(fillUnit - rest), 0xFF);
}

std::string pntTable(const KdrDocument& document) {
    const auto& map = document.results.mapData;
    const std::size_t tiles = map.size() / 3;
    std::string out;
    for (std::size_t i = 0; i < tiles; ++i)
        appendDbValue(out, map[2 * i], i, 16);
    return out + "\n";
}

std::string attributeTable(const KdrDocument& document) {
    const ConversionSettings& s = document.settings;
    const auto& map = document.results.mapData;
    const std::int64_t across = s.width / s.geometry().width;
    const std::int64_t down = s.height / s.geometry().height;
    const std::int64_t first = 2 * static_cast<std::int64_t>(map.size() / 3);
    auto at = [&](std::int64_t r, std::int64_t c) -> std::int64_t {
        const std::int64_t offset = first + r * across + c;
        return offset < static_cast<std::int64_t>(map.size())
                   ? map[static_cast<std::size_t>(offset)]
                   : 0;
    };
    std::string out;
    for (std::int64_t r = 0; r < down; r += 4) {
        out += "\tdb\t";
        for (std::int64_t i = 0; i < across / 4; ++i) {
            const std::int64_t c = 4 * i;
            const std::int64_t value =
                at(r, c) | at(r, c + 2) * 4 | at(r + 2, c) * 16 | at(r + 2, c + 2) * 64;
            out += (i > 0 ? "," : "") + hexByte(value & 0xFF);
        }
        out += "\n";
    }
    return out + "\n";
}

std::string paletteTable(const KdrDocument& document) {
    const auto& codes = document.results.paletteCodes;
    std::string out;
    std::size_t index = 0;
    for (std::size_t half = 0; half < 2; ++half)
        for (std::size_t code = 0; code < 64; ++code, ++index)
            appendDbValue(out, 2 * code + half < codes.size() ? codes[2 * code + half] : 0, index,
                          16);
    return out;
}

std::string projectOutputDirectory(const std::string& projectPath) {
    const std::string dir = paths::directory(projectPath);
    if (!dir.empty())
        return dir;
    // A file in the file system's root keeps its separator; a bare name lies in the working folder.
    return projectPath.find_first_of("\\/") == 0 ? projectPath.substr(0, 1) : ".";
}

namespace {

// Why an item cannot have a NAME.ASM of its own beside the other outputs, or empty.
std::string itemNameProblem(const std::string& name, const std::set<std::string>& used) {
    if (name.empty())
        return "it has no name";
    if (name.find_first_of("/\\") != std::string::npos || name == "." || name == "..")
        return "its name cannot be a file name";
    if (paths::toUpper(paths::stem(projectIrqFile)) == name)
        return std::string("its file would replace ") + projectIrqFile;
    if (used.count(name) != 0)
        return "an earlier item already writes " + name + ".ASM";
    return {};
}

bool isAbsolutePath(const std::string& path) {
    const bool drive = path.size() > 2 && path[1] == ':' && (path[2] == '\\' || path[2] == '/');
    return drive || (!path.empty() && (path[0] == '/' || path[0] == '\\'));
}

bool commitText(const std::string& path, const std::string& text, ProjectOutputReport& report,
                UserInterface& ui) {
    std::string error;
    if (!fileio::writeTextFile(path, text, &error)) {
        ui.showMessage(error, MessageIcon::Warning);
        return false;
    }
    report.files.push_back(path);
    return true;
}

} // namespace

namespace {

using ItemFiles = std::vector<std::pair<std::string, std::string>>;

// Reads every live item's document and adds it to output; items that cannot take part are
// reported and left out.
ItemFiles buildItems(const std::vector<ProjectRecord>& records, const std::string& directory,
                     ProjectOutput& output, ProjectOutputReport& report, UserInterface& ui) {
    ItemFiles itemFiles;
    std::set<std::string> used;
    for (const ProjectRecord& r : records) {
        if (r.live == 0 || r.entryKind() != EntryKind::Item)
            continue;
        const std::string name = paths::toUpper(r.name);
        std::string why = itemNameProblem(name, used);
        if (why.empty() && r.path.empty())
            why = "it names no document";
        KdrReadResult read;
        const std::string document =
            isAbsolutePath(r.path) ? r.path : paths::join(directory, r.path);
        if (why.empty() && (read = readKdr(document)).status != KdrStatus::Ok)
            why = describeKdrFailure(document, read);
        if (!why.empty()) {
            ui.showMessage("Item \"" + r.name + "\" skipped: " + why, MessageIcon::Warning);
            report.skipped.push_back(r.name);
            continue;
        }
        used.insert(name);
        itemFiles.emplace_back(paths::join(directory, name + ".ASM"),
                               output.addItem(name, read.document));
    }
    return itemFiles;
}

} // namespace

ProjectOutputReport writeProjectOutput(const std::vector<ProjectRecord>& records,
                                       const std::string& directory, UserInterface& ui) {
    ProjectOutputReport report;
    ProjectOutput output;
    const ItemFiles itemFiles = buildItems(records, directory, output, report, ui);
    if (output.largestBlockNumber() > ProjectOutput::maxBlockNumber) {
        ui.showMessage("Project output refused: the patterns need 2 KB block numbers up to " +
                           hexByte(output.largestBlockNumber()) +
                           ", but an IRQ record holds at most $FF (512 KB of patterns); nothing "
                           "was written",
                       MessageIcon::Warning);
        return report;
    }
    output.finish();
    report.blocks = output.blockCounter();
    for (const auto& [path, text] : itemFiles)
        if (!commitText(path, text, report, ui))
            return report;
    if (!commitText(paths::join(directory, projectIrqFile), output.irqText(), report, ui))
        return report;
    std::string error;
    const std::string pgt = paths::join(directory, projectPatternFile);
    if (!fileio::writeFile(pgt, output.patternFile(), &error)) {
        ui.showMessage(error, MessageIcon::Warning);
        return report;
    }
    report.files.push_back(pgt);
    report.written = true;
    return report;
}

} // namespace kadro
