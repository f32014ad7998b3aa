// The level notices (dialogs 419 and 420): no buttons; they close themselves
// after two seconds (timer 705) or at a click of either mouse button.
#include <QDialog>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>
#include <QVBoxLayout>

#include "app/DialogSupport.h"
#include "framework/GameIds.h"
#include "framework/Shell.h"
#include "framework/WinTypes.h"
#include "platform/Icons.h"
#include "platform/Modal.h"
#include "resources/StringIds.h"

namespace {

constexpr int kNoticeMs = 2000;


// The notice's text (string resources 2050 and 2051); 0 for an unknown dialog.
unsigned NoticeTextId(unsigned dialogId)
{
    switch (dialogId) {
    case 419: return 2050;
    case 420: return 2051;
    default: return 0;
    }
}

class CLevelNoticeDlg final : public QDialog {
public:
    CLevelNoticeDlg(QWidget* parent, unsigned textId) : QDialog(parent)
    {
        setWindowTitle(DialogText(kStrAppTitle));
        setProperty("closesItself", true);
        auto* label = new QLabel(DialogText(textId));
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignCenter);
        QFont f = label->font();
        f.setPointSizeF(f.pointSizeF() * 1.2);
        label->setFont(f);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(24, 24, 24, 24);
        layout->addWidget(label);
        layout->setSizeConstraint(QLayout::SetFixedSize);
        // Timer 705 posts OK to the dialog.
        m_timer->setObjectName(QString::number(kLevelNoticeTimerId));
        m_timer->setSingleShot(true);
        connect(m_timer, &QTimer::timeout, this, &QDialog::accept);
        m_timer->start(kNoticeMs);
    }

    void done(int result) override
    {
        m_timer->stop();
        QDialog::done(result);
    }

protected:
    void mousePressEvent(QMouseEvent* e) override
    {
        if (e->button() == Qt::LeftButton || e->button() == Qt::RightButton)
            accept();
    }

private:
    QTimer* m_timer = new QTimer(this);
};
}  // namespace

int RunLevelNotice(HWND parent, unsigned dialogId)
{
    const unsigned textId = NoticeTextId(dialogId);
    if (textId == 0)
        return 0;
    CLevelNoticeDlg dialog(WidgetOf(parent), textId);
    RunModal(dialog);
    return IDOK;
}
