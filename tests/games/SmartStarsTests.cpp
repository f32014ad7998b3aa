// Smart stars on a real dictionary: the letter a star gives after a word, the
// star letters picked out of a scored word newest first, and the count of
// stars left drawn beside the pile.
#include <gtest/gtest.h>

#include "GameDriveSupport.h"
#include "games/Lochness.h"
#include "games/WordMelt.h"

#include <QImage>

namespace {
using namespace drivetest;

class SmartStarsTest : public DriveTest {
protected:
    CSmartStars& Stars() { return dynamic_cast<CLochness*>(app->CurrentGame())->Stars(); }
};
}  // namespace

TEST_F(SmartStarsTest, TheLetterAfterAWordAndTheStarLettersOfAScoredWord)
{
    Run("game 3 1234");
    struct Letter {
        const char* word;
        char letter;
        const char* why;
    };
    const Letter letters[] = {
        {"q", 'u', "the shortest word on \"q\" is \"qua\""},
        {"step", 0, "a complete word is its own shortest word"},
        {"zzzzzzzzzzzzzzzzzzzzzz", 0, "nothing is found for a word longer than any in the dictionary"},
    };
    for (const Letter& row : letters)
        EXPECT_EQ(Stars().LetterAfter(row.word), row.letter) << row.why;

    struct Scored {
        const char* starLetters;
        const char* tiles;
        const char* kept;  // the letters that score
        const char* left;  // star letters still recorded
        const char* why;
    };
    const Scored scored[] = {
        {"u", "quit", "qit", "", "the star's letter leaves the word"},
        {"e", "tee", "te", "", "matched from the word's end: either 'e' may go"},
        {"ab", "xaby", "xy", "", "two star letters, newest first"},
        {"a", "xyz", "xyz", "a", "a star letter not in the word stays recorded"},
    };
    for (const Scored& row : scored) {
        Stars().letters = row.starLetters;
        EXPECT_EQ(Stars().WithoutStarLetters(row.tiles).str(), row.kept) << row.why;
        EXPECT_EQ(Stars().letters.str(), row.starLetters) << row.why << ": only looked";
        EXPECT_EQ(Stars().TakeStarLetters(row.tiles).str(), row.kept) << row.why;
        EXPECT_EQ(Stars().letters.str(), row.left) << row.why;
    }
}

// Walls of Jericho (and every star game) shows how many stars are left just
// right of the star pile: the picture there changes when a star is spent.
TEST_F(SmartStarsTest, TheStarsLeftAreShownBesideThePile)
{
    Run("game 14 1234");
    const CTilePile& pile = dynamic_cast<CWordMelt&>(*app->CurrentGame()).Stars().pile;
    const int w = app->CurrentGame()->TileSet().TileWidth(), h = app->CurrentGame()->TileSet().TileHeight();
    const QRect count(pile.x + w, pile.y, w, h);
    const std::string shot = testsupport::ScratchPath("stars.png");
    const auto countPicture = [&] {
        Run("screenshot " + shot + " client");
        return QImage(QString::fromStdString(shot)).copy(count);
    };
    const QImage seven = countPicture();
    Run(At("click", Centre(pile, 0)));  // a star for the empty word
    ASSERT_EQ(pile.Length(), 6);
    EXPECT_NE(countPicture(), seven);
}
