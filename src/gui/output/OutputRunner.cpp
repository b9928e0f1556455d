#include "output/OutputRunner.h"

#include "output/AsmWriter.h"
#include "picture/Picture.h"

namespace kadro::gui {

bool OutputRunner::run(const Picture& picture, const FileOutputChoices& c, UserInterface& ui) {
    const ConversionResults* results = picture.results();
    if (!picture.hasConversion() || !results)
        return false;
    const ConvertedData data(picture.settings, *results);
    OutputChoices choices;
    choices.pgtAsText = c.pgtFormat == 1;
    choices.wide = c.pgtWidth == 1;
    choices.sprites = c.pntContent == 1;
    choices.extendedSprites = c.spriteFormat == 1;
    return AsmWriter(data, ui).write(c.pgtPath.toStdString(), c.pntPath.toStdString(), choices);
}

} // namespace kadro::gui
