// Start-up probe for the benchmarks: starts, shows its main window and ends
// the moment the first frame of it has been painted. Run as
//   glyphery-startup-probe empty      an empty Qt main window (the floor)
//   glyphery-startup-probe glyphery   the program as a player starts it: the
//                                     stored settings, the last game dealt
// The benchmark times the whole process, from exec to exit.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

#include "app/GameApp.h"
#include "platform/QtMainWindow.h"

namespace {
bool g_painted = false;

// Ends the process once the event loop is back after the first paint.
void EndSoon()
{
    QTimer::singleShot(0, [] { _exit(0); });
}

class CFirstPaint final : public QObject {
public:
    explicit CFirstPaint(bool needGame) : m_needGame(needGame) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint || g_painted || !watched->isWidgetType())
            return false;
        if (m_needGame) {
            CGameApp* app = TheApp();
            auto* window = app ? dynamic_cast<CQtMainWindow*>(app->Window()) : nullptr;
            if (!window || watched != window->ClientWidget() || !app->CurrentGame())
                return false;
        } else if (!static_cast<QWidget*>(watched)->window()->inherits("QMainWindow")) {
            return false;
        }
        g_painted = true;
        EndSoon();
        return false;
    }

private:
    bool m_needGame;
};
}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("ALSOFT_DRIVERS", "null", 0);
    const bool empty = argc > 1 && std::strcmp(argv[1], "empty") == 0;
    QApplication qapp(argc, argv);
    CFirstPaint filter(!empty);
    qapp.installEventFilter(&filter);
    if (empty) {
        QMainWindow window;
        window.setCentralWidget(new QWidget);
        window.resize(800, 600);
        window.show();
        return qapp.exec();
    }
    CGameApp app;
    if (!app.Start())
        return 1;
    if (g_painted)
        _exit(0);
    return app.Run();
}
