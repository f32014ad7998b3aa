#pragma once
// Golf: 42 letter tiles face up in seven stacks of six. Spell one word at a
// time from the lowest tile of any stack, keeping the word the beginning of
// some dictionary word; a complete word scores 23 points a letter. Four
// bombs throw away a word that leads nowhere, at 25 points each. The hand is
// over when every stack is empty.
#include "framework/SevenStacks.h"
#include "framework/TilePile.h"

class CGolf : public CSevenStacksGame {
public:
    void HandValues(CHandRecord& record) override;
    explicit CGolf(const CGameContext& context);

    // A click on the bomb pile, or any right-button release.
    void UseBomb();

    // For the tests and the driver's tools.
    CTilePile& Bombs() { return m_bombs; }

private:
    void PlaceHelper(int left, int top) override { m_bombs.SetPosition(left, top); }
    bool HelperAt(int x, int y) const override { return m_bombs.HitTest(m_tileSet, x, y) >= 0; }
    void UseHelper() override { UseBomb(); }

    CTilePile m_bombs;
};
