#include "app/CKadroApp.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kadro"));
    kadro::gui::CKadroApp kadro(QCoreApplication::applicationDirPath());
    if (!kadro.initInstance(QCoreApplication::arguments().mid(1)))
        return 1;
    return QApplication::exec();
}
