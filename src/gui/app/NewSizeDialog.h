#pragma once

#include <QDialog>

class QSpinBox;

namespace kadro::gui {

struct NewSize {
    int width = 256;
    int height = 240;
};

// Asks for the size of the next blank picture.
class NewSizeDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int resourceId = 143;

    explicit NewSizeDialog(const NewSize& size, QWidget* parent = nullptr);
    NewSize size() const;

private:
    QSpinBox* width_;
    QSpinBox* height_;
};

} // namespace kadro::gui
