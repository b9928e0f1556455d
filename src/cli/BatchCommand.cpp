#include "Command.h"
#include "PictureInput.h"
#include "Text.h"

#include "output/AnimationRun.h"
#include "picture/Picture.h"

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

// One frame in animation mode: the fixed settings, palettes from "ani.pal" in the current folder.
std::optional<KdrDocument> convertFrame(Context& context, Picture& picture, const std::string& path,
                                        std::uint16_t startAddress) {
    auto image = loadPictureOrExplain(context, path);
    if (!image)
        return std::nullopt;
    picture.attach(std::move(*image));
    picture.values.currentPictureType = -1;
    picture.values.animationMode = true;
    picture.settings.startAddress = startAddress;
    if (!picture.transform(picture.animationChoice()) || !picture.convert())
        return std::nullopt;
    return KdrDocument{picture.settings, *picture.results()};
}

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
    Picture picture(context.programDirectory, frameUi);
    AnimationRun run(
        {},
        [&](const std::string& path, std::uint16_t start) {
            return convertFrame(context, picture, path, start);
        },
        context.ui);
    if (!run.run(*frames))
        return exitFailed;
    for (const auto& name : run.writtenFiles())
        std::cout << name << '\n';
    return exitOk;
}

} // namespace kadro::cli
