#include "scores/DialogSupport.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

#include "framework/Resources.h"

QWidget* DialogParent(HWND window)
{
    if (auto* widget = dynamic_cast<QWidget*>(window))
        return widget;
    return QApplication::activeWindow();
}

QString ResText(unsigned id)
{
    // Resource texts use Windows line breaks; Qt wants plain ones.
    return QString::fromLatin1(ResString(id)).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

QString TitleWithGameName(const QString& title, unsigned gameNameId)
{
    if (gameNameId == 0 || !HasResString(gameNameId))
        return title;
    return QStringLiteral("%1 - %2").arg(title, ResText(gameNameId));
}

bool AskYesNo(QWidget* parent, unsigned captionId, unsigned textId)
{
    QMessageBox box(QMessageBox::Question, ResText(captionId), ResText(textId),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}
