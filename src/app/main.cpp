// Glyphery's entry point.
#include <QApplication>

#include "app/GameApp.h"
#include "framework/Resources.h"
#include "platform/Icons.h"

int main(int argc, char** argv)
{
    QApplication qapp(argc, argv);
    QApplication::setApplicationName("glyphery");
    QApplication::setApplicationDisplayName(QString::fromLatin1(ResString(103)));
    QApplication::setDesktopFileName("org.glyphery.Glyphery");
    QApplication::setWindowIcon(ProgramIcon());
    QApplication::setQuitOnLastWindowClosed(false);  // the shell's own loop ends with its window

    CGameApp app;
    if (!app.Start())
        return 0;
    return app.Run();
}
