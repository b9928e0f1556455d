#include "app/AboutDialog.h"

#include "app/Artwork.h"
#include "app/CHyperLink.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace kadro::gui {

const QString AboutDialog::contactAddress = QStringLiteral("kadro@example.org");

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent), contact_(new CHyperLink(contactAddress, this)) {
    setWindowTitle(tr("About Kadro"));
    // A title and a close button only: a dialog is neither minimised nor maximised.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    auto* icon = new QLabel(this);
    icon->setPixmap(artwork::applicationIcon().pixmap(32, 32));
    auto* ok = new QPushButton(tr("Ok"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    contact_->setObjectName(QStringLiteral("contact"));
    contact_->setUrl(QStringLiteral("mailto:") + contactAddress);

    auto* grid = new QGridLayout(this);
    grid->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(new QLabel(QStringLiteral("Kadro 2.1 Ver b20040726"), this), 0, 1);
    grid->addWidget(new QLabel(tr("Pictures into VT03 character data."), this), 1, 1);
    grid->addWidget(contact_, 2, 1);
    grid->addWidget(ok, 0, 2, Qt::AlignTop);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    // Ok comes first in the tab order and takes the focus, so Enter and Space close the box
    // instead of opening the mail link.
    setTabOrder(ok, contact_);
    ok->setFocus();
}

} // namespace kadro::gui
