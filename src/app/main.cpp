// Glyphery's entry point.
#include <QApplication>

#include "app/GameApp.h"
#include "platform/Icons.h"

int main(int argc, char** argv)
{
    QApplication qapp(argc, argv);
    SetUpApplication();

    CGameApp app;
    if (!app.Start())
        return 0;
    return app.Run();
}
