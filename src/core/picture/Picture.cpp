#include "picture/Picture.h"

#include "colour/ColourAdaptation.h"
#include "common/FileIo.h"
#include "common/Paths.h"
#include "picture/FormatModule.h"
#include "picture/KdrFile.h"

#include <cstring>

namespace kadro {

namespace {
// A header-only document gives a blank of its size; untrusted sizes are held to what the
// format modules accept before anything is allocated.
bool plausibleSize(int width, int height) {
    return width >= 0 && height >= 0 && width <= maxModuleSide && height <= maxModuleSide &&
           static_cast<long long>(width) * height <= maxModulePixels;
}
} // namespace

Picture::Picture(std::string programDirectory, UserInterface& ui)
    : programDirectory_(std::move(programDirectory)), ui_(ui) {}

bool Picture::createEmpty(int width, int height) {
    auto blank = DibImage::createBlank(width, height);
    if (!blank)
        return false;
    attach(std::move(*blank));
    return true;
}

void Picture::attach(DibImage image) {
    blankSize_.reset();
    reduced_.reset();
    image_ = std::move(image);
    selection_ = Selection::fromSize(0, 0, image_->width(), image_->height());
}

DibImage* Picture::current() const {
    if (blankSize_) {
        image_ = DibImage::createBlank(blankSize_->first, blankSize_->second);
        blankSize_.reset();
    }
    return image_ ? &*image_ : nullptr;
}

int Picture::width() const {
    if (blankSize_)
        return blankSize_->first;
    return image_ ? image_->width() : 0;
}

int Picture::height() const {
    if (blankSize_)
        return blankSize_->second;
    return image_ ? image_->height() : 0;
}

bool Picture::getPixel(int x, int y, Colour& colour) const {
    if (!current())
        return false;
    const auto status = current()->getPixel(x, y, colour);
    if (status == PixelStatus::NotTrueColour)
        ui_.showMessage(notTrueColourMessage, MessageIcon::Warning);
    return status == PixelStatus::Ok;
}

bool Picture::setPixel(int x, int y, Colour colour) {
    if (!current())
        return false;
    const auto status = current()->setPixel(x, y, colour);
    if (status == PixelStatus::NotTrueColour)
        ui_.showMessage(notTrueColourMessage, MessageIcon::Warning);
    return status == PixelStatus::Ok;
}

void Picture::colourStats(int left, int top, int width, int height) {
    values.usedColours = kadro::colourStats(image(), left, top, width, height);
}

bool Picture::loadKdr(const std::string& path, bool convertedOnly) {
    KdrReadResult read = readKdr(path);
    switch (read.status) {
    case KdrStatus::CannotOpen:
    case KdrStatus::TooShort:
        return false;
    case KdrStatus::BadMagic:
        ui_.showMessage("非法的KDR文件!", MessageIcon::Warning);
        return false;
    case KdrStatus::Inconsistent:
        ui_.showMessage(describeKdrFailure(path, read), MessageIcon::Warning);
        return false;
    case KdrStatus::NotConverted: {
        const auto& s = read.document.settings;
        if (convertedOnly || !plausibleSize(s.width, s.height) || !createEmpty(s.width, s.height))
            return false;
        values.currentPictureType = pictureTypeOf(s.pictureType);
        return true;
    }
    case KdrStatus::Ok:
        break;
    }
    auto converter = TileConverter::create(programDirectory_, ui_);
    auto blank = DibImage::createBlank(read.document.settings.width, read.document.settings.height);
    if (!converter || !blank)
        return false;
    converter->adoptResults(std::move(read.document.results));
    converter_ = std::move(converter);
    settings = read.document.settings;
    values.currentPictureType = PictureType::Converted;
    attach(std::move(*blank));
    return true;
}

bool Picture::loadViaModule(const std::string& path) {
    auto loaded = loadPictureFile(programDirectory_, path, ui_);
    if (!loaded)
        return false;
    values.currentPictureType = PictureType::Ordinary;
    attach(std::move(*loaded));
    return true;
}

bool Picture::save(const std::string& path) {
    const std::string extension = paths::lowerExtension(path);
    std::string error;
    bool ok;
    if (extension == "bmp") {
        if (!current())
            error = path + ": there is no picture to save";
        ok = current() && current()->writeBmp(path, &error);
    } else if (extension == "kdr" && hasConversion()) {
        ok = fileio::writeFile(path, kdrBytes({settings, converter_->results()}), &error);
    } else {
        ok = fileio::writeFile(path, {}, &error);
    }
    if (!ok)
        ui_.showMessage(error, MessageIcon::Warning);
    return ok;
}

bool Picture::savesContent(const std::string& path) const {
    const std::string extension = paths::lowerExtension(path);
    return (extension == "bmp" && image_) || (extension == "kdr" && hasConversion());
}

ConversionChoice Picture::initialChoice() const {
    ConversionChoice choice;
    choice.area = Selection::fromSize(0, 0, width(), height());
    Colour corner = 0;
    if (current() && current()->getPixel(0, 0, corner) == PixelStatus::Ok)
        choice.backgroundColour = corner;
    if (reduced_) {
        choice.colourMode = reduced_->colourMode;
        choice.colourCount = reduced_->colourCount;
        choice.backgroundColour = reduced_->background;
        choice.paletteFit = PaletteFit::Best;
        choice.paletteHints = reduced_->palettes;
    }
    return choice;
}

ConversionChoice Picture::animationChoice() const {
    ConversionChoice choice;
    choice.area = Selection::fromSize(0, 0, width(), height());
    choice.colourMode = settings.colourModeSetting();
    choice.startAddress = settings.startAddress;
    choice.backgroundColour = values.backgroundColour;
    return choice;
}

bool Picture::transform(const ConversionChoice& choice) {
    if (!wholeCharacters(choice.area.width(), choice.area.height(), choice.charSize)) {
        ui_.showMessage(notWholeCharactersText, MessageIcon::Warning);
        return false;
    }
    if (!prepareTransform())
        return false;
    ConversionSettings s = settings;
    s.pictureType = storedPictureType(PictureType::Converted);
    s.set(choice.colourCount);
    s.set(choice.charSize);
    s.set(choice.colourMode);
    s.width = choice.area.width();
    s.height = choice.area.height();
    s.set(choice.compressMode);
    s.startAddress = choice.startAddress;
    s.endAddress = choice.endAddress;
    pendingSettings_ = s;
    pendingChoice_ = choice;
    transformed_ = true;
    return true;
}

bool Picture::prepareTransform() {
    if (!pendingConverter_)
        pendingConverter_ = TileConverter::create(programDirectory_, ui_);
    return pendingConverter_ != nullptr;
}

int Picture::availableColours(chip::ColourMode colourMode) const {
    if (!pendingConverter_)
        return 0;
    return pendingConverter_->colorTables().countVt03Colours(values.usedColours, colourMode);
}

bool Picture::convert() {
    if (!transformed_ || !pendingConverter_ || !current())
        return false;
    transformed_ = false;
    auto converter = std::move(pendingConverter_);
    ConversionSettings s = pendingSettings_;
    const ConversionSource source{*current(),
                                  pendingChoice_.area,
                                  pendingChoice_.backgroundColour,
                                  values.animationMode,
                                  animationPalettePath,
                                  pendingChoice_.paletteFit,
                                  pendingChoice_.paletteHints};
    if (!converter->convert(s, source, ui_))
        return false;
    settings = s;
    converter_ = std::move(converter);
    values.backgroundColour = pendingChoice_.backgroundColour;
    values.currentPictureType = pictureTypeOf(settings.pictureType);
    image_.reset();
    reduced_.reset();
    blankSize_ = {s.width, s.height};
    selection_ = Selection::fromSize(0, 0, s.width, s.height);
    return true;
}

bool Picture::adapt(chip::ColourMode colourMode) {
    if (!current() || !adaptToMode(*current(), colourMode, programDirectory_, ui_))
        return false;
    colourStats(0, 0, width(), height());
    return true;
}

std::optional<Reduction> Picture::reduce(const ReduceSettings& reduceSettings,
                                         std::optional<Selection> area) {
    DibImage* image = current();
    if (!image)
        return std::nullopt;
    const auto tables = ColorTables::shared(programDirectory_, ui_);
    if (!tables)
        return std::nullopt;
    auto reduction =
        reducePicture(*image, area.value_or(Selection::fromSize(0, 0, width(), height())),
                      reduceSettings, *tables, ui_);
    if (!reduction)
        return std::nullopt;
    colourStats(0, 0, width(), height());
    rememberReduction(reduceSettings, *reduction);
    return reduction;
}

void Picture::adoptReduction(DibImage reduced, const ReduceSettings& reduceSettings,
                             const Reduction& reduction) {
    blankSize_.reset();
    image_ = std::move(reduced);
    colourStats(0, 0, width(), height());
    rememberReduction(reduceSettings, reduction);
}

void Picture::rememberReduction(const ReduceSettings& reduceSettings, const Reduction& reduction) {
    reduced_ = Reduced{reduceSettings.colourMode, reduceSettings.colourCount, reduction.background,
                       reduction.palettes};
}

int Picture::refresh() {
    fillBackground();
    if (hasConversion() && current())
        return converter_->renderPreview(settings, *current());
    return 0;
}

bool Picture::fillBackground() {
    DibImage* image = current();
    if (!image)
        return false;
    if (image->bitCount() != 24) {
        ui_.showMessage(notTrueColourMessage, MessageIcon::Warning);
        return false;
    }
    // Row by row over the pixels only: the rows' padding bytes stay as they are.
    const Colour background = ColorTables::fromTwelveBit(previewBackground);
    const std::uint8_t pixel[3] = {static_cast<std::uint8_t>(blueOf(background)),
                                   static_cast<std::uint8_t>(greenOf(background)),
                                   static_cast<std::uint8_t>(redOf(background))};
    const auto rowBytes = static_cast<std::size_t>(3 * image->width());
    std::vector<std::uint8_t> row(rowBytes);
    for (std::size_t at = 0; at < rowBytes; at += 3)
        std::memcpy(row.data() + at, pixel, 3);
    const auto stride = static_cast<std::size_t>(image->stride());
    std::uint8_t* rows = image->pixels().data();
    for (int y = 0; y < image->height(); ++y)
        std::memcpy(rows + static_cast<std::size_t>(y) * stride, row.data(), rowBytes);
    return true;
}

} // namespace kadro
