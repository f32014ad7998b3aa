#include "app/StatisticsDialog.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/DialogSupport.h"
#include "platform/Icons.h"
#include "platform/Modal.h"
#include "app/ScoreDialogSupport.h"
#include "app/ScoreDialogs.h"
#include "scores/Statistics.h"
#include "resources/StringIds.h"

namespace {
constexpr int kResetStats = 1013;

struct FieldSpec {
    int id;
    unsigned labelId;
};
constexpr FieldSpec kLeftColumn[] = {{1015, 2301}, {1016, 2302}, {1017, 2303}, {1018, 2304}};
constexpr FieldSpec kRightColumn[] = {{1021, 2305}, {1022, 2306}, {1023, 2307}, {1024, 2308}};
}  // namespace

CStatisticsDialog::CStatisticsDialog(QWidget* parent, unsigned gameNameId)
    : CStatisticsDialog(parent, DialogText(kStrStatisticsTitle), gameNameId)
{
    AddButton(kResetStats, DialogText(kStrStatisticsResetStats));
    AddButtonStretch();
    AddButton(1, DialogText(kStrStatisticsOk), true);
    AddButton(2, DialogText(kStrStatisticsCancel));
}

CStatisticsDialog::CStatisticsDialog(QWidget* parent, const QString& title, unsigned gameNameId)
    : QDialog(parent)
{
    setWindowTitle(TitleWithGameName(title, gameNameId));

    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(panel);
    const int em = fontMetrics().horizontalAdvance(QLatin1Char('M'));
    grid->setHorizontalSpacing(em);
    const auto addColumn = [&](const FieldSpec (&column)[4], int gridColumn) {
        for (int row = 0; row < 4; ++row) {
            auto* label = new QLabel(DialogText(column[row].labelId), panel);
            auto* value = new QLabel(panel);
            value->setObjectName(QString::number(column[row].id));
            value->setTextInteractionFlags(Qt::TextSelectableByMouse);
            grid->addWidget(label, row, gridColumn);
            grid->addWidget(value, row, gridColumn + 1);
        }
    };
    addColumn(kLeftColumn, 0);
    addColumn(kRightColumn, 3);
    // Room for "-99999 (out of 99999)" in the score column; a gap between the columns.
    grid->setColumnMinimumWidth(1, fontMetrics().horizontalAdvance(QStringLiteral("-99999 (out of 99999)")));
    grid->setColumnMinimumWidth(2, em);
    grid->setColumnMinimumWidth(4, fontMetrics().horizontalAdvance(QStringLiteral("99999 (100%)")));

    m_buttons = new QHBoxLayout;
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addLayout(m_buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    FillStatistics();
}

QPushButton* CStatisticsDialog::AddButton(int id, const QString& text, bool isDefault)
{
    auto* button = new QPushButton(text, this);
    button->setObjectName(QStringLiteral("button%1").arg(id));
    SetControlId(button, id);
    button->setDefault(isDefault);
    button->setAutoDefault(isDefault);
    if (id == kResetStats)
        connect(button, &QPushButton::clicked, this, &CStatisticsDialog::OnResetStats);
    else
        connect(button, &QPushButton::clicked, this, [this, id] { done(id); });
    m_buttons->addWidget(button);
    return button;
}

void CStatisticsDialog::AddButtonStretch() { m_buttons->addStretch(1); }

QLabel* CStatisticsDialog::Field(int id) const { return findChild<QLabel*>(QString::number(id)); }

QPushButton* CStatisticsDialog::Button(int id) const
{
    return findChild<QPushButton*>(QStringLiteral("button%1").arg(id));
}

void CStatisticsDialog::FillStatistics()
{
    const StatisticsText t = FormatStatistics();
    const std::pair<int, const std::string*> fields[] = {
        {1015, &t.latest}, {1016, &t.average}, {1017, &t.best},     {1018, &t.worst},
        {1021, &t.played}, {1022, &t.resigned}, {1023, &t.finished}, {1024, &t.replayed}};
    for (const auto& [id, text] : fields)
        Field(id)->setText(QString::fromStdString(*text));
}

void CStatisticsDialog::OnResetStats()
{
    if (!AskYesNo(this, kStrResetStatsCaption, kStrResetStatsQuestion))
        return;
    ResetStatistics();
    FillStatistics();
}

void ShowStatisticsDialog(HWND parent, unsigned gameNameId)
{
    CStatisticsDialog dialog(WidgetOf(parent), gameNameId);
    CentreDialog(&dialog);
    RunModal(dialog);
}
