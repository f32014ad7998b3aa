#include "app/HighScoreDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/DialogSupport.h"
#include "platform/Icons.h"
#include "platform/Modal.h"
#include "app/ScoreDialogSupport.h"
#include "app/ScoreDialogs.h"
#include "resources/StringIds.h"

namespace {
constexpr int kFirstNameId = 16385;
constexpr int kFirstScoreId = 16395;
constexpr int kResetScores = 1009;
// Names are kept as UTF-8 and must fit the store's 256-byte read buffer.
bool FitsStore(const QString& name) { return name.toUtf8().size() <= kHighScoreNameMax; }
}  // namespace

CHighScoreDialog::CHighScoreDialog(QWidget* parent, bool entryMode, int pendingScore, unsigned gameNameId)
    : QDialog(parent), m_entryMode(entryMode), m_pendingScore(pendingScore), m_gameNameId(gameNameId)
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(DialogText(kStrHighScoresHighestScoringWinnersFor), this));

    auto* grid = new QGridLayout;
    const QFontMetrics metrics = fontMetrics();
    for (int r = 0; r < kHighScoreRows; ++r) {
        auto* number = new QLabel(QStringLiteral("%1.").arg(r + 1), this);
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_names[r] = new QLineEdit(this);
        m_names[r]->setObjectName(QString::number(kFirstNameId + r));
        m_names[r]->setMinimumWidth(metrics.horizontalAdvance(QLatin1Char('M')) * 22);
        connect(m_names[r], &QLineEdit::textEdited, this, &CHighScoreDialog::LimitNameLength);
        m_scores[r] = new QLabel(this);
        m_scores[r]->setObjectName(QString::number(kFirstScoreId + r));
        m_scores[r]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_scores[r]->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("-0000000")));
        grid->addWidget(number, r, 0);
        grid->addWidget(m_names[r], r, 1);
        grid->addWidget(m_scores[r], r, 2);
    }
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);

    auto* buttons = new QHBoxLayout;
    auto* reset = new QPushButton(DialogText(kStrHighScoresResetScores), this);
    reset->setObjectName(QStringLiteral("button%1").arg(kResetScores));
    SetControlId(reset, kResetScores);
    reset->setAutoDefault(false);
    connect(reset, &QPushButton::clicked, this, &CHighScoreDialog::OnResetScores);
    auto* ok = new QPushButton(DialogText(kStrHighScoresOk), this);
    ok->setObjectName(QStringLiteral("button1"));
    SetControlId(ok, 1);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CHighScoreDialog::accept);
    auto* cancel = new QPushButton(DialogText(kStrHighScoresCancel), this);
    cancel->setObjectName(QStringLiteral("button2"));
    SetControlId(cancel, 2);
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &CHighScoreDialog::reject);
    buttons->addWidget(reset);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    Initialise();
}

void CHighScoreDialog::Initialise()
{
    const HighScoreTable table = LoadHighScoreTable(m_entryMode, m_pendingScore);
    m_newRow = table.newRow;
    for (int r = 0; r < kHighScoreRows; ++r) {
        QLineEdit* name = m_names[r];
        const bool editable = r == m_newRow;
        name->setText(QString::fromUtf8(table.rows[r].name));
        name->setCursorPosition(0);
        name->setReadOnly(!editable);
        name->setFrame(editable);
        name->setFocusPolicy(editable ? Qt::StrongFocus : Qt::ClickFocus);
        // Read-only names sit on the dialog's own background; the one to fill in stands out.
        QPalette palette = this->palette();
        if (!editable)
            palette.setColor(QPalette::Base, palette.color(QPalette::Window));
        name->setPalette(palette);
        m_scores[r]->setText(QString::fromUtf8(table.rows[r].score));
    }

    setWindowTitle(TitleWithGameName(DialogText(kStrHighScoresTitle), m_gameNameId));
    if (m_entryMode && m_newRow >= 0) {
        setWindowTitle(DialogText(kStrNewHighScore));
        m_names[m_newRow]->setMaxLength(kHighScoreNameMax);
        m_names[m_newRow]->setFocus();
    }
}

void CHighScoreDialog::LimitNameLength(const QString& text)
{
    auto* box = qobject_cast<QLineEdit*>(sender());
    if (!box || FitsStore(text))
        return;
    QString fitted = text;
    while (!fitted.isEmpty() && (!FitsStore(fitted) || fitted.back().isHighSurrogate()))
        fitted.chop(1);
    box->setText(fitted);
}

void CHighScoreDialog::accept()
{
    HighScoreTable table;
    table.newRow = m_newRow;
    for (int r = 0; r < kHighScoreRows; ++r) {
        table.rows[r].name = m_names[r]->text().toUtf8().toStdString();
        table.rows[r].score = m_scores[r]->text().toUtf8().toStdString();
    }
    SaveHighScoreTable(table);
    done(1);
}

void CHighScoreDialog::OnResetScores()
{
    if (!AskYesNo(this, kStrResetScoresCaption, kStrResetScoresQuestion))
        return;
    DeleteHighScores();
    Initialise();
}

int RunHighScoreDialog(HWND parent, bool entryMode, int pendingScore, unsigned gameNameId)
{
    CHighScoreDialog dialog(WidgetOf(parent), entryMode, pendingScore, gameNameId);
    CentreDialog(&dialog);
    return RunModal(dialog) == 1 ? 1 : 2;
}
