#include "output/TestRom.h"

#include "common/FileIo.h"
#include "common/Paths.h"
#include "common/ProgramFiles.h"
#include "common/UserInterface.h"

#include <algorithm>
#include <cstdio>

namespace kadro {

namespace {

std::vector<std::uint8_t> packedAttributes(const ConvertedData& data) {
    std::vector<std::uint8_t> out;
    const int w = data.cellsAcross();
    const int groups = std::max(1, w / 4);
    for (int r = 0; r < data.cellsDown(); r += 4)
        for (int g = 0; g < groups; ++g)
            out.push_back(data.packedAttributes(r * w + 4 * g, false));
    return out;
}

// Each of the four background palettes is laid out the way the chip reads a 4-bit pixel with
// attribute a: entry 32 x (v >> 2) + 4a + (v & 3).
void writePalette(std::vector<std::uint8_t>& image, const ConvertedData& data) {
    const std::uint16_t backdrop = data.paletteEntry(0);
    std::fill_n(image.begin() + TestRom::paletteArea, 0x80, static_cast<std::uint8_t>(backdrop));
    std::fill_n(image.begin() + TestRom::paletteArea + 0x80, 0x80,
                static_cast<std::uint8_t>(backdrop >> 8));
    for (int g = 0; g < 4; ++g) {
        for (int s = 0; s < 16; ++s) {
            const std::uint16_t code = data.paletteEntry(s % 4 + 4 * g + 16 * (s / 4));
            const auto slot = TestRom::paletteArea + static_cast<std::size_t>(32 * g + s);
            image[slot] = static_cast<std::uint8_t>(code);
            image[slot + 0x80] = static_cast<std::uint8_t>(code >> 8);
        }
    }
}

void writeParameters(std::vector<std::uint8_t>& image, const ConvertedData& data, std::size_t a,
                     std::size_t e, int panelIndex) {
    const ConversionSettings& s = data.settings();
    const std::size_t at = TestRom::parameterArea;
    image[at + 0] = static_cast<std::uint8_t>(a / chip::romBankBytes);
    image[at + 1] = static_cast<std::uint8_t>(s.width / 8);
    image[at + 2] = static_cast<std::uint8_t>(s.height / 8);
    image[at + 3] = static_cast<std::uint8_t>((a + e) / chip::romBankBytes);
    image[at + 4] = static_cast<std::uint8_t>(s.width / 32);
    image[at + 5] = static_cast<std::uint8_t>(s.height / 32);
    image[at + 6] = TestRom::flags(s);
    image[at + 7] = static_cast<std::uint8_t>(panelIndex);
    std::size_t irq = at + 8;
    for (int bank = 1; bank < data.bankCount(); ++bank)
        image[irq++] = static_cast<std::uint8_t>(data.irqRows(bank));
    image[irq] = 0;
}

std::string hexText(std::size_t value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "0x%zX", value);
    return buffer;
}

} // namespace

std::optional<std::vector<std::uint8_t>> TestRom::loadTemplate(const std::string& programDirectory,
                                                               UserInterface& ui) {
    auto bytes = fileio::readPrefix(
        programfiles::locate(programDirectory, templateName, programfiles::Room::Library),
        imageBytes);
    if (!bytes) {
        ui.showMessage("Open Rom.b00 Error!", MessageIcon::Warning);
        return std::nullopt;
    }
    return bytes;
}

std::optional<std::vector<std::uint8_t>> TestRom::build(std::span<const std::uint8_t> romTemplate,
                                                        const ConvertedData& data, int panelIndex,
                                                        UserInterface& ui) {
    if (romTemplate.size() < imageBytes) {
        ui.showMessage("Rom.b00 is not a 512 KB ROM image (" + std::to_string(romTemplate.size()) +
                           " bytes)",
                       MessageIcon::Warning);
        return std::nullopt;
    }
    if (const std::string problem = data.problem(); !problem.empty()) {
        ui.showMessage("The conversion results are damaged: " + problem, MessageIcon::Warning);
        return std::nullopt;
    }
    const ConversionSettings& s = data.settings();
    if (s.width / 8 > 0xFF || s.height / 8 > 0xFF) {
        ui.showMessage("The picture is too large for the test ROM: at most 2040 x 2040 pixels",
                       MessageIcon::Warning);
        return std::nullopt;
    }
    const auto pgt = data.pattern();
    const std::size_t a = nameOffset(pgt.size());
    const auto nameBytes = static_cast<std::size_t>(data.nameBytes());
    const std::size_t e = attributeDistance(nameBytes);
    const std::vector<std::uint8_t> attributes = packedAttributes(data);
    const std::size_t end = a + e + attributes.size();
    if (end > paletteArea) {
        ui.showMessage("The picture does not fit into the test ROM: its data would reach " +
                           hexText(end) + ", where the palette lies from " + hexText(paletteArea) +
                           " on",
                       MessageIcon::Warning);
        return std::nullopt;
    }

    std::vector<std::uint8_t> image(romTemplate.begin(), romTemplate.begin() + imageBytes);
    std::copy(pgt.begin(), pgt.end(), image.begin());
    for (int cell = 0; cell < data.cellCount(); ++cell)
        image[a + static_cast<std::size_t>(cell)] = static_cast<std::uint8_t>(data.name(cell));
    std::copy(attributes.begin(), attributes.end(),
              image.begin() + static_cast<std::ptrdiff_t>(a + e));
    writePalette(image, data);
    writeParameters(image, data, a, e, panelIndex);
    return image;
}

TestRom::Delivery TestRom::deliver(std::span<const std::uint8_t> image,
                                   const std::string& programDirectory, const VolumeFinder& volumes,
                                   UserInterface& ui) {
    Delivery delivery;
    delivery.imagePath = paths::join(programfiles::ownOutputFolder(programDirectory), imageName);
    std::string error;
    delivery.imageSaved = fileio::writeFile(delivery.imagePath, image, &error);
    if (!delivery.imageSaved)
        ui.showMessage(error, MessageIcon::Warning);
    if (const auto root = volumes.mountPointOf(volumeLabel)) {
        const std::string target = paths::join(*root, volumeFileName);
        if (fileio::writeFile(target, image, &error))
            delivery.copy = target;
        else
            ui.showMessage(error, MessageIcon::Warning);
    }
    return delivery;
}

std::optional<TestRom::Made> TestRom::make(const std::string& programDirectory,
                                           const ConvertedData& data, int panelIndex,
                                           const VolumeFinder& volumes, UserInterface& ui) {
    const auto romTemplate = loadTemplate(programDirectory, ui);
    if (!romTemplate)
        return std::nullopt;
    auto image = build(*romTemplate, data, panelIndex, ui);
    if (!image)
        return std::nullopt;
    Delivery delivery = deliver(*image, programDirectory, volumes, ui);
    return Made{std::move(*image), std::move(delivery)};
}

} // namespace kadro
