#include "Command.h"

#include <array>
#include <iostream>

namespace kadro::cli {

int runAdapt(Context&, std::span<const std::string>);
int runBatch(Context&, std::span<const std::string>);
int runConvert(Context&, std::span<const std::string>);
int runInfo(Context&, std::span<const std::string>);
int runOutput(Context&, std::span<const std::string>);
int runPaletteSteps(Context&, std::span<const std::string>);
int runProject(Context&, std::span<const std::string>);
int runProjectOutput(Context&, std::span<const std::string>);
int runRender(Context&, std::span<const std::string>);
int runRom(Context&, std::span<const std::string>);

namespace {
constexpr std::array commandTable{
    Command{"info", "info PICTURE", "format, size and colour count of a picture or document",
            runInfo},
    Command{"adapt", "adapt PICTURE [--mode hsl|rgb|nes] -o OUT.bmp",
            "reduce a picture's colours to those of one VT03 colour mode", runAdapt},
    Command{"convert",
            "convert PICTURE -o OUT.kdr [--area X,Y,W,H] [--colour-mode hsl|rgb|nes] "
            "[--colours 16|4] [--char 8x8|8x16|16x8|16x16] [--no-compress] [--start HEX] "
            "[--end HEX] [--background #RRGGBB] [--palette FILE.pal] [--save-palette FILE.pal] "
            "[--adapt hsl|rgb|nes]",
            "convert an area of a picture (or .kdr) into VT03 tiles and save the .kdr document",
            runConvert},
    Command{"render", "render DOC.kdr -o OUT.bmp",
            "draw a converted document as the console would show it", runRender},
    Command{"project",
            "project show|new|add PROJECT.prg [--under N] [--section NAME [--no-auto-increase] | "
            "--group NAME | --item DOCUMENT.kdr [--name NAME] | --sub-block NAME --rect X,Y,W,H]",
            "print a project tree, start a project, or add an entry first under entry N",
            runProject},
    Command{"project-output", "project-output PROJECT.prg",
            "write VT03PGT.BIN, VT03IRQ.ASM and one NAME.ASM per item beside the project file",
            runProjectOutput},
    Command{"output",
            "output DOC.kdr [--pgt FILE] [--pnt FILE] [--pgt-format bin|asm] [--pgt-width 8|16] "
            "[--pnt-content txt|spr] [--sprite-format nor|ext]",
            "write the PGT and PNT files of a converted document", runOutput},
    Command{"rom", "rom DOC.kdr [--panel INDEX|CODE] [-o FILE]",
            "build the TV test ROM (Rom.b01 beside the program, ROM.BIN on a volume labelled MS1)",
            runRom},
    Command{"batch", "batch LIST.lst",
            "convert the frames of a list and write the animation sources in the current folder",
            runBatch},
    Command{"palette-steps",
            "palette-steps FILE.pal --to '#RRGGBB' --levels N [--colour-mode hsl|rgb|nes]",
            "write PALStep.asm: the palette faded toward a colour in N steps", runPaletteSteps},
};
} // namespace

std::span<const Command> commands() {
    return commandTable;
}

int fail(std::string_view text) {
    std::cerr << "kadro-cli: " << text << '\n';
    return exitFailed;
}

int usageError(std::string_view command, std::string_view reason) {
    for (const auto& c : commands())
        if (c.name == command)
            std::cerr << "kadro-cli " << command << ": " << reason << "\nusage: kadro-cli "
                      << c.usage << '\n';
    return exitUsage;
}

} // namespace kadro::cli
