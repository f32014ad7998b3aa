// The quotation list: which quotation comes when (across runs, at the end of
// the file, on Replay Hand), the word set behind the game's checks, drawing,
// and the shell loading it.
#include <gtest/gtest.h>

#include "../fuzz/FuzzChecks.h"
#include "GameDriveSupport.h"
#include "framework/Registry.h"
#include "framework/BackBuffer.h"
#include "framework/Resources.h"
#include "lists/QuoteList.h"

using namespace testsupport;

namespace {
const std::string kThree = "; three sayings\r\nFirst saying.\r\nOne\r\nSecond saying.\r\nTwo\r\nThird saying.\r\nThree\r\n";

std::string QuoteFile(const std::string& text)
{
    const std::string path = ScratchPath("quotes.lst");
    WriteBytes(path, text);
    return path;
}

std::int32_t StoredQuoteNum() { return ReadRegDword(HKEY_CURRENT_USER, kMainKey, "QuoteNum", -7); }

}  // namespace

TEST(QuoteList, AFileEmptiedWhileOpenClosesTheListAtItsEnd)
{
    const std::string path = QuoteFile(kThree);
    WriteRegDword(HKEY_CURRENT_USER, kMainKey, "QuoteNum", 3);  // 3 of 3: from the first
    {
        CQuoteList list;
        ASSERT_TRUE(list.Load(path.c_str()));
        WriteBytes(path, "; gone\r\n");
        ASSERT_TRUE(list.ReadNextQuote(0));  // still from what was read at open
        ASSERT_TRUE(list.ReadNextQuote(0));
        EXPECT_FALSE(list.ReadNextQuote(0));  // the end: reopened, nothing there
        EXPECT_FALSE(list.IsOpen());
        EXPECT_EQ(list.GetText(), nullptr);
    }
    EXPECT_EQ(StoredQuoteNum(), 3) << "a closed list stores nothing";
}

TEST(QuoteList, RevealWordUncoversEachOccurrenceOnceIgnoringCaseAndMarks)
{
    CQuoteList list;
    ASSERT_TRUE(list.Load(QuoteFile("The cat saw the 'tis-hat.\r\nX\r\n").c_str()));
    list.HideLetters();
    EXPECT_EQ(list.RevealWord("the"), 0);
    EXPECT_EQ(list.GetMaskedText(), "The ___ ___ ___ '___-___.");
    EXPECT_EQ(list.RevealWord("the"), 12);
    EXPECT_LT(list.RevealWord("the"), 0);
    EXPECT_LT(list.RevealWord("dog"), 0);
    EXPECT_GE(list.RevealWord("tishat"), 0);  // begins with an apostrophe, which is never hidden
    EXPECT_EQ(list.GetMaskedText(), "The ___ ___ the 'tis-hat.");
    EXPECT_LT(list.RevealWord("tishat"), 0);
}

// UTF-8 text with LF line ends: an accented letter is hidden like the
// others (its further bytes never drawn) and uncovered with its word.
TEST(QuoteList, AnAccentedLetterIsHiddenAndUncoveredWithItsWord)
{
    CQuoteList list;
    ASSERT_TRUE(list.Load(QuoteFile("Caf\xc3\xa9 au lait.\n\xc3\x9cn\xc3\xaf" "code \xc3\x84uthor\n").c_str()));
    EXPECT_EQ(list.GetAttribution(), "\xc3\x9cn\xc3\xaf" "code \xc3\x84uthor");
    list.HideLetters();
    EXPECT_EQ(list.GetMaskedText(), "____\x01 __ ____.");
    EXPECT_EQ(list.RevealWord("caf"), 0);
    EXPECT_EQ(list.GetMaskedText(), "Caf\xc3\xa9 __ ____.");
}

TEST(QuoteList, WordsAndBeginningsCountByTheirLastLettersWhenNotWhole)
{
    CQuoteList list;
    ASSERT_TRUE(list.Load(QuoteFile("A Cat, sat (quietly)!\r\nX\r\n").c_str()));
    EXPECT_EQ(list.IsWordInQuote("xcat", 0), 3);
    EXPECT_EQ(list.IsWordInQuote("xcat", 1), 0);
    EXPECT_EQ(list.IsWordInQuote("cat", 1), 3);
    EXPECT_EQ(list.IsPrefixInQuote("zquie", 0), 4);
    EXPECT_EQ(list.IsPrefixInQuote("quie", 1), 4);
    EXPECT_EQ(list.IsWordInQuote("zz", 0), 0);
    EXPECT_EQ(list.IsWordInQuote("", 0), 0);
}

// Beyond 64 words the set is searched by halving, byte for byte: a
// capitalised word or one with a hyphen must still be found.
TEST(QuoteList, ALongQuotationIsSearchedTheSameWay)
{
    std::string text = "London well-known";
    for (int i = 0; i < 80; ++i)
        text += " w" + std::string(1, static_cast<char>('a' + i % 26)) + std::string(1, static_cast<char>('a' + i / 26));
    CQuoteList list;
    ASSERT_TRUE(list.Load(QuoteFile(text + ".\r\nX\r\n").c_str()));
    EXPECT_EQ(list.IsWordInQuote("london", 1), 6);
    EXPECT_EQ(list.IsWordInQuote("wellknown", 1), 9);
    EXPECT_EQ(list.IsPrefixInQuote("lon", 1), 3);
    list.HideLetters();
    EXPECT_EQ(list.RevealWord("london"), 0);
    EXPECT_GE(list.RevealWord("wellknown"), 0);
    EXPECT_GE(list.RevealWord("wcc"), 0);
}

TEST(QuoteList, DrawingFitsTheFontsToThePanel)
{
    TestWindow window(400, 300);
    CBackBuffer buffer;
    buffer.SetColors(RGB(255, 255, 255), RGB(255, 255, 255), RGB(0, 0, 128));
    buffer.Open(&window);
    buffer.FillBackground(nullptr);

    std::string text;
    for (int i = 0; i < 40; ++i)
        text += "Words upon words. ";
    CQuoteList list;
    ASSERT_TRUE(list.Load(QuoteFile(text + "\r\nSomebody\r\n").c_str()));
    list.SetRect(10, 10, 290, 390);
    list.Draw(buffer, 0);
    EXPECT_LT(list.GetFontSize(), CQuoteList::kLargestFontSize);
    EXPECT_GE(list.GetFontSize(), 2);
    const RECT drawn = list.GetDrawnRect();
    EXPECT_EQ(drawn.top, 10);
    EXPECT_GT(drawn.bottom, drawn.top);
    int white = 0;
    for (int y = 10; y < 290; ++y)
        for (int x = 10; x < 390; ++x)
            white += buffer.GetPixel(x, y) == RGB(255, 255, 255);
    EXPECT_GT(white, 100) << "the text is drawn in the text colour";

    list.SetRect(10, 10, 20, 390);  // far too small: the smallest size, and no further
    list.Draw(buffer, 0);
    EXPECT_EQ(list.GetFontSize(), 2);
}

TEST(QuoteList, TheShippedQuotationsAllReadAndGoRound)
{
    const std::string data = ReadBytes(std::string(GLYPHERY_SOURCE_DIR) + "/data/quotes.lst");
    ASSERT_GT(fuzzcheck::ExpectedQuoteLines(data).size(), 400u);
    EXPECT_EQ(fuzzcheck::CheckQuoteFile(ScratchPath("shipped"), data), "");
}

// ---------------------------------------------------------------------------
// The shell

namespace {
class QuoteShell : public drivetest::DriveTest {};
}  // namespace

TEST_F(QuoteShell, AFileWithoutQuotationsShowsTheErrorAndDealsNoGame)
{
    ClearUserData();
    WriteBytes(UserDataDir() + "/quotes.lst", "; nothing here\r\n");
    TakeModalLog();
    PushModalAnswer("ok");
    app->PlayHand(1, 5);
    const std::vector<ModalRecord> shown = TakeModalLog();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, "Error!");
    EXPECT_EQ(shown[0].text, ResString(119));
    EXPECT_EQ(app->CurrentGame(), nullptr);
    EXPECT_FALSE(app->Quotations().IsOpen());
}

TEST_F(QuoteShell, TheQuotationsLoadOnceAndTheirPlaceIsStoredAtTheEnd)
{
    ClearUserData();
    WriteBytes(UserDataDir() + "/quotes.lst", kThree);
    app->PlayHand(1, 5);  // loads the list at the stored place; the deal reads the next quotation
    ASSERT_TRUE(app->Quotations().IsOpen());
    EXPECT_EQ(app->Quotations().GetQuoteNumber(), 2);
    app->PlayHand(1, 6);  // loaded already: not read again, and the deal goes on
    EXPECT_EQ(app->Quotations().GetQuoteNumber(), 3);

    app->StartHand(app->Window(), StartMode::ReplayHand);  // the same quotation again
    EXPECT_EQ(app->Quotations().GetQuoteNumber(), 3);
    EXPECT_STREQ(app->Quotations().GetText(), "Third saying.");
    driver.reset();
    app.reset();
    EXPECT_EQ(StoredQuoteNum(), 2);
}
