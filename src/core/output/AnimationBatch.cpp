#include "output/AnimationBatch.h"

#include "common/Paths.h"
#include "output/AnimationRun.h"
#include "picture/FormatModule.h"
#include "picture/Picture.h"

namespace kadro {

std::optional<std::vector<std::string>> runAnimationBatch(const AnimationBatch& batch,
                                                          const std::vector<std::string>& frames,
                                                          UserInterface& ui,
                                                          UserInterface& frameUi) {
    // A picture of its own, so a picture open elsewhere keeps its image and settings.
    Picture picture(batch.programDirectory, frameUi);
    picture.values.animationMode = true;
    picture.animationPalettePath = paths::join(batch.folder, animationPaletteName);
    const FrameLoader load = batch.load ? batch.load : [&](const std::string& path) {
        return loadPictureFile(batch.programDirectory, path, frameUi);
    };
    const auto convert = [&](const std::string& frame,
                             std::uint16_t start) -> std::optional<KdrDocument> {
        auto image = load(paths::resolve(batch.folder, frame));
        if (!image)
            return std::nullopt;
        picture.values.currentPictureType = PictureType::Ordinary;
        picture.attach(std::move(*image));
        picture.settings.startAddress = start;
        if (!picture.transform(picture.animationChoice()) || !picture.convert())
            return std::nullopt;
        return KdrDocument{picture.settings, *picture.results()};
    };
    AnimationRun run(batch.folder, convert, ui);
    if (!run.run(frames))
        return std::nullopt;
    return run.writtenFiles();
}

} // namespace kadro
