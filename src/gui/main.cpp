#include "app/CKadroApp.h"
#include "app/Language.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kadro"));
    // Before any window exists, so that every text is made in the chosen language.
    kadro::gui::useLanguage(kadro::gui::chosenLanguage(kadro::gui::userSettings()));
    kadro::gui::CKadroApp kadro(QCoreApplication::applicationDirPath());
    if (!kadro.initInstance(QCoreApplication::arguments().mid(1)))
        return 1;
    return QApplication::exec();
}
