#include "Command.h"
#include "DocumentInput.h"

#include "output/AsmWriter.h"

#include <iostream>

namespace kadro::cli {

namespace {

struct ParsedChoices {
    OutputChoices choices;
    std::string error;
};

ParsedChoices parseChoices(const Options& options) {
    ParsedChoices parsed;
    const auto format = choiceIndex(options, "--pgt-format", {"bin", "asm"});
    const auto width = choiceIndex(options, "--pgt-width", {"8", "16"});
    const auto content = choiceIndex(options, "--pnt-content", {"txt", "spr"});
    const auto sprite = choiceIndex(options, "--sprite-format", {"nor", "ext"});
    if (!format)
        parsed.error = "--pgt-format takes bin or asm";
    else if (!width)
        parsed.error = "--pgt-width takes 8 or 16";
    else if (!content)
        parsed.error = "--pnt-content takes txt or spr";
    else if (!sprite)
        parsed.error = "--sprite-format takes nor or ext";
    else
        parsed.choices = {*format == 1, *width == 1, *content == 1, *sprite == 1};
    return parsed;
}

} // namespace

int runOutput(Context& context, std::span<const std::string> args) {
    Options options(
        {"--pgt", "--pnt", "--pgt-format", "--pgt-width", "--pnt-content", "--sprite-format"}, {});
    if (auto error = options.parse(args); !error.empty())
        return usageError("output", error);
    if (options.positional().size() != 1)
        return usageError("output", "expected one converted document (.kdr)");
    const ParsedChoices parsed = parseChoices(options);
    if (!parsed.error.empty())
        return usageError("output", parsed.error);

    const std::string& documentPath = options.positional()[0];
    const auto document = loadDocumentOrExplain(documentPath);
    if (!document)
        return exitFailed;
    const std::string stem = documentStem(documentPath);
    const std::string pgtPath = options.value("--pgt").value_or(
        stem + (parsed.choices.pgtAsText ? "_pgt.asm" : "_pgt.bin"));
    const std::string pntPath = options.value("--pnt").value_or(stem + "_pnt.asm");

    const ConvertedData data(document->settings, document->results);
    AsmWriter writer(data, context.ui);
    if (!writer.write(pgtPath, pntPath, parsed.choices))
        return exitFailed;
    std::cout << pgtPath << '\n' << pntPath << '\n';
    return exitOk;
}

} // namespace kadro::cli
