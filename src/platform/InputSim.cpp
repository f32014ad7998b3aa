#include "platform/InputSim.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

Qt::MouseButtons SimulateMouse(QWidget* widget, MouseMessage message, int x, int y, Qt::KeyboardModifiers modifiers,
                               Qt::MouseButtons held)
{
    QEvent::Type type = QEvent::MouseMove;
    Qt::MouseButton button = Qt::NoButton;
    Qt::MouseButtons after = held;
    switch (message) {
    case MouseMessage::Move: break;
    case MouseMessage::LButtonDown: type = QEvent::MouseButtonPress; button = Qt::LeftButton; break;
    case MouseMessage::LButtonUp: type = QEvent::MouseButtonRelease; button = Qt::LeftButton; break;
    case MouseMessage::LButtonDblClk: type = QEvent::MouseButtonDblClick; button = Qt::LeftButton; break;
    case MouseMessage::RButtonDown: type = QEvent::MouseButtonPress; button = Qt::RightButton; break;
    case MouseMessage::RButtonUp: type = QEvent::MouseButtonRelease; button = Qt::RightButton; break;
    case MouseMessage::RButtonDblClk: type = QEvent::MouseButtonDblClick; button = Qt::RightButton; break;
    }
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)
        after |= button;
    else if (type == QEvent::MouseButtonRelease)
        after &= ~Qt::MouseButtons(button);
    const QPointF local(x, y);
    const QPointF global = widget->mapToGlobal(local);
    QMouseEvent event(type, local, local, global, button, after, modifiers);
    QApplication::sendEvent(widget, &event);
    return after;
}

void SimulateKey(QWidget* widget, int qtKey, Qt::KeyboardModifiers modifiers, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, qtKey, modifiers, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, qtKey, modifiers, text);
    QApplication::sendEvent(widget, &release);
}
