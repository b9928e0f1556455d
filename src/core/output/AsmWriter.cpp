#include "output/AsmWriter.h"

#include "common/FileIo.h"
#include "common/Paths.h"
#include "common/UserInterface.h"
#include "output/AsmText.h"
#include "output/SpriteTables.h"

namespace kadro {

namespace {
constexpr int stripPixels = 256;
constexpr int paletteEntriesWritten = 64;

// "\t;%02X(%03d)\n" for a tile number, built without a formatting call for every line.
std::string tileComment(int tile) {
    std::string comment = "\t;";
    AsmText::appendHex(comment, static_cast<std::uint32_t>(tile));
    comment.erase(2, 1); // the hexadecimal digits without their "$"
    const std::string decimal = std::to_string(tile);
    comment += '(';
    comment.append(decimal.size() < 3 ? 3 - decimal.size() : 0, '0');
    comment += decimal;
    comment += ")\n";
    return comment;
}

std::span<const std::uint8_t> asBytes(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}
} // namespace

std::string AsmWriter::labelStem(const std::string& path) {
    return paths::toUpper(paths::baseName(path));
}

std::vector<std::uint8_t> AsmWriter::interleave(std::span<const std::uint8_t> pgt) {
    std::vector<std::uint8_t> out(pgt.begin(), pgt.end());
    for (std::size_t group = 0; group + 32 <= pgt.size(); group += 32) {
        for (std::size_t i = 0; i < 16; ++i) {
            out[group + 2 * i] = pgt[group + i];
            out[group + 2 * i + 1] = pgt[group + 16 + i];
        }
    }
    return out;
}

std::string AsmWriter::pgtText(std::span<const std::uint8_t> pgt, const std::string& stem) const {
    const auto& s = data_.settings();
    const int perChar = chip::pgtBytesPerChar(s.colourCount, s.charSize);
    AsmText text;
    for (int bank = 0; bank < data_.bankCount(); ++bank) {
        text.label(stem + "_bank" + std::to_string(bank) + "_pgt");
        const auto start =
            static_cast<std::size_t>(bank) * static_cast<std::size_t>(s.bankStride());
        const int size = data_.bankSize(bank);
        for (int j = 0; j < size; ++j) {
            const auto at = start + static_cast<std::size_t>(j);
            if (j % 16 == 0)
                text.raw("\tdb\t");
            text.value(at < pgt.size() ? pgt[at] : 0);
            if (j % 16 != 15) {
                text.raw(",");
                continue;
            }
            text.raw(tileComment(j / perChar));
        }
        text.newline();
    }
    return text.take();
}

int AsmWriter::stripCount() const {
    return std::max(1, (data_.settings().width + stripPixels - 1) / stripPixels);
}

std::string AsmWriter::pntHeader(const std::string& stem) const {
    AsmText text;
    text.label(stem);
    text.pointer(stem + "_irq");
    text.pointer(stem + "_palette");
    for (int strip = 0; strip < stripCount(); ++strip) {
        text.pointer(stem + "_pnt" + std::to_string(strip));
        text.pointer(stem + "_attrib" + std::to_string(strip));
    }
    return text.take();
}

std::string AsmWriter::irqTable(const std::string& stem) const {
    std::vector<std::uint32_t> rows;
    for (int bank = 1; bank < data_.bankCount(); ++bank)
        rows.push_back(static_cast<std::uint32_t>(data_.irqRows(bank)));
    AsmText text;
    text.label(stem + "_irq");
    if (rows.empty())
        text.newline();
    else
        text.dataLine(rows);
    return text.take();
}

std::string AsmWriter::paletteTable(const ConvertedData& data, const std::string& label,
                                    int entries) {
    std::vector<std::uint32_t> low, high;
    for (int i = 0; i < entries; ++i) {
        low.push_back(data.paletteEntry(i) & 0xFFu);
        high.push_back(data.paletteEntry(i) >> 8);
    }
    AsmText text;
    text.label(label);
    text.dataLines(low);
    text.dataLines(high);
    return text.take();
}

std::string AsmWriter::nameTables(const std::string& stem) const {
    const int w = data_.cellsAcross();
    const int rows = data_.cellsDown();
    const int perLine = stripPixels / data_.tileWidth();
    AsmText text;
    for (int strip = 0; strip < stripCount(); ++strip) {
        const int c0 = strip * perLine;
        text.label(stem + "_pnt" + std::to_string(strip));
        for (int r = 0; r < rows; ++r) {
            std::vector<std::uint32_t> names;
            for (int c = c0; c < std::min(c0 + perLine, w); ++c)
                names.push_back(data_.name(r * w + c) & 0xFFu);
            text.dataLine(names);
        }
        text.newline();
        text.label(stem + "_attrib" + std::to_string(strip));
        for (int r = 0; r < rows; r += 4) {
            std::vector<std::uint32_t> packed;
            int c = c0;
            do {
                packed.push_back(data_.packedAttributes(r * w + c, true));
                c += 4;
            } while (static_cast<int>(packed.size()) < perLine / 4 &&
                     c0 / 4 + static_cast<int>(packed.size()) < w / 4);
            text.dataLine(packed);
        }
        text.newline();
    }
    return text.take();
}

bool AsmWriter::save(const std::string& path, std::span<const std::uint8_t> bytes) {
    std::string error;
    if (fileio::writeFile(path, bytes, &error))
        return true;
    ui_.showMessage(error, MessageIcon::Warning);
    return false;
}

bool AsmWriter::write(const std::string& pgtPath, const std::string& pntPath,
                      const OutputChoices& choices) {
    if (const std::string problem = data_.problem(); !problem.empty()) {
        ui_.showMessage("The conversion results are damaged: " + problem, MessageIcon::Warning);
        return false;
    }
    std::string tooWide = data_.irqRowsProblem();
    if (tooWide.empty() && choices.sprites)
        tooWide = SpriteTables::problem(data_);
    if (!tooWide.empty()) {
        ui_.showMessage("The PNT file cannot be written: " + tooWide, MessageIcon::Warning);
        return false;
    }
    ProgressScope progress(ui_, "输出PGT...", 0, 3, 1);
    const std::vector<std::uint8_t> pgt =
        choices.wide ? interleave(data_.pattern())
                     : std::vector<std::uint8_t>(data_.pattern().begin(), data_.pattern().end());
    const bool pgtSaved =
        choices.pgtAsText
            ? save(pgtPath, asBytes(fileio::withCrLf(pgtText(pgt, labelStem(pgtPath)))))
            : save(pgtPath, pgt);
    if (!pgtSaved)
        return false;

    const std::string stem = labelStem(pntPath);
    ui_.setProgressText("输出PNT...");
    ui_.advanceProgress();
    std::string pnt = pntHeader(stem) + irqTable(stem);
    ui_.setProgressText("输出Palette...");
    ui_.advanceProgress();
    pnt += paletteTable(data_, stem + "_palette", paletteEntriesWritten);
    pnt += choices.sprites ? SpriteTables::text(data_, stem, choices.extendedSprites)
                           : nameTables(stem);
    ui_.setProgressText("输出Attrib...");
    ui_.advanceProgress();
    return save(pntPath, asBytes(fileio::withCrLf(pnt)));
}

} // namespace kadro
