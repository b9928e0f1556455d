#include "Command.h"
#include "DocumentInput.h"

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

int runRom(Context& context, std::span<const std::string> args) {
    Options options({"--panel", "-o"}, {});
    if (auto error = options.parse(args); !error.empty())
        return usageError("rom", error);
    if (options.positional().size() != 1)
        return usageError("rom", "expected one converted document (.kdr)");
    const auto panel = panelIndex(options.value("--panel").value_or("0"));
    if (!panel)
        return usageError("rom", "--panel takes an index from 0 to 29 or one of the panel codes");

    const auto document = loadDocumentOrExplain(options.positional()[0]);
    if (!document)
        return exitFailed;
    const auto romTemplate = TestRom::loadTemplate(context.programDirectory, context.ui);
    if (!romTemplate)
        return exitFailed;
    const ConvertedData data(document->settings, document->results);
    const auto image = TestRom::build(*romTemplate, data, *panel, context.ui);
    if (!image)
        return exitFailed;

    const TestRom::Delivery delivery =
        TestRom::deliver(*image, context.programDirectory, VolumeFinder(), context.ui);
    if (delivery.imageSaved)
        std::cout << delivery.imagePath << '\n';
    else
        std::cerr << "kadro-cli: the program's folder is not writable, so " << TestRom::imageName
                  << " was not saved there\n";
    bool extraSaved = false;
    if (const auto extra = options.value("-o")) {
        std::string error;
        if (!fileio::writeFile(*extra, *image, &error))
            return fail(error);
        std::cout << *extra << '\n';
        extraSaved = true;
    }
    if (delivery.copy)
        std::cout << *delivery.copy << " (volume " << TestRom::volumeLabel << ")\n";
    return delivery.imageSaved || extraSaved ? exitOk : exitFailed;
}

} // namespace kadro::cli
