#include <QApplication>

#include "app/shell/CLogoApp.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("stampix");
    QApplication::setDesktopFileName("stampix");
    // Arguments have no effect: every run starts with the model question and an empty list.
    CLogoApp app;
    if (!app.InitInstance()) {
        return 0;
    }
    return QApplication::exec();
}
