#pragma once

#include "palette/PaletteFile.h"

#include <QDialog>

namespace kadro::gui {

class PalettePanel;

// The second page of a conversion: the fitted palettes, editable before the tiles are cut.
// "Next" lets the conversion go on with the table as the panel left it; "Cancel" ends it.
class PalSetupDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int resourceId = 158;

    explicit PalSetupDialog(PaletteTable& table, QWidget* parent = nullptr);
    PalettePanel* panel() const { return panel_; }

    void loadPalette();
    void savePalette();

private:
    PaletteTable& table_;
    PalettePanel* panel_;
};

} // namespace kadro::gui
