#pragma once

#include "picture/DibImage.h"
#include "reduce/Reducer.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QLabel;
class QSlider;

namespace kadro {
class ColorTables;
class UserInterface;
} // namespace kadro

namespace kadro::gui {

// "Reduce to VT03 colours": the picture beside what the reducer makes of it, with the colour
// mode, the colour count, the dither and its strength, and the error as a PSNR. A change of mode
// or count chooses the palettes again; a change of dither only maps the pixels again. OK hands
// the reduced picture to the caller, ready for Transform.
class ReduceDialog : public QDialog {
    Q_OBJECT
public:
    ReduceDialog(const DibImage& picture, const ColorTables& tables, UserInterface& ui,
                 QWidget* parent = nullptr);

    // The reduced picture as the preview shows it; nothing when the picture could not be reduced.
    const std::optional<DibImage>& reduced() const { return reduced_; }
    const Reduction& reduction() const { return reduction_; }

    QComboBox* modeBox() const { return mode_; }
    QComboBox* coloursBox() const { return colours_; }
    QComboBox* ditherBox() const { return dither_; }
    QSlider* strengthSlider() const { return strength_; }
    QLabel* psnrLabel() const { return psnr_; }

private:
    void plan();
    void map();
    ReduceSettings settings() const;

    const DibImage& picture_;
    const ColorTables& tables_;
    UserInterface& ui_;
    QComboBox* mode_;
    QComboBox* colours_;
    QComboBox* dither_;
    QSlider* strength_;
    QLabel* original_;
    QLabel* preview_;
    QLabel* psnr_;
    std::optional<ReductionPlan> plan_;
    std::optional<DibImage> reduced_;
    Reduction reduction_;
};

} // namespace kadro::gui
