#pragma once

#include "output/FileOutputDialog.h"

namespace kadro {
class Picture;
class UserInterface;
} // namespace kadro

namespace kadro::gui {

// The File Output dialog's choices handed to the assembler writer; the Picture's results are
// written only when it shows a conversion.
class OutputRunner {
public:
    static bool run(const Picture& picture, const FileOutputChoices& choices, UserInterface& ui);
};

} // namespace kadro::gui
