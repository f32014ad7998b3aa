// The game chooser dialog.
#include "app/ChooserDialog.h"

#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/Catalogue.h"
#include "app/GameFactory.h"
#include "app/DialogSupport.h"
#include "app/HelpDialog.h"
#include "app/Settings.h"
#include "platform/Icons.h"
#include "platform/Modal.h"
#include "resources/StringIds.h"

namespace {
class CChooserDialog final : public QDialog {
public:
    CChooserDialog(HWND owner, QWidget* parent);

    int ChosenGameId() const { return m_chosenGameId; }
    unsigned ChosenNameId() const { return m_chosenNameId; }

private:
    void UpdateForSelection();
    void Play();

    HWND m_owner;
    QListWidget* m_list;
    int m_selectedRow = -1;  // once a game is picked, one always is
    QPlainTextEdit* m_description;
    QLabel* m_preview;
    QLabel* m_difficulty;
    QLabel* m_scoring;
    int m_chosenGameId = -1;
    unsigned m_chosenNameId = 0;
};

CChooserDialog::CChooserDialog(HWND owner, QWidget* parent) : QDialog(parent), m_owner(owner)
{
    setObjectName(QStringLiteral("chooserDialog"));
    setWindowTitle(DialogText(kStrChooserTitle));

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("gameList"));
    m_list->setProperty("controlId", 1024);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_list->setMinimumWidth(DluX(this, 90));
    m_list->setMinimumHeight(DluY(this, 120));

    m_description = new QPlainTextEdit(this);
    m_description->setObjectName(QStringLiteral("description"));
    m_description->setReadOnly(true);
    m_description->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_description->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_description->setMinimumWidth(DluX(this, 120));

    m_preview = new QLabel(this);
    m_preview->setObjectName(QStringLiteral("preview"));
    m_preview->setFrameShape(QFrame::StyledPanel);
    // 80 x 62 dialog units, and never smaller than the 160 x 124 pictures.
    const int frame = 2 * m_preview->frameWidth() + 2;
    m_preview->setFixedSize(std::max(DluX(this, 80), 160 + frame), std::max(DluY(this, 62), 124 + frame));
    m_preview->setAlignment(Qt::AlignCenter);

    m_difficulty = new QLabel(this);
    m_difficulty->setObjectName(QStringLiteral("difficulty"));
    QFont bold = m_difficulty->font();
    bold.setBold(true);
    m_difficulty->setFont(bold);
    m_scoring = new QLabel(this);
    m_scoring->setObjectName(QStringLiteral("scoring"));
    m_scoring->setWordWrap(true);
    m_scoring->setFixedWidth(m_preview->width());
    m_scoring->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* play = new QPushButton(DialogText(kStrChooserPlay), this);
    play->setObjectName(QStringLiteral("play"));
    play->setDefault(true);
    SetControlId(play, kChooserPlay);
    auto* quit = new QPushButton(DialogText(kStrChooserQuit), this);
    quit->setObjectName(QStringLiteral("quit"));
    quit->setAutoDefault(false);
    SetControlId(quit, kChooserQuit);
    auto* help = new QPushButton(DialogText(kStrChooserHelp), this);
    help->setObjectName(QStringLiteral("help"));
    help->setAutoDefault(false);
    SetControlId(help, 9);

    auto* listLabel = new QLabel(DialogText(kStrChooserChooseGameToPlay), this);
    listLabel->setBuddy(m_list);
    auto* grid = new QGridLayout(this);
    grid->addWidget(listLabel, 0, 0);
    grid->addWidget(m_list, 1, 0, 2, 1);
    grid->addWidget(new QLabel(DialogText(kStrChooserDescription), this), 0, 1);
    grid->addWidget(m_description, 1, 1, 2, 1);
    grid->addWidget(new QLabel(DialogText(kStrChooserPreview), this), 0, 2);
    auto* right = new QVBoxLayout;
    right->addWidget(m_preview);
    right->addSpacing(DluY(this, 2));
    right->addWidget(m_difficulty);
    right->addWidget(m_scoring);
    right->addStretch(1);
    grid->addLayout(right, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(play);
    buttons->addWidget(quit);
    buttons->addWidget(help);
    grid->addLayout(buttons, 3, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);

    // The list in catalogue order; each item remembers its row.
    const auto rows = OfferedGames();
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        auto* item = new QListWidgetItem(DialogText(rows[static_cast<size_t>(i)]->nameId), m_list);
        item->setData(Qt::UserRole, i);
    }
    const int current = CatalogueIndex(g_Settings.CurrentGame);
    if (current >= 0) {
        m_list->setCurrentRow(current);
        m_list->scrollToItem(m_list->item(current), QAbstractItemView::PositionAtCenter);
    } else {
        m_list->setCurrentRow(-1);
        m_list->clearSelection();
    }
    m_list->setFocus();
    UpdateForSelection();

    connect(m_list, &QListWidget::itemSelectionChanged, this, [this] { UpdateForSelection(); });
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] {
        UpdateForSelection();
        Play();
    });
    connect(play, &QPushButton::clicked, this, [this] { Play(); });
    connect(quit, &QPushButton::clicked, this, [this] { done(kChooserQuit); });
    connect(help, &QPushButton::clicked, this, [this] {
        if (m_owner)
            ShowGameHelp(m_owner, m_chosenGameId > 0 ? m_chosenGameId : 0);
    });
}

void CChooserDialog::UpdateForSelection()
{
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty() && m_selectedRow >= 0) {
        // Ctrl+click took the selection away: the game picked stays picked.
        const QSignalBlocker quiet(m_list);
        m_list->item(m_selectedRow)->setSelected(true);
        m_list->setCurrentRow(m_selectedRow);
        return;
    }
    if (!selected.isEmpty())
        m_selectedRow = m_list->row(selected.front());
    if (selected.isEmpty()) {
        m_chosenGameId = -1;
        m_preview->clear();
        m_description->setPlainText(DialogText(kNoSelectionDescriptionId));
        m_difficulty->setText(DialogText(kNoSelectionDifficultyId));
        m_scoring->setText(DialogText(kNoSelectionScoringId));
        return;
    }
    const int index = selected.front()->data(Qt::UserRole).toInt();
    const GameDescriptor& row = *OfferedGames()[static_cast<size_t>(index)];
    m_chosenGameId = row.gameId;
    m_chosenNameId = row.nameId;
    const QPixmap picture = ResourceBitmap(row.chooser.previewId);
    if (picture.isNull())
        m_preview->clear();
    else
        m_preview->setPixmap(picture.scaled(m_preview->contentsRect().size(), Qt::KeepAspectRatio,
                                            Qt::SmoothTransformation));
    m_description->setPlainText(DialogText(row.chooser.descriptionId));
    m_difficulty->setText(DialogText(row.chooser.difficultyId));
    m_scoring->setText(DialogText(row.chooser.scoringId));
}

void CChooserDialog::Play() { done(kChooserPlay); }
}  // namespace

int RunChooserDialog(HWND owner, unsigned& gameNameId)
{
    CChooserDialog dialog(owner, WidgetOf(owner));
    CentreDialog(&dialog);
    const int result = RunModal(dialog);
    if (result != kChooserPlay)
        return kChooserQuit;
    if (dialog.ChosenGameId() != -1) {
        g_Settings.CurrentGame = dialog.ChosenGameId();
        StoreSettings({"CurrentGame"});
        gameNameId = dialog.ChosenNameId();
    }
    return kChooserPlay;
}
