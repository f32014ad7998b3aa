#include "app/DialogSupport.h"

#include <QDialog>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

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
    QRect area;
    if (const QWidget* parent = dialog->parentWidget())
        area = QRect(parent->mapToGlobal(QPoint(0, 0)), parent->size());
    else if (const QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    if (area.isValid()) {
        QRect frame = dialog->frameGeometry();
        frame.moveCenter(area.center());
        dialog->move(frame.topLeft());
    }
}
