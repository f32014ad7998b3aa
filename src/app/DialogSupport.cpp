#include "app/DialogSupport.h"

#include <QDialog>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "framework/Resources.h"

QString DialogText(unsigned stringId)
{
    QString text = QString::fromLatin1(ResString(stringId));
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

QPixmap ResourceBitmap(unsigned bitmapId)
{
    if (bitmapId == 0)
        return {};
    return QPixmap(QStringLiteral(":/bitmaps/%1.png").arg(bitmapId));
}

static QSizeF BaseUnits(const QWidget* widget)
{
    const QFontMetricsF fm(widget->font());
    const qreal width =
        fm.horizontalAdvance(QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ")) / 52.0;
    return {width, fm.height()};
}

int DluX(const QWidget* widget, int units) { return qRound(BaseUnits(widget).width() * units / 4.0); }
int DluY(const QWidget* widget, int units) { return qRound(BaseUnits(widget).height() * units / 8.0); }

void CentreDialog(QDialog* dialog)
{
    dialog->adjustSize();
    const QWidget* parent = dialog->parentWidget();
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect();
    // Over the whole owner window, its frame included.
    const QRect area = parent ? parent->window()->frameGeometry() : available;
    if (!area.isValid())
        return;
    // A dialog never shown yet may report a frame a pixel short of its new
    // size; it is at least as large as the dialog.
    QRect frame = dialog->frameGeometry();
    frame.setSize(frame.size().expandedTo(dialog->size()));
    frame.moveCenter(area.center());
    // Over a small or half-hidden window the dialog still opens whole on the
    // screen; one larger than the screen keeps its top left corner visible.
    if (available.isValid()) {
        frame.moveLeft(std::max(available.left(), std::min(frame.left(), available.right() - frame.width() + 1)));
        frame.moveTop(std::max(available.top(), std::min(frame.top(), available.bottom() - frame.height() + 1)));
    }
    dialog->move(frame.topLeft());
}
