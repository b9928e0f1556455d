#include "Command.h"
#include "DocumentInput.h"
#include "Text.h"

#include "common/FileIo.h"
#include "common/Paths.h"
#include "output/TestRom.h"

#include <algorithm>
#include <iostream>

namespace kadro::cli {

namespace {

// A panel by its index (0..29) or by its code, exactly or ignoring case.
std::optional<int> panelIndex(const std::string& text) {
    const auto& codes = TestRom::panelCodes;
    if (!text.empty() && text.size() <= 2 && std::all_of(text.begin(), text.end(), ::isdigit)) {
        const int index = std::stoi(text);
        return index < static_cast<int>(codes.size()) ? std::optional<int>(index) : std::nullopt;
    }
    for (bool exact : {true, false})
        for (std::size_t i = 0; i < codes.size(); ++i)
            if (exact ? codes[i] == text : paths::toLower(codes[i]) == paths::toLower(text))
                return static_cast<int>(i);
    return std::nullopt;
}

} // namespace

int runRom(Context& context, CommandLine& line) {
    std::string path, panel = "0", extra;
    line.argument("DOC.kdr", path, tr("the converted document"));
    line.option("--panel", panel, "INDEX|CODE", tr("the TV panel, by index (0-29) or code"),
                std::string(TestRom::panelCodes[0]))
        .check({[](const std::string& v) { return panelIndex(v).has_value(); },
                trNoop("takes an index from 0 to 29 or one of the panel codes, not '%1'")});
    line.option("-o", extra, "FILE", tr("also save the ROM image here"));
    if (auto exit = line.parse())
        return *exit;

    const auto document = loadDocumentOrExplain(path);
    if (!document)
        return exitFailed;
    const auto made = TestRom::make(context.programDirectory,
                                    ConvertedData(document->settings, document->results),
                                    *panelIndex(panel), VolumeFinder(), context.ui);
    if (!made)
        return exitFailed;
    const TestRom::Delivery& delivery = made->delivery;
    if (delivery.imageSaved)
        std::cout << delivery.imagePath << '\n';
    else
        std::cerr << "kadro-cli: "
                  << tr("the program's folder is not writable, so %1 was not saved there",
                        {TestRom::imageName})
                  << '\n';
    if (!extra.empty()) {
        std::string error;
        if (!fileio::writeFile(extra, made->image, &error))
            return fail(trMessage(error));
        std::cout << extra << '\n';
    }
    if (delivery.copy)
        std::cout << *delivery.copy << " (volume " << TestRom::volumeLabel << ")\n";
    return delivery.imageSaved || !extra.empty() ? exitOk : exitFailed;
}

} // namespace kadro::cli
