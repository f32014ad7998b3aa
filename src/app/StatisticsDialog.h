#pragma once
// Dialog 192, "Game Statistics": the game's statistics with OK, Cancel and
// Reset Stats. The Game Over dialog (193) shows the same fields and derives
// from it.
#include <QDialog>

class QGridLayout;
class QHBoxLayout;
class QLabel;
class QPushButton;

class CStatisticsDialog : public QDialog {
    Q_OBJECT
public:
    CStatisticsDialog(QWidget* parent, unsigned gameNameId);

    // Re-reads the values into the fields.
    void FillStatistics();
    QLabel* Field(int id) const;            // 1015-1018, 1021-1024
    QPushButton* Button(int id) const;      // by command id

public slots:
    void reject() override { done(2); }     // Escape and the close box mean Cancel / Quit

protected:
    // For the derived dialog: builds the fields; buttons are added by AddButton.
    CStatisticsDialog(QWidget* parent, const QString& title, unsigned gameNameId);
    QPushButton* AddButton(int id, const QString& text, bool isDefault = false);
    void AddButtonStretch();

private:
    void OnResetStats();

    QHBoxLayout* m_buttons = nullptr;
};
