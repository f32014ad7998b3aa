// Writing word lists, and the start-up load that makes the player's copy.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "dictionary/Dictionary.h"
#include "framework/Resources.h"

using namespace testsupport;

namespace {

class DictionarySave : public ::testing::Test {
protected:
    void SetUp() override { ClearUserData(); }
    void TearDown() override { ClearUserData(); }
};

// Lowers the largest file this process may write, so that a write fails
// part-way as it would on a full disk; restored on destruction.
class CFileSizeLimit {
public:
    explicit CFileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit lower = m_old;
        lower.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &lower);
    }
    ~CFileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &m_old); }

private:
    rlimit m_old{};
};

}  // namespace

TEST_F(DictionarySave, SavedListIsAValidWordListSortedBucketByBucket)
{
    CDictionary dict;
    const std::string path = ScratchPath("round.lst");
    WriteBytes(path, ListText({"bee", "ant", "cow", "ape"}));  // out of order across buckets
    ASSERT_TRUE(dict.LoadList(path));
    ASSERT_TRUE(dict.AddWord("bat", path));
    ASSERT_TRUE(dict.AddWord("don't", path));
    ASSERT_TRUE(dict.SaveList(path));
    // Written bucket by bucket; added words went in sorted place.
    EXPECT_EQ(ReadBytes(path), ListText({"ant", "ape", "bat", "bee", "cow", "dont"}));

    CDictionary again;
    ASSERT_TRUE(again.LoadList(path));
    EXPECT_EQ(again.GetWordCount(), 6);
    EXPECT_EQ(again.IsWord("dont"), 4);
    EXPECT_EQ(FilesIn(ScratchDir()).size(), 1u);  // no temporary left behind
}

TEST_F(DictionarySave, SavingUnderANewNameRenamesTheList)
{
    CDictionary dict;
    const std::string from = ScratchPath("from.lst"), to = ScratchPath("to.lst");
    WriteBytes(from, ListText({"ant", "bee"}));
    ASSERT_TRUE(dict.LoadList(from));
    ASSERT_TRUE(dict.SaveList(from, to));
    EXPECT_EQ(dict.GetList(0)->GetName(), to);
    EXPECT_EQ(ReadBytes(to), ListText({"ant", "bee"}));
    EXPECT_EQ(dict.FindList(from), nullptr);
    // No list of that name any more: nothing is written, and that is success.
    ::unlink(from.c_str());
    EXPECT_TRUE(dict.SaveList(from));
    EXPECT_FALSE(FileExists(from));
}

// A list that is a symbolic link is saved where it points, the link kept, and
// a saved file keeps the mode its owner gave it.
TEST_F(DictionarySave, SavingWritesThroughALinkAndKeepsTheMode)
{
    const std::string target = ScratchPath("real.lst"), link = ScratchPath("link.lst");
    WriteBytes(target, ListText({"ant", "bee"}));
    ASSERT_EQ(::chmod(target.c_str(), 0600), 0);
    ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0);
    CDictionary dict;
    ASSERT_TRUE(dict.LoadList(link));
    ASSERT_TRUE(dict.AddWord("cat", link));
    ASSERT_TRUE(dict.SaveList(link));
    struct stat st {};
    ASSERT_EQ(::lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode)) << "the link was replaced by a file";
    EXPECT_EQ(ReadBytes(target), ListText({"ant", "bee", "cat"}));
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);
}

// A save that fails half-way leaves the old file whole, shows the system's
// error text, and reports false.
TEST_F(DictionarySave, FailedSaveKeepsTheOldFile)
{
    TestShellWithWindow shell;
    const std::string path = ScratchPath("keep.lst");
    const std::string old = ListText({"old", "words"});
    WriteBytes(path, old);

    std::vector<std::string> many;
    for (int i = 0; i < 20000; ++i)
        many.push_back("word" + std::to_string(100000 + i));
    const std::string big = ScratchPath("big.lst");
    WriteBytes(big, ListText(many));
    CDictionary dict;
    ASSERT_TRUE(dict.LoadList(big));
    bool saved = true;
    {
        CFileSizeLimit limit(50000);  // the list needs about 240,000 bytes
        saved = dict.SaveList(big, path);
    }
    EXPECT_FALSE(saved);
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(FilesIn(ScratchDir()).size(), 2u);  // keep.lst and big.lst, no temporary
    ASSERT_EQ(shell.window.boxes.size(), 1u);
    EXPECT_EQ(shell.window.boxes[0].caption, "Quirkwood Software");
    EXPECT_EQ(shell.window.boxes[0].text, path + ": File too large");  // it names the file
    EXPECT_EQ(shell.window.boxes[0].style, MB_OK | MB_ICONINFORMATION);

    // The same list saves once the disk has room again.
    EXPECT_TRUE(dict.SaveList(path));
    EXPECT_EQ(ReadBytes(path), ListText(many));
}

TEST_F(DictionarySave, SaveAllGoesOnAfterAFailure)
{
    TestShellWithWindow shell;
    CDictionary dict;
    WriteBytes(ScratchPath("a.lst"), ListText({"ant"}));
    WriteBytes(ScratchPath("b.lst"), ListText({"bee"}));
    ASSERT_TRUE(dict.LoadList(ScratchPath("a.lst")));
    ASSERT_TRUE(dict.LoadList(ScratchPath("b.lst")));
    ASSERT_TRUE(dict.AddWord("ape", ScratchPath("a.lst")));
    ASSERT_TRUE(dict.AddWord("bat", ScratchPath("b.lst")));
    ASSERT_TRUE(dict.AddWord("cow", ScratchDir() + "/missing/c.lst"));  // its folder does not exist
    EXPECT_FALSE(dict.SaveAll());
    EXPECT_EQ(ReadBytes(ScratchPath("a.lst")), ListText({"ant", "ape"}));
    EXPECT_EQ(ReadBytes(ScratchPath("b.lst")), ListText({"bat", "bee"}));
    EXPECT_EQ(shell.window.boxes.size(), 1u);
}

// First start: no usable player's copy yet (an empty one counts as none), so
// the shipped list is loaded and saved as the player's "modified.lst", with
// the same words in the same order.
TEST_F(DictionarySave, FirstStartWritesThePlayersCopy)
{
    // The player's folder is searched first, so a list there stands in for
    // the shipped one.
    WriteBytes(UserDataDir() + "/modified.lst", "");
    WriteBytes(UserDataDir() + "/words.lst", ListText({"ant", "bee", "cat"}));
    CDictionary dict;
    ASSERT_TRUE(dict.LoadWordLists());
    EXPECT_EQ(dict.GetList(0)->GetName(), "modified.lst");
    EXPECT_EQ(ReadBytes(UserDataDir() + "/modified.lst"), ListText({"ant", "bee", "cat"}));

    // The next start reads the player's copy, and the player's own list too.
    ::unlink((UserDataDir() + "/words.lst").c_str());
    WriteBytes(UserDataDir() + "/modified.lst", ListText({"ant", "bee", "cat", "dog"}));
    WriteBytes(UserDataDir() + "/custom.lst", ListText({"zorp"}));
    CDictionary next;
    ASSERT_TRUE(next.LoadWordLists());
    EXPECT_EQ(next.GetListCount(), 2);
    EXPECT_EQ(next.IsWord("dog"), 3);
    EXPECT_EQ(next.IsWord("zorp"), 4);
    EXPECT_TRUE(next.LoadWordLists());  // once per run
    EXPECT_EQ(next.GetListCount(), 2);
}

TEST_F(DictionarySave, NoUsableListShowsTheErrorBox)
{
    TestShellWithWindow shell;
    WriteBytes(UserDataDir() + "/words.lst", "1 is not a word list\n");
    CDictionary dict;
    EXPECT_FALSE(dict.LoadWordLists());
    EXPECT_FALSE(dict.IsLoaded());
    ASSERT_EQ(shell.window.boxes.size(), 1u);
    EXPECT_EQ(shell.window.boxes[0].caption, "Error!");
    EXPECT_EQ(shell.window.boxes[0].text, ResString(142));
    EXPECT_EQ(shell.window.boxes[0].style, MB_OK);
    EXPECT_FALSE(FileExists(UserDataDir() + "/modified.lst"));
}
