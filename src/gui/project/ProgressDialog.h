#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

namespace kadro::gui {

// The modeless progress window of long work: a stage text above a bar. The work runs on the
// user-interface thread, so each change repaints at once.
class ProgressDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int resourceId = 167;

    explicit ProgressDialog(QWidget* parent = nullptr);

    void setText(const QString& text);
    void setRange(int low, int high);
    void setStep(int step);
    // Moves the bar one step, stopping at the top of the range.
    void advance();
    int value() const;
    QString text() const;

private:
    void showNow();

    QLabel* text_;
    QProgressBar* bar_;
    int step_ = 1;
};

} // namespace kadro::gui
