#include "app/GameOverDialog.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/DialogSupport.h"
#include "framework/Game.h"
#include "framework/Resources.h"
#include "platform/Icons.h"
#include "platform/Modal.h"
#include "app/ScoreDialogs.h"
#include "resources/StringIds.h"

CGameOverDialog::CGameOverDialog(QWidget* parent, unsigned gameNameId, const HuntSummary* hunt)
    : CStatisticsDialog(parent, DialogText(kStrGameOverTitle), gameNameId)
{
    if (hunt) {
        auto* layout = static_cast<QVBoxLayout*>(this->layout());
        m_huntLine = new QLabel(QString::asprintf(std::string(ResString(kStrHuntFoundOf)).c_str(), hunt->found, hunt->words, hunt->bestScore), this);
        layout->insertWidget(1, m_huntLine);
        if (!hunt->missed.empty()) {
            layout->insertWidget(2, new QLabel(DialogText(kStrHuntMissedWords), this));
            QStringList words;
            for (const std::string& word : hunt->missed)
                words << QString::fromStdString(word);
            m_missed = new QPlainTextEdit(words.join(QStringLiteral(", ")), this);
            m_missed->setReadOnly(true);
            m_missed->setFixedHeight(fontMetrics().lineSpacing() * 6 + 12);
            layout->insertWidget(3, m_missed);
        }
    }
    AddButton(1013, DialogText(kStrGameOverResetStats));
    AddButtonStretch();
    QPushButton* playAgain = AddButton(kPlayAgain, DialogText(kStrGameOverPlayAgain), true);
    AddButton(kDifferentGame, DialogText(kStrGameOverDifferentGame));
    AddButton(kReplayHand, DialogText(kStrGameOverReplayHand));
    AddButton(kQuit, DialogText(kStrGameOverQuit));
    playAgain->setFocus();
}

int RunGameOverDialog(HWND parent, unsigned gameNameId, const HuntSummary* hunt)
{
    CGameOverDialog dialog(WidgetOf(parent), gameNameId, hunt);
    CentreDialog(&dialog);
    const int choice = RunModal(dialog);
    return choice == kPlayAgain || choice == kDifferentGame || choice == kReplayHand ? choice : kQuit;
}
