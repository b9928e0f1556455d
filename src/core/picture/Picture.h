#pragma once

#include "common/UserInterface.h"
#include "convert/TileConverter.h"
#include "picture/ConversionChoice.h"
#include "picture/ConversionSettings.h"
#include "picture/DibImage.h"
#include "picture/Selection.h"
#include "reduce/Reducer.h"

#include <memory>
#include <optional>
#include <string>

namespace kadro {

// The one picture the program works on: the settings header (also the head of a ".kdr"
// document), the process-wide values beside it, the image with its selection, and the tile
// converter holding the results of the last conversion or loaded document. Loads, conversions
// and saves that fail leave all of it as it was.
class Picture {
public:
    // programDirectory: where the colour tables lie (and the format modules).
    Picture(std::string programDirectory, UserInterface& ui);

    ConversionSettings settings;
    ProcessValues values;
    // Read in animation mode instead of asking for the palettes.
    std::string animationPalettePath = animationPaletteName;

    // A new white image; the selection becomes the whole image.
    bool createEmpty(int width, int height);
    void attach(DibImage image);
    const DibImage* image() const { return current(); }
    DibImage* image() { return current(); }
    int width() const;
    int height() const;

    // Pixel access for editing and adaptation. A picture that is not 24-bit shows
    // "请将位图转换为24位色处理!" on every call; no image or a point outside fails silently.
    bool getPixel(int x, int y, Colour& colour) const;
    bool setPixel(int x, int y, Colour colour);
    // Fills values.usedColours from an area of the image.
    void colourStats(int left, int top, int width, int height);

    const Selection& selection() const { return selection_; }
    void setSelection(const Selection& selection) { selection_ = selection; }

    // A converted ".kdr" document becomes the picture (a white image of its size; call refresh to
    // draw it); a header-only document gives a white image of its size. A wrong magic shows
    // "非法的KDR文件!", a corrupt document says what is wrong; a missing or short file fails
    // without a message. With convertedOnly a header-only document fails, without a message and
    // before its blank is allocated, for callers that need converted data.
    bool loadKdr(const std::string& path, bool convertedOnly = false);
    // A picture through the format modules.
    bool loadViaModule(const std::string& path);
    // By extension: ".bmp" the image, ".kdr" the document (an empty file before any conversion),
    // anything else an empty file. Write failures are shown.
    bool save(const std::string& path);
    // Whether save(path) would write something: the image as a bitmap, or a converted document.
    // The other saves make an empty file, which the desktop program does not offer.
    bool savesContent(const std::string& path) const;

    // The Transformation dialog's initial values: whole picture, background = pixel (0, 0).
    // After a reduction: its colour mode, colour count and background, and best-fit packing
    // with its palettes as hints, so that the reduced picture converts as the reducer planned.
    ConversionChoice initialChoice() const;
    // The fixed settings of animation mode: 16 colours, "8*8", whole picture, compression,
    // end address 0x2000; colour mode, start address and background as they stand.
    ConversionChoice animationChoice() const;
    // Builds the converter of the next conversion, loading the colour tables, so that the
    // Transformation dialog can count the VT03 colours of its area while it is open. transform
    // builds one itself when this was not called.
    bool prepareTransform();
    // Distinct VT03 colours among values.usedColours in a colour mode; 0 before prepareTransform.
    int availableColours(chip::ColourMode colourMode) const;
    // Starts a conversion with the person's choice: refuses an area that is not a whole number of
    // characters ("当前区域与块大小不匹配!") and builds a new converter (loading the colour
    // tables). Nothing visible changes until convert succeeds.
    bool transform(const ConversionChoice& choice);
    // Runs the conversion started by transform. On success the settings, converter and values
    // take the new conversion and the image becomes a white blank of the converted size; call
    // refresh to draw it. On failure the picture stays as it was.
    bool convert();

    // The "VT03 color adaptation" command of a colour mode on the image, followed by a fresh
    // count of the used colours. False, with the person told why and no pixel changed, when
    // there is no image, it is not 24-bit, or a colour table cannot be read.
    bool adapt(chip::ColourMode colourMode);

    // Brings an area of the picture (the whole picture when none is given) to the console's
    // rules, its blocks laid from the area's corner as a conversion of that area lays them, and
    // recounts the used colours. Nothing, with the person told why, when there is no 24-bit
    // picture, the area does not lie inside it or the colour tables cannot be read.
    std::optional<Reduction> reduce(const ReduceSettings& settings,
                                    std::optional<Selection> area = std::nullopt);
    // Takes a reduction of the whole picture made elsewhere (a preview that holds it already).
    void adoptReduction(DibImage reduced, const ReduceSettings& settings,
                        const Reduction& reduction);

    // True when the picture shows converted data (outputs and ".kdr" saving are possible).
    bool hasConversion() const {
        return values.currentPictureType == PictureType::Converted && converter_ != nullptr;
    }
    const TileConverter* converter() const { return converter_.get(); }
    // For edits of single results, such as one cell's name and attribute.
    TileConverter* converter() { return converter_.get(); }
    const ConversionResults* results() const {
        return converter_ ? &converter_->results() : nullptr;
    }

    // Fills the image with the preview background, then draws the converted data. Returns the
    // number of cells that could not be drawn (a damaged document names patterns it lacks).
    int refresh();
    bool fillBackground();

private:
    // The image; a converted picture's white blank is made here, when it is first needed.
    DibImage* current() const;

    std::string programDirectory_;
    UserInterface& ui_;
    mutable std::optional<DibImage> image_;
    // The size of the blank a conversion leaves, until someone looks at it: the command line
    // saves and writes the converted data without ever drawing it.
    mutable std::optional<std::pair<int, int>> blankSize_;
    Selection selection_;
    std::unique_ptr<TileConverter> converter_;
    // The conversion between transform and convert.
    std::unique_ptr<TileConverter> pendingConverter_;
    ConversionSettings pendingSettings_;
    ConversionChoice pendingChoice_;
    bool transformed_ = false;
    // What the last reduction of this image chose, for the next conversion's initial choice.
    struct Reduced {
        chip::ColourMode colourMode = chip::ColourMode::Hsl;
        chip::ColourCount colourCount = chip::ColourCount::Sixteen;
        Colour background = 0;
        std::vector<std::vector<Colour>> palettes;
    };
    std::optional<Reduced> reduced_;
    void rememberReduction(const ReduceSettings& settings, const Reduction& reduction);
};

// The preview's background: a 12-bit colour that nothing in the program changes (black).
inline constexpr std::uint16_t previewBackground = 0;

} // namespace kadro
