#pragma once

#include <QDialog>

namespace kadro::gui {

class CHyperLink;

// "About Kadro": the version and a contact link.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int resourceId = 100;
    static const QString contactAddress;

    explicit AboutDialog(QWidget* parent = nullptr);
    CHyperLink* contact() const { return contact_; }

private:
    CHyperLink* contact_;
};

} // namespace kadro::gui
