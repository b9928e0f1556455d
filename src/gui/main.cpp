#include "app/CKadroApp.h"
#include "app/Language.h"

#include <QApplication>
#include <QSettings>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kadro"));
    // Before any window exists, so that every text is made in the chosen language.
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                             kadro::gui::CKadroApp::settingsName);
    kadro::gui::useLanguage(kadro::gui::chosenLanguage(settings));
    kadro::gui::CKadroApp kadro(QCoreApplication::applicationDirPath());
    if (!kadro.initInstance(QCoreApplication::arguments().mid(1)))
        return 1;
    return QApplication::exec();
}
