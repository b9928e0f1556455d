#include "Command.h"
#include "PictureInput.h"
#include "PngFile.h"
#include "Text.h"

#include "picture/KdrFile.h"
#include "picture/Picture.h"

#include <iostream>

namespace kadro::cli {

int runRender(Context& context, CommandLine& line) {
    std::string path, out;
    line.argument("DOC.kdr", path, tr("the converted document"));
    line.option("-o", out, "OUT.bmp|OUT.png", tr("the picture to write, as BMP or PNG")).required();
    if (auto exit = line.parse())
        return *exit;
    if (!isPictureOutputName(out))
        return line.usageError(tr("-o: the picture is written as .bmp or .png, not '%1'", {out}));

    Picture picture(context.programDirectory, context.ui);
    // Only converted data can be drawn, so a header-only document is refused before a blank of
    // its claimed size is made.
    if (!picture.loadKdr(path, true)) {
        const auto read = readKdr(path);
        if (read.status == KdrStatus::CannotOpen || read.status == KdrStatus::TooShort)
            return fail(trMessage(describeKdrFailure(path, read)));
        if (read.status == KdrStatus::NotConverted)
            return fail(tr("%1: the document holds no converted picture", {path}));
        return exitFailed;
    }
    if (const int skipped = picture.refresh(); skipped > 0)
        std::cerr << "kadro-cli: "
                  << tr("%1: %2 character(s) name patterns the document lacks; they are left "
                        "blank",
                        {path, std::to_string(skipped)})
                  << '\n';
    std::string error;
    if (!writePicture(*picture.image(), out, &error))
        return fail(trMessage(error));
    std::cout << out << ": " << picture.width() << "x" << picture.height() << '\n';
    return exitOk;
}

} // namespace kadro::cli
