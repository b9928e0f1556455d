// A document through the whole road: parsed, drawn, written with every kind of output, packed
// into the test ROM and written as a one-item project. Every written db value is a byte, and an
// output that is refused changes no file.
#include "FuzzSupport.h"

#include "colour/ColorTables.h"
#include "convert/Preview.h"
#include "document/InformationText.h"
#include "output/AsmWriter.h"
#include "output/ScratchBinaries.h"
#include "output/TestRom.h"
#include "picture/Picture.h"
#include "project/ProjectOutput.h"

#include <filesystem>

using namespace kadro;

namespace fs = std::filesystem;

namespace {

const ColorTables& tables() {
    static const ColorTables loaded = [] {
        SilentUserInterface ui;
        auto t = ColorTables::load(KADRO_BIN_DIR, ui);
        if (!t)
            fuzz::fail("the colour tables are not beside the harness");
        return std::move(*t);
    }();
    return loaded;
}

std::string outputFolder(const char* name) {
    const std::string dir = (fs::path(fuzz::scratch()) / name).string();
    fs::create_directories(dir);
    return dir;
}

void writeOutputs(const ConvertedData& data) {
    const std::string dir = outputFolder("output");
    const std::string pgt = (fs::path(dir) / "doc_pgt.asm").string();
    const std::string pnt = (fs::path(dir) / "doc_pnt.asm").string();
    for (const OutputChoices& choices :
         {OutputChoices{true, false, false, false}, OutputChoices{false, true, true, false},
          OutputChoices{true, true, true, true}}) {
        const fuzz::FolderState before = fuzz::folderState(dir);
        fuzz::CountingUserInterface ui;
        if (!AsmWriter(data, ui).write(pgt, pnt, choices)) {
            fuzz::check(fuzz::folderState(dir) == before, "a refused output changed a file");
            continue;
        }
        fuzz::checkDbBytes(pnt);
        if (choices.pgtAsText)
            fuzz::checkDbBytes(pgt);
    }
}

void packRom(const ConvertedData& data) {
    static const std::vector<std::uint8_t> blank(TestRom::imageBytes, 0);
    fuzz::CountingUserInterface ui;
    if (const auto image = TestRom::build(blank, data, 3, ui))
        fuzz::check(image->size() == TestRom::imageBytes, "a ROM image of another size");
}

void writeProject(const KdrDocument& document) {
    const std::string dir = outputFolder("project");
    fuzz::writeScratch("project/item.kdr", kdrBytes(document));
    ProjectRecord item;
    item.name = "item";
    item.path = "item.kdr";
    item.kind = static_cast<std::uint8_t>(EntryKind::Item);
    item.live = 1;
    const fuzz::FolderState before = fuzz::folderState(dir);
    fuzz::CountingUserInterface ui;
    const ProjectOutputReport report = writeProjectOutput({item}, dir, ui);
    if (!report.written || !report.skipped.empty()) {
        fuzz::check(report.written || fuzz::folderState(dir) == before,
                    "a refused project output changed a file");
        return;
    }
    fuzz::checkDbBytes((fs::path(dir) / "ITEM.ASM").string());
    fuzz::checkDbBytes((fs::path(dir) / projectIrqFile).string());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    tables();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const KdrReadResult read = parseKdr({bytes, bytes + size});
    if (read.status == KdrStatus::NotConverted) {
        // What render does with a header-only document: refuse it before drawing anything.
        fuzz::CountingUserInterface ui;
        Picture picture(KADRO_BIN_DIR, ui);
        fuzz::check(!picture.loadKdr(fuzz::writeScratch("header.kdr", {bytes, size}), true) &&
                        picture.image() == nullptr,
                    "a header-only document was taken for converted data");
    }
    if (read.status != KdrStatus::Ok)
        return 0;
    const KdrDocument& document = read.document;
    const ConvertedData data(document.settings, document.results);
    information::forConversion(document.settings);

    if (auto blank = DibImage::createBlank(document.settings.width, document.settings.height))
        Preview(document.settings, document.results, tables()).render(*blank);
    ScratchBinaries::from(data);
    writeOutputs(data);
    packRom(data);
    writeProject(document);
    return 0;
}
