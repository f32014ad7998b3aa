// The Dictionary dialog, driven through the real dialog on a small dictionary.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <algorithm>

#include "TestSupport.h"
#include "dictionary/Dictionary.h"
#include "app/DictionaryDialog.h"
#include "platform/ModalScript.h"

using namespace testsupport;

namespace {
// 26 x 12 words: "aab", "aac", ... "zam".
std::vector<std::string> SampleWords()
{
    std::vector<std::string> words;
    for (char first = 'a'; first <= 'z'; ++first)
        for (char last = 'b'; last <= 'm'; ++last)
            words.push_back(std::string{first, 'a', last});
    return words;
}

struct DialogView {
    QStringList items;
    QString selected;
    bool addEnabled = false;
    bool removeEnabled = false;
    bool scrollEnabled = false;
    int scrollValue = 0;
};

DialogView Read(QWidget* d)
{
    DialogView v;
    auto* list = Child<QListWidget>(d, "words");
    for (int i = 0; i < list->count(); ++i)
        v.items << list->item(i)->text();
    if (!list->selectedItems().isEmpty())
        v.selected = list->selectedItems().front()->text();
    v.addEnabled = Child<QPushButton>(d, "add")->isEnabled();
    v.removeEnabled = Child<QPushButton>(d, "remove")->isEnabled();
    auto* bar = Child<QScrollBar>(d, "pageScroll");
    v.scrollEnabled = bar->isEnabled();
    v.scrollValue = bar->value();
    return v;
}

void Type(QWidget* d, const QString& text) { Child<QLineEdit>(d, "lookUp")->setText(text); }
void Key(QWidget* d, Qt::Key key) { QTest::keyClick(Child<QListWidget>(d, "words"), key); }

class DictionaryDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearUserData();
        WriteBytes(ModifiedPath(), ListText(words));
    }
    void TearDown() override { ExpectEveryDialogOpened(); }
    static std::string ModifiedPath() { return UserDataDir() + "/modified.lst"; }

    // Loads the dictionary, opens the dialog on `currentWord`, runs `act`.
    void Run(const std::string& currentWord, const std::function<void(QWidget*)>& act)
    {
        if (!dict.IsLoaded()) {
            ASSERT_TRUE(dict.LoadWordLists());
        }
        WhenModal(act);
        EXPECT_EQ(RunDictionaryDialog(&window, dict, currentWord, nullptr), 1);
    }

    std::vector<std::string> words = SampleWords();
    CDictionary dict;
    TestWindow window;
};
}  // namespace

TEST_F(DictionaryDialog, OpensOnTheCurrentWordAndFollowsTheTyping)
{
    const struct {
        const char* typed;  // nothing: as opened on "CaF"
        const char *front, *selected;
        bool addEnabled, removeEnabled;
    } cases[] = {
        {nullptr, "caf", "caf", false, true},
        {"D-a'g 7", "dag", "dag", false, true},  // looked up as "dag"
        {"Dax!", "eab", "", true, false},        // not a word: the page shows what follows its place
        {"", "aab", "", false, false},
    };
    std::vector<DialogView> views;
    Run("CaF", [&](QWidget* d) {
        for (const auto& c : cases) {
            if (c.typed)
                Type(d, c.typed);
            views.push_back(Read(d));
        }
        Click(d, "close");
    });
    ASSERT_EQ(views.size(), std::size(cases));
    for (std::size_t i = 0; i < views.size(); ++i) {
        SCOPED_TRACE(cases[i].typed ? cases[i].typed : "opened");
        ASSERT_FALSE(views[i].items.isEmpty());
        EXPECT_EQ(views[i].items.front(), cases[i].front);
        EXPECT_EQ(views[i].selected, cases[i].selected);
        EXPECT_EQ(views[i].addEnabled, cases[i].addEnabled);
        EXPECT_EQ(views[i].removeEnabled, cases[i].removeEnabled);
    }
}

// The page fills the list's height; keys and the bar (which counts in tens)
// move it by words.
TEST_F(DictionaryDialog, PageFillsTheListAndKeysAndScrollBarPageByWords)
{
    const int total = static_cast<int>(words.size());
    Run("", [&](QWidget* d) {
        auto* list = Child<QListWidget>(d, "words");
        const int page = list->count(), rowHeight = list->sizeHintForRow(0), height = list->viewport()->height();
        ASSERT_GT(page, 3);
        EXPECT_LE(page * rowHeight, height);
        EXPECT_GT((page + 1) * rowHeight, height);
        EXPECT_TRUE(Read(d).scrollEnabled);
        list->setFocus();
        Key(d, Qt::Key_Down);
        EXPECT_EQ(Read(d).items.front(), QString::fromStdString(words[1]));
        Key(d, Qt::Key_Right);
        Key(d, Qt::Key_Up);
        EXPECT_EQ(Read(d).items.front(), QString::fromStdString(words[1]));
        Key(d, Qt::Key_PageDown);
        EXPECT_EQ(Read(d).items.front(), QString::fromStdString(words[static_cast<size_t>(1 + page)]));

        // The last page is a full page ending at the last word.
        Key(d, Qt::Key_End);
        DialogView v = Read(d);
        EXPECT_EQ(v.items.size(), page);
        EXPECT_EQ(v.items.front(), QString::fromStdString(words[static_cast<size_t>(total - page)]));
        EXPECT_EQ(v.items.back(), "zam");
        EXPECT_EQ(v.scrollValue, (total - page) / 10);
        Key(d, Qt::Key_Down);  // no further
        EXPECT_EQ(Read(d).items.front(), v.items.front());

        Key(d, Qt::Key_Home);
        EXPECT_EQ(Read(d).items.front(), "aab");
        Key(d, Qt::Key_Up);  // no further
        EXPECT_EQ(Read(d).items.front(), "aab");

        auto* bar = Child<QScrollBar>(d, "pageScroll");
        bar->triggerAction(QAbstractSlider::SliderToMaximum);
        EXPECT_EQ(Read(d).items.front(), v.items.front());
        bar->triggerAction(QAbstractSlider::SliderToMinimum);
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        EXPECT_EQ(Read(d).items.front(), QString::fromStdString(words[1]));
        bar->setSliderPosition(5);  // a thumb position counts in tens
        bar->triggerAction(QAbstractSlider::SliderMove);
        EXPECT_EQ(Read(d).items.front(), QString::fromStdString(words[50]));
        Click(d, "close");
    });
}

// With the player's custom list beside the main one, the page still runs
// through both as one list from the typed word on.
TEST_F(DictionaryDialog, PagesThroughACustomListFromTheTypedWord)
{
    WriteBytes(UserDataDir() + "/custom.lst", ListText({"qab1", "kaa", "zzz"}));
    std::vector<std::string> merged = words;
    merged.insert(merged.end(), {"kaa", "qab1", "zzz"});
    std::sort(merged.begin(), merged.end());
    const auto from = [&](const std::string& word, int offset) {
        const auto at = std::find(merged.begin(), merged.end(), word) - merged.begin() + offset;
        return QString::fromStdString(merged[static_cast<size_t>(at)]);
    };
    Run("kab", [&](QWidget* d) {
        auto* list = Child<QListWidget>(d, "words");
        const int page = list->count();
        EXPECT_EQ(Read(d).items.front(), "kab");
        list->setFocus();
        Key(d, Qt::Key_Up);
        EXPECT_EQ(Read(d).items.front(), "kaa");
        Key(d, Qt::Key_PageDown);
        EXPECT_EQ(Read(d).items.front(), from("kaa", page));
        Key(d, Qt::Key_PageDown);
        Key(d, Qt::Key_PageUp);
        EXPECT_EQ(Read(d).items.front(), from("kaa", page));
        Type(d, "qab");
        EXPECT_EQ(Read(d).items.mid(0, 2), (QStringList{"qab", "qab1"}));
        Key(d, Qt::Key_End);
        const DialogView last = Read(d);
        EXPECT_EQ(last.items.size(), page);
        EXPECT_EQ(last.items.back(), "zzz");
        Click(d, "close");
    });
}

TEST_F(DictionaryDialog, AddedAndRemovedWordsCountAtOnceAndAreSaved)
{
    DialogView added, removed;
    Run("", [&](QWidget* d) {
        Type(d, "Bax");
        Click(d, "add");
        added = Read(d);
        EXPECT_EQ(dict.IsWord("bax"), 3);
        Type(d, "cab");
        EXPECT_TRUE(Read(d).removeEnabled);
        Click(d, "remove");
        removed = Read(d);
        EXPECT_EQ(dict.IsWord("cab"), 0);
        QTest::keyClick(d, Qt::Key_Escape);  // Escape closes (and saves) as Close does
    });
    EXPECT_EQ(added.items.front(), "bax");
    EXPECT_EQ(added.selected, "bax");
    EXPECT_FALSE(added.addEnabled);
    EXPECT_EQ(removed.items.front(), "cac");
    EXPECT_TRUE(removed.addEnabled);  // the typed word is gone now
    EXPECT_FALSE(removed.removeEnabled);
    std::vector<std::string> expected = words;
    std::erase(expected, "cab");
    expected.push_back("bax");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(ReadBytes(ModifiedPath()), ListText(expected));
}

TEST_F(DictionaryDialog, ClosingWithoutAChangeWritesNothing)
{
    ASSERT_TRUE(dict.LoadWordLists());
    ::unlink(ModifiedPath().c_str());
    Run("", [&](QWidget* d) {
        Type(d, "zzz");
        Key(d, Qt::Key_End);
        Click(d, "close");
    });
    EXPECT_FALSE(FileExists(ModifiedPath()));
}

TEST_F(DictionaryDialog, NoDialogWhenTheDictionaryCannotBeLoaded)
{
    SetModalScripting(true);  // a dialog that opened would be closed and logged
    TakeModalLog();
    CDictionary empty;
    EXPECT_EQ(RunDictionaryDialog(&window, empty, "word", [] { return false; }), 1);
    EXPECT_TRUE(TakeModalLog().empty());
    EXPECT_EQ(RunDictionaryDialog(&window, empty, "word", nullptr), 1);
    EXPECT_TRUE(TakeModalLog().empty());
    SetModalScripting(false);
    EXPECT_EQ(ReadBytes(ModifiedPath()), ListText(words));
}
