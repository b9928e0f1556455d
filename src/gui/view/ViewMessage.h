#pragma once

#include "common/Colour.h"

#include <QEvent>

namespace kadro::gui {

// The picture view's private messages, with the numbers other windows have always used.
enum class ViewMessage : int {
    RealizePalette = 1024,
    FlashBegin = 1025,
    FlashToggle = 1026,
    FlashEnd = 1027,
    ReplaceColour = 1028,
    RefreshPicture = 1029,
    ConversionDone = 1030,
};

inline QEvent::Type eventType(ViewMessage message) {
    return static_cast<QEvent::Type>(static_cast<int>(message));
}

// One message: the used-colour index and the colour it carries, where it carries them.
class ViewMessageEvent : public QEvent {
public:
    explicit ViewMessageEvent(ViewMessage message, int index = 0, Colour colour = 0)
        : QEvent(eventType(message)), index_(index), colour_(colour) {}

    ViewMessage message() const { return static_cast<ViewMessage>(static_cast<int>(type())); }
    int index() const { return index_; }
    Colour colour() const { return colour_; }

    static bool isViewMessage(const QEvent* event) {
        const int t = static_cast<int>(event->type());
        return t >= static_cast<int>(ViewMessage::RealizePalette) &&
               t <= static_cast<int>(ViewMessage::ConversionDone);
    }

private:
    int index_;
    Colour colour_;
};

} // namespace kadro::gui
