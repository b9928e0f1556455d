#include "Command.h"
#include "PictureInput.h"

#include "common/Paths.h"
#include "picture/KdrFile.h"
#include "picture/Picture.h"

#include <iostream>

namespace kadro::cli {

int runRender(Context& context, std::span<const std::string> args) {
    Options options({"-o"}, {});
    if (auto error = options.parse(args); !error.empty())
        return usageError("render", error);
    if (options.positional().size() != 1)
        return usageError("render", "expected one document");
    const auto out = options.value("-o");
    if (!out || paths::lowerExtension(*out) != "bmp")
        return usageError("render", "-o OUT.bmp names the picture to write");
    const std::string& path = options.positional()[0];

    Picture picture(context.programDirectory, context.ui);
    // Only converted data can be drawn, so a header-only document is refused before a blank of
    // its claimed size is made.
    if (!picture.loadKdr(path, true)) {
        const auto read = readKdr(path);
        if (read.status == KdrStatus::CannotOpen || read.status == KdrStatus::TooShort ||
            read.status == KdrStatus::NotConverted)
            return fail(describeKdrFailure(path, read));
        return exitFailed;
    }
    if (const int skipped = picture.refresh(); skipped > 0)
        std::cerr << "kadro-cli: " << path << ": " << skipped
                  << " character(s) name patterns the document lacks; they are left blank\n";
    if (!picture.save(*out))
        return exitFailed;
    std::cout << *out << ": " << picture.width() << "x" << picture.height() << '\n';
    return exitOk;
}

} // namespace kadro::cli
