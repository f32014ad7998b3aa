#include "platform/Icons.h"

#include <QApplication>
#include <QDir>
#include <QWidget>

#include "platform/QtMainWindow.h"

QIcon ProgramIcon()
{
    static QIcon icon;
    if (icon.isNull()) {
        const QDir dir(":/icons");
        for (const QString& name : dir.entryList({"198*.png"}, QDir::Files, QDir::Name))
            icon.addFile(dir.filePath(name));
    }
    return icon;
}

QWidget* WidgetOf(CWindow* window) { return dynamic_cast<CQtMainWindow*>(window); }

void SetUpApplication()
{
    QApplication::setApplicationName("glyphery");
    QApplication::setDesktopFileName("org.glyphery.Glyphery");
    QApplication::setWindowIcon(ProgramIcon());
    QApplication::setQuitOnLastWindowClosed(false);  // the shell's own loop ends with its window
}
