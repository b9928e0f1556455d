#pragma once

#include <QLabel>

namespace kadro::gui {

// A text that opens a link: drawn in link colours and underlined, with a hand cursor and the
// target as its tool tip. It opens on release (or on press with openOnPress), and with the
// space bar while it has the focus.
class CHyperLink : public QLabel {
    Q_OBJECT
public:
    enum Style : unsigned {
        underline = 0x01,
        useHover = 0x02,
        adjustToFit = 0x04,
        openOnPress = 0x08,
        focusOnClick = 0x10,
        noHandCursor = 0x20,
        ignoreFocus = 0x40,
    };
    static constexpr unsigned defaultStyle = underline | adjustToFit | focusOnClick;

    explicit CHyperLink(const QString& text, QWidget* parent = nullptr);

    void setUrl(const QString& url);
    QString url() const { return url_; }
    void setStyleFlags(unsigned flags);
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
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void restyle();

    QString url_;
    unsigned style_ = defaultStyle;
    bool focused_ = false;
    bool mouseOver_ = false;
    bool visited_ = false;
};

} // namespace kadro::gui
