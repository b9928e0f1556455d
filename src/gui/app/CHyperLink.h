#pragma once

#include <QLabel>

namespace kadro::gui {

// A text that opens a link: drawn in link colours and underlined, as large as its text, with a
// hand cursor and the target as its tool tip. A click gives it the focus and opens the link on
// release; the space bar opens it while it has the focus.
class CHyperLink : public QLabel {
    Q_OBJECT
public:
    explicit CHyperLink(const QString& text, QWidget* parent = nullptr);

    void setUrl(const QString& url);
    QString url() const { return url_; }
    bool visited() const { return visited_; }
    // The colour the text is drawn in now.
    QColor textColour() const;
    // Opens the target through the desktop; a failure beeps and says why.
    void openLink();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void restyle();

    QString url_;
    bool focused_ = false;
    bool visited_ = false;
};

} // namespace kadro::gui
