// Replay Hand (dialog 416): asks before a hand is dealt again, showing its number.
#include <QDialog>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/DialogSupport.h"
#include "app/Dialogs.h"
#include "platform/Icons.h"
#include "platform/Modal.h"
#include "resources/StringIds.h"

namespace {
enum : int { IDC_HANDNUMBER = 1007, kYes = 1, kNo = 2 };
class CReplayHandDlg final : public QDialog {
public:
    CReplayHandDlg(QWidget* parent, unsigned& handNumber) : QDialog(parent), m_handNumber(handNumber)
    {
        setWindowTitle(DialogText(kStrReplayHandTitle));
        auto* text = new QLabel(DialogText(kStrReplayHandAreYouSureYou));
        m_edit = new QLineEdit(QString::number(handNumber));
        m_edit->setObjectName("handNumber");
        m_edit->setProperty("controlId", IDC_HANDNUMBER);
        m_edit->setReadOnly(true);
        m_edit->setAlignment(Qt::AlignCenter);
        m_edit->setFixedWidth(m_edit->fontMetrics().horizontalAdvance(QStringLiteral("4294967295")) + 24);
        auto* yes = new QPushButton(DialogText(kStrReplayHandYes));
        auto* no = new QPushButton(DialogText(kStrReplayHandNo));
        SetControlId(yes, kYes);
        SetControlId(no, kNo);
        yes->setDefault(true);
        connect(yes, &QPushButton::clicked, this, [this] { OnYes(); });
        connect(no, &QPushButton::clicked, this, [this] { done(kNo); });

        auto* buttons = new QHBoxLayout;
        buttons->addStretch();
        buttons->addWidget(yes);
        buttons->addWidget(no);
        buttons->addStretch();
        auto* number = new QHBoxLayout;
        number->addStretch();
        number->addWidget(new QLabel(DialogText(kStrReplayHandHandNumber)));
        number->addWidget(m_edit);
        number->addStretch();
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(text);
        layout->addLayout(number);
        layout->addLayout(buttons);
        layout->setSizeConstraint(QLayout::SetFixedSize);
    }

    void reject() override { done(kNo); }  // Escape answers No

private:
    void OnYes()
    {
        bool ok = false;
        const unsigned value = m_edit->text().trimmed().toUInt(&ok, 10);
        if (ok)
            m_handNumber = value;
        done(kYes);
    }

    unsigned& m_handNumber;
    QLineEdit* m_edit = nullptr;
};
}  // namespace

int RunReplayHandDialog(HWND parent, unsigned& handNumber)
{
    CReplayHandDlg dialog(WidgetOf(parent), handNumber);
    return RunModal(dialog) == kYes ? kYes : kNo;
}
