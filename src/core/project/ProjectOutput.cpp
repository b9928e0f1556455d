#include "project/ProjectOutput.h"

#include "common/FileIo.h"
#include "common/Paths.h"
#include "output/AsmText.h"
#include "output/ConvertedData.h"

#include <algorithm>
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

// The head of bank k's IRQ record: the rows until the next bank's start ($00 after the last bank)
// and the bank group.
std::vector<std::uint32_t> recordHead(const ConversionSettings& s, int k, int& prev) {
    const int next = bankRow(s, k + 1);
    std::uint32_t rows = 0;
    if (next != -1) {
        rows = static_cast<std::uint32_t>(next - prev - 1);
        prev = next;
    }
    return {rows, ProjectOutput::bankGroupByte};
}

} // namespace

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

void ProjectOutput::writeFirstBank(const KdrDocument& document, AsmText& records, int& prev) {
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

    std::vector<std::uint32_t> record = recordHead(s, 0, prev);
    int j = blockCounter_;
    for (int slot = 0; slot < 4; ++slot) {
        if (skip > 0) {
            record.push_back(0xFF);
            skip -= blockBytes;
        } else {
            largestBlock_ = std::max(largestBlock_, j);
            record.push_back(static_cast<std::uint32_t>(j++));
        }
    }
    records.dataLine(record);
    countBank(length);
}

void ProjectOutput::writeLaterBank(const KdrDocument& document, int k, AsmText& records,
                                   int& prev) {
    const ConversionSettings& s = document.settings;
    const std::int64_t length = (bankSize(s, k) / blockBytes + 1) * blockBytes;
    appendPattern(document.results.patternData, static_cast<std::int64_t>(k) * s.bankStride(),
                  length);
    const int b = blockCounter_;
    std::vector<std::uint32_t> record = recordHead(s, k, prev);
    for (int slot = 0; slot < 4; ++slot)
        record.push_back(static_cast<std::uint32_t>(b + slot));
    largestBlock_ = std::max(largestBlock_, b + 3);
    records.dataLine(record);
    countBank(length);
}

std::string ProjectOutput::addItem(std::string_view name, const KdrDocument& document) {
    const std::string label(name);
    AsmText irq;
    irq.label(label + "_irq");
    int prev = 0;
    const int banks = std::min(document.settings.bankCount(), chip::maxBanks);
    for (int k = 0; k < banks; ++k) {
        if (k == 0)
            writeFirstBank(document, irq, prev);
        else
            writeLaterBank(document, k, irq, prev);
    }
    // A bank list going on past the banks written leaves an empty record line.
    if (banks == 0 || bankRow(document.settings, banks) != -1)
        irq.dataLine({});
    irq_ += irq.text();

    AsmText text;
    text.raw(irq.text());
    text.label(label + "_pnt");
    text.raw(pntTable(document));
    text.label(label + "_attrib");
    text.raw(attributeTable(document));
    text.label(label + "_palette");
    text.raw(paletteTable(document));
    return text.take();
}

void ProjectOutput::finish() {
    const std::int64_t rest = total_ % fillUnit;
    if (rest != 0)
        pattern_.insert(pattern_.end(), static_cast<std::size_t>(fillUnit - rest), 0xFF);
}

std::string pntTable(const KdrDocument& document) {
    const ConvertedData data(document.settings, document.results);
    std::vector<std::uint32_t> names(static_cast<std::size_t>(std::max(0, data.cellCount())));
    for (std::size_t i = 0; i < names.size(); ++i)
        names[i] = data.name(static_cast<int>(i)) & 0xFFu;
    AsmText text;
    text.dataRun(names);
    text.newline();
    return text.take();
}

std::string attributeTable(const KdrDocument& document) {
    const ConvertedData data(document.settings, document.results);
    const int across = data.cellsAcross();
    AsmText text;
    for (int r = 0; r < data.cellsDown(); r += 4) {
        std::vector<std::uint32_t> packed;
        for (int c = 0; c < across / 4 * 4; c += 4)
            packed.push_back(data.packedAttributes(r * across + c, false));
        text.dataLine(packed);
    }
    text.newline();
    return text.take();
}

std::string paletteTable(const KdrDocument& document) {
    const auto& codes = document.results.paletteCodes;
    // The low bytes of the first 64 codes, then their high bytes.
    std::vector<std::uint32_t> bytes;
    for (std::size_t half = 0; half < 2; ++half)
        for (std::size_t code = 0; code < 64; ++code)
            bytes.push_back(2 * code + half < codes.size() ? codes[2 * code + half] : 0);
    AsmText text;
    text.dataLines(bytes);
    return text.take();
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

using ItemFiles = std::vector<std::pair<std::string, std::string>>;

// Reads every live item's document and adds it to output; items that cannot take part are
// reported and left out.
ItemFiles buildItems(const std::vector<ProjectRecord>& records, const std::string& directory,
                     ProjectOutput& output, ProjectOutputReport& report, UserInterface& ui) {
    ItemFiles itemFiles;
    std::set<std::string> used;
    // Reading the documents is the long part of a large project.
    ProgressScope progress(ui, projectOutputText, 0, static_cast<int>(records.size()), 1);
    for (const ProjectRecord& r : records) {
        ui.advanceProgress();
        if (r.live == 0 || r.entryKind() != EntryKind::Item)
            continue;
        const std::string name = paths::toUpper(r.name);
        std::string why = itemNameProblem(name, used);
        if (why.empty() && r.path.empty())
            why = "it names no document";
        KdrReadResult read;
        const std::string document = paths::resolve(directory, r.path);
        if (why.empty() && (read = readKdr(document)).status != KdrStatus::Ok)
            why = describeKdrFailure(document, read);
        if (why.empty())
            why = ConvertedData(read.document.settings, read.document.results).irqRowsProblem();
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
                           AsmText::hex(static_cast<std::uint32_t>(output.largestBlockNumber())) +
                           ", but an IRQ record holds at most $FF (512 KB of patterns); nothing "
                           "was written",
                       MessageIcon::Warning);
        return report;
    }
    output.finish();
    report.blocks = output.blockCounter();
    // The files are written as one set: a failure leaves the previous output whole.
    fileio::FileSet files;
    for (const auto& [path, text] : itemFiles)
        files.addText(path, text);
    files.addText(paths::join(directory, projectIrqFile), output.irqText());
    files.add(paths::join(directory, projectPatternFile), output.patternFile());
    if (!files.commit()) {
        ui.showMessage(files.error() + "; no project output file was changed",
                       MessageIcon::Warning);
        return report;
    }
    report.files = files.paths();
    report.written = true;
    return report;
}

} // namespace kadro
