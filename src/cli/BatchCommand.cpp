#include "Command.h"
#include "PictureInput.h"
#include "Text.h"

#include "output/AnimationBatch.h"
#include "output/AnimationRun.h"

#include <iostream>

namespace kadro::cli {

namespace {

// The frames' own conversions report their messages but keep quiet about progress, so the
// run's bar over the frame list stays on the terminal.
class FrameUserInterface : public UserInterface {
public:
    explicit FrameUserInterface(UserInterface& person) : person_(person) {}
    void showMessage(std::string_view text, MessageIcon icon, std::string_view caption) override {
        person_.showMessage(text, icon, caption);
    }
    bool setUpPalettes(std::array<PaletteSlot, 256>& table) override {
        return person_.setUpPalettes(table);
    }
    void beginProgress(std::string_view, int, int, int) override {}
    void setProgressText(std::string_view) override {}
    void advanceProgress() override {}
    void endProgress() override {}

private:
    UserInterface& person_;
};

} // namespace

int runBatch(Context& context, CommandLine& line) {
    std::string listPath;
    bool quiet = false;
    line.argument("LIST.lst", listPath, tr("the frame list: picture paths separated by blanks"));
    line.quietFlag(quiet);
    if (auto exit = line.parse())
        return *exit;
    auto frames = AnimationRun::readFrameList(listPath);
    if (!frames)
        return fail(tr("%1: cannot read the frame list", {listPath}));
    AnimationRun::sortFrames(*frames);
    context.ui.showProgress(!quiet);

    FrameUserInterface frameUi(context.ui);
    // The run's folder is the current one: the command works where it is started.
    const AnimationBatch batch{{}, context.programDirectory, [&](const std::string& path) {
                                   return loadPictureOrExplain(context, path);
                               }};
    const auto written = runAnimationBatch(batch, *frames, context.ui, frameUi);
    if (!written)
        return exitFailed;
    for (const auto& name : *written)
        std::cout << name << '\n';
    return exitOk;
}

} // namespace kadro::cli
