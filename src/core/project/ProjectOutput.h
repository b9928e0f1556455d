#pragma once

#include "common/UserInterface.h"
#include "picture/KdrFile.h"
#include "project/ProjectRecord.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kadro {

class AsmText;

inline constexpr const char* projectPatternFile = "VT03PGT.BIN";
inline constexpr const char* projectIrqFile = "VT03IRQ.ASM";
inline constexpr const char* projectOutputText = "Project output";

// The combined console data of a project, built in memory item by item: one pattern file
// shared by all items (numbered in 2 KB blocks), the IRQ table of every item and each item's own
// assembler text. Texts use "\n"; the writer turns them into CR LF.
class ProjectOutput {
public:
    static constexpr int blockBytes = chip::patternBlockBytes;
    static constexpr int fillUnit = 32768;
    static constexpr int bankGroupByte = 0x10;
    // Block numbers are printed as single db bytes by the console program's bank switching.
    static constexpr int maxBlockNumber = 0xFF;

    // Appends one item (NAME already upper case) and gives the text of its NAME.ASM file.
    std::string addItem(std::string_view name, const KdrDocument& document);
    // Pads the pattern file with 0xFF to a multiple of 32 KB of written pattern bytes.
    void finish();

    const std::vector<std::uint8_t>& patternFile() const { return pattern_; }
    const std::string& irqText() const { return irq_; }
    int blockCounter() const { return blockCounter_; }
    // The largest block number any IRQ record printed so far.
    int largestBlockNumber() const { return largestBlock_; }

private:
    void writeFirstBank(const KdrDocument& document, AsmText& records, int& prev);
    void writeLaterBank(const KdrDocument& document, int k, AsmText& records, int& prev);
    void appendPattern(const std::vector<std::uint8_t>& data, std::int64_t from,
                       std::int64_t length);
    void countBank(std::int64_t length);

    std::vector<std::uint8_t> pattern_;
    std::string irq_;
    int blockCounter_ = 0;
    int largestBlock_ = -1;
    std::int64_t total_ = 0;
};

// The item's PNT, attribute and palette tables, each after its label.
std::string pntTable(const KdrDocument& document);
std::string attributeTable(const KdrDocument& document);
std::string paletteTable(const KdrDocument& document);

// Where the output of a project goes: its file's folder ("." for a bare file name).
std::string projectOutputDirectory(const std::string& projectPath);

struct ProjectOutputReport {
    bool written = false;             // the files were saved
    std::vector<std::string> files;   // every file written, in order
    std::vector<std::string> skipped; // names of items left out (each explained through ui)
    int blocks = 0;                   // 2 KB blocks before the fill
};

// Writes "VT03PGT.BIN", "VT03IRQ.ASM" and NAME.ASM for every live item of the records, in
// record order, into directory. Items read their saved ".kdr" documents (relative paths are
// taken from directory); an item whose document cannot be read, or whose name cannot be a file
// name of its own, is skipped with a message. A project that needs block numbers above $FF is
// refused whole. Nothing is written unless the whole output was built, and the files are written
// as one set: when any of them cannot be written, every previous output file stays as it was.
ProjectOutputReport writeProjectOutput(const std::vector<ProjectRecord>& records,
                                       const std::string& directory, UserInterface& ui);

} // namespace kadro
