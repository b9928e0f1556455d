#pragma once

#include <QDialog>

class QComboBox;
class QWidget;

namespace kadro {
class Picture;
class UserInterface;
} // namespace kadro

namespace kadro::gui {

// Asks which display panel the test board drives ("TV Display Config").
class TvDisplayDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int resourceId = 174;

    explicit TvDisplayDialog(QWidget* parent = nullptr);
    int panelIndex() const;

private:
    QComboBox* panels_;
};

// "TV Effect": packs the converted picture into the test ROM, saves it beside the program and
// copies it to the volume labelled MS1. Does nothing unless the picture shows a conversion.
// Returns where the image went, for the status bar; empty when nothing was saved.
QString runTvEffect(const Picture& picture, const std::string& programDirectory, UserInterface& ui,
                    QWidget* parent);

} // namespace kadro::gui
