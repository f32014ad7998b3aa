#pragma once
// Dead Lines: single letters fall into a well seven tiles wide and ten deep.
// Words of three letters or more across or down through a landed letter
// light up and stay lit; a line whose seven tiles are all lit dies (63
// points) and everything above it moves down. Every landed letter scores a
// point; more dead lines, faster letters. The hand ends when the column the
// next letter enters is full to the top.
#include "framework/LetterDrop.h"

class CWordDrop : public CLetterDropGame {
public:
    void HandValues(CHandRecord& record) override;
    explicit CWordDrop(const CGameContext& context);

    bool CheckRules(std::string& why) override;
    int Lines() const { return m_lines; }

protected:
    char NextLetter() override;
    bool AfterLanding(int row, int column) override;
    void ClearWaiting() override;
    void PlacePieces(int width, int height) override;

private:
    CStr m_letters;  // waiting to join the queue, taken from the end
    int m_lines = 0;
};
