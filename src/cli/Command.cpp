#include "Command.h"

#include "Text.h"

#include <array>
#include <iostream>

namespace kadro::cli {

int runAdapt(Context&, CommandLine&);
int runBatch(Context&, CommandLine&);
int runConvert(Context&, CommandLine&);
int runInfo(Context&, CommandLine&);
int runOutput(Context&, CommandLine&);
int runPaletteSteps(Context&, CommandLine&);
int runProject(Context&, CommandLine&);
int runProjectOutput(Context&, CommandLine&);
int runRender(Context&, CommandLine&);
int runRom(Context&, CommandLine&);

namespace {
constexpr std::array commandTable{
    Command{"info", "info PICTURE [--json]",
            trNoop("format, size and colour count of a picture or document"), runInfo},
    Command{"adapt", "adapt PICTURE -o OUT.bmp|OUT.png [--mode hsl|rgb|nes]",
            trNoop("reduce a picture's colours to those of one VT03 colour mode"), runAdapt},
    Command{
        "convert", "convert PICTURE -o OUT.kdr [OPTIONS]",
        trNoop("convert an area of a picture (or .kdr) into VT03 tiles and save the .kdr document"),
        runConvert},
    Command{"render", "render DOC.kdr -o OUT.bmp|OUT.png",
            trNoop("draw a converted document as the console would show it"), runRender},
    Command{"project", "project show|new|add PROJECT.prg [OPTIONS]",
            trNoop("print a project tree, start a project, or add an entry first under entry N"),
            runProject},
    Command{
        "project-output", "project-output PROJECT.prg",
        trNoop("write VT03PGT.BIN, VT03IRQ.ASM and one NAME.ASM per item beside the project file"),
        runProjectOutput},
    Command{"output", "output DOC.kdr [OPTIONS]",
            trNoop("write the PGT and PNT files of a converted document"), runOutput},
    Command{
        "rom", "rom DOC.kdr [--panel INDEX|CODE] [-o FILE]",
        trNoop(
            "build the TV test ROM (Rom.b01 beside the program, ROM.BIN on a volume labelled MS1)"),
        runRom},
    Command{
        "batch", "batch LIST.lst",
        trNoop(
            "convert the frames of a list and write the animation sources in the current folder"),
        runBatch},
    Command{"palette-steps", "palette-steps FILE.pal --to '#RRGGBB' --levels N [OPTIONS]",
            trNoop("write PALStep.asm: the palette faded toward a colour in N steps"),
            runPaletteSteps},
};
} // namespace

std::span<const Command> commands() {
    return commandTable;
}

const Command* findCommand(std::string_view name) {
    for (const auto& c : commandTable)
        if (c.name == name)
            return &c;
    return nullptr;
}

int fail(std::string_view text) {
    std::cerr << "kadro-cli: " << text << '\n';
    return exitFailed;
}

} // namespace kadro::cli
