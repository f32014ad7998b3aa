#pragma once
// Dialog 129, "High Score List": the game's ten best scores. In name-entry
// mode an empty row waits at the new score's place for the player's name.
#include <QDialog>

#include "scores/HighScores.h"

class QLabel;
class QLineEdit;

class CHighScoreDialog : public QDialog {
    Q_OBJECT
public:
    CHighScoreDialog(QWidget* parent, bool entryMode, int pendingScore, unsigned gameNameId);

    QLineEdit* NameBox(int row) const { return m_names[row]; }    // ids 16385 + row
    QLabel* ScoreField(int row) const { return m_scores[row]; }   // ids 16395 + row
    int NewRow() const { return m_newRow; }

public slots:
    void accept() override;                  // OK: saves all ten rows
    void reject() override { done(2); }      // Cancel / Escape: saves nothing

private:
    void Initialise();
    void OnResetScores();
    void LimitNameLength(const QString& text);

    bool m_entryMode;
    int m_pendingScore;
    unsigned m_gameNameId;
    int m_newRow = -1;
    QLineEdit* m_names[kHighScoreRows] = {};
    QLabel* m_scores[kHighScoreRows] = {};
};
