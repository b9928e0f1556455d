#include "Command.h"
#include "DocumentInput.h"
#include "Text.h"

#include "common/Paths.h"
#include "output/AsmWriter.h"

#include <iostream>

namespace kadro::cli {

int runOutput(Context& context, CommandLine& line) {
    std::string documentPath, pgtPath, pntPath;
    std::string format = "bin", width = "8", content = "txt", sprite = "nor";
    line.argument("DOC.kdr", documentPath, tr("the converted document"));
    line.option("--pgt", pgtPath, "FILE", tr("the PGT file"), tr("DOC_pgt.bin or DOC_pgt.asm"));
    line.option("--pnt", pntPath, "FILE", tr("the PNT file"), tr("DOC_pnt.asm"));
    line.choice("--pgt-format", format, pgtFormatChoices,
                tr("the PGT as raw bytes (BIN) or as assembler text (ASM)"));
    line.choice("--pgt-width", width, pgtWidthChoices,
                tr("16 interleaves every 32-byte group of the PGT (16bit)"));
    line.choice("--pnt-content", content, pntContentChoices,
                tr("name and attribute tables (TXT) or sprite tables (SPR)"));
    line.choice("--sprite-format", sprite, spriteFormatChoices,
                tr("sprite lines with name and attribute (NOR) or pattern index (EXT)"));
    if (auto exit = line.parse())
        return *exit;
    const OutputChoices choices{choiceOf(pgtFormatChoices, format).value == 1,
                                choiceOf(pgtWidthChoices, width).value == 1,
                                choiceOf(pntContentChoices, content).value == 1,
                                choiceOf(spriteFormatChoices, sprite).value == 1};

    const auto document = loadDocumentOrExplain(documentPath);
    if (!document)
        return exitFailed;
    const std::string stem = paths::stem(documentPath);
    if (pgtPath.empty())
        pgtPath = stem + (choices.pgtAsText ? "_pgt.asm" : "_pgt.bin");
    if (pntPath.empty())
        pntPath = stem + "_pnt.asm";

    const ConvertedData data(document->settings, document->results);
    AsmWriter writer(data, context.ui);
    if (!writer.write(pgtPath, pntPath, choices))
        return exitFailed;
    std::cout << pgtPath << '\n' << pntPath << '\n';
    return exitOk;
}

} // namespace kadro::cli
