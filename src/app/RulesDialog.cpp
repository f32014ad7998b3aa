// The "How to play" dialog.
#include "app/RulesDialog.h"

#include <QCheckBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "app/DialogSupport.h"
#include "app/Settings.h"
#include "platform/Icons.h"
#include "platform/Modal.h"
#include "resources/StringIds.h"

namespace {
// A line's text for a centred display: line breaks kept, the blanks around
// them dropped.
QString CentredLine(unsigned textId)
{
    QStringList parts = DialogText(textId).split(QLatin1Char('\n'));
    for (QString& part : parts)
        part = part.trimmed();
    return parts.join(QLatin1Char('\n'));
}

class CRulesDialog final : public QDialog {
public:
    CRulesDialog(const NextInstructionFn& next, QWidget* parent);
    bool ShowEveryTime() const { return m_showEveryTime; }

private:
    void Tick();

    const NextInstructionFn& m_next;
    QLabel* m_text;
    QCheckBox* m_check;
    QTimer* m_timer;
    unsigned m_currentId = 0;
    int m_secondsLeft = 0;
    bool m_showEveryTime = false;
};

CRulesDialog::CRulesDialog(const NextInstructionFn& next, QWidget* parent)
    : QDialog(parent), m_next(next)
{
    setObjectName(QStringLiteral("rulesDialog"));
    setWindowTitle(DialogText(kStrHowToPlayTitle));

    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("instruction"));
    m_text->setAlignment(Qt::AlignCenter);
    m_text->setWordWrap(true);
    m_text->setFrameShape(QFrame::StyledPanel);
    m_text->setFrameShadow(QFrame::Sunken);
    m_text->setAutoFillBackground(true);
    m_text->setBackgroundRole(QPalette::Base);
    m_text->setMargin(DluX(this, 4));
    m_text->setMinimumSize(DluX(this, 213), DluY(this, 52));
    QFont font = m_text->font();
    font.setPointSizeF(font.pointSizeF() * 1.15);
    m_text->setFont(font);

    m_check = new QCheckBox(DialogText(kStrHowToPlayShowThisDialogEvery), this);
    m_check->setObjectName(QStringLiteral("showEveryTime"));
    SetControlId(m_check, 1041);
    auto* play = new QPushButton(DialogText(kStrHowToPlayPlay), this);
    play->setObjectName(QStringLiteral("play"));
    play->setDefault(true);
    SetControlId(play, kRulesPlay);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text, 1);
    auto* row = new QHBoxLayout;
    row->addWidget(m_check);
    row->addStretch(1);
    row->addWidget(play);
    layout->addLayout(row);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("timer704"));
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, [this] { Tick(); });

    Tick();
    m_showEveryTime = g_Settings.ShowRulesDlg != 0;
    m_check->setChecked(m_showEveryTime);
    m_timer->start();

    connect(m_check, &QCheckBox::clicked, this, [this] {
        m_showEveryTime = !m_showEveryTime;
        m_check->setChecked(m_showEveryTime);
    });
    connect(play, &QPushButton::clicked, this, [this] { done(kRulesPlay); });
}

void CRulesDialog::Tick()
{
    if (m_secondsLeft == 0) {
        int seconds = 0;
        m_currentId = m_next ? m_next(m_currentId, seconds) : 0;
        m_secondsLeft = seconds;
        m_text->setText(m_currentId ? CentredLine(m_currentId) : QString());
    }
    --m_secondsLeft;
}
}  // namespace

int RunRulesDialog(HWND owner, const NextInstructionFn& nextInstruction)
{
    CRulesDialog dialog(nextInstruction, WidgetOf(owner));
    CentreDialog(&dialog);
    if (RunModal(dialog) != kRulesPlay)
        return kRulesClosed;
    g_Settings.ShowRulesDlg = dialog.ShowEveryTime() ? 1 : 0;
    StoreSettings({"ShowRulesDlg"});
    return kRulesPlay;
}
