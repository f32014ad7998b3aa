// Reading word-list files beyond the line rules (which the wordlist fuzz corpus
// checks): pipes, bad files, the list limit, length buckets, the shipped list.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

#include <string>
#include <thread>
#include <vector>

#include "TestSupport.h"
#include "dictionary/Dictionary.h"

using namespace testsupport;

namespace {

std::vector<std::string> AllWords(const CWordList& list)
{
    std::vector<std::string> words;
    for (int b = 0; b < CWordList::kLetterBuckets; ++b)
        for (int i = 0; i < list.LetterBucket(b).GetCount(); ++i)
            words.emplace_back(list.LetterBucket(b).GetAt(i));
    return words;
}
}  // namespace

// A pipe hands over data in pieces; short reads are not the end of the file.
TEST(DictionaryLoad, ShortReadsLoseNothing)
{
    const std::string path = ScratchPath("pipe.lst");
    ::unlink(path.c_str());
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    std::vector<std::string> words;
    for (int i = 0; i < 3000; ++i)
        words.push_back(std::string("w").append(std::to_string(100000 + i)));
    const std::string text = ListText(words);
    std::thread writer([&] {
        FILE* f = std::fopen(path.c_str(), "wb");
        for (size_t at = 0; at < text.size(); at += 7) {
            std::fwrite(text.data() + at, 1, std::min<size_t>(7, text.size() - at), f);
            std::fflush(f);
        }
        std::fclose(f);
    });
    CDictionary dict;
    const bool loaded = dict.LoadList(path);
    writer.join();
    ASSERT_TRUE(loaded);
    EXPECT_EQ(AllWords(*dict.GetList(0)), words);
}

TEST(DictionaryLoad, UnreadableMissingOrEmptyFilesAreFailedLoads)
{
    CDictionary dict;
    EXPECT_FALSE(dict.LoadList(ScratchPath("absent.lst")));
    EXPECT_FALSE(dict.LoadList(ScratchDir()));  // opening works, reading fails
    WriteBytes(ScratchPath("empty.lst"), "");
    EXPECT_FALSE(dict.LoadList(ScratchPath("empty.lst")));
    WriteBytes(ScratchPath("blank.lst"), "\r\n\r\n123\r\n");
    EXPECT_FALSE(dict.LoadList(ScratchPath("blank.lst")));
    EXPECT_EQ(dict.GetListCount(), 0);
    EXPECT_FALSE(dict.IsLoaded());
    EXPECT_EQ(dict.IsWord("ant"), 0);
}

TEST(DictionaryLoad, TwentyFiveListsAtMost)
{
    const std::string path = ScratchPath("one.lst");
    WriteBytes(path, ListText({"ant", "bee"}));
    CDictionary dict;
    for (int i = 0; i < CDictionary::kMaxLists; ++i)
        ASSERT_TRUE(dict.LoadList(path)) << i;
    EXPECT_FALSE(dict.LoadList(path));
    EXPECT_EQ(dict.GetListCount(), 25);
    EXPECT_EQ(dict.GetWordCount(), 50);
    // No 26th list through AddWord either.
    EXPECT_FALSE(dict.AddWord("cat", "new.lst"));
    EXPECT_EQ(dict.GetListCount(), 25);
}

TEST(DictionaryLoad, LengthBucketsShareTheLetterBucketsWords)
{
    const std::string longWord(21, 'l');
    const std::string longer(25, 'm');
    const std::string longest(22, 'k');
    CDictionary dict;
    WriteBytes(ScratchPath("len.lst"), ListText({"a", "be", "cat", longWord, longer, longest}));
    ASSERT_TRUE(dict.LoadList(ScratchPath("len.lst")));
    const CWordList& list = *dict.GetList(0);
    EXPECT_EQ(list.LengthBucket(0).GetCount(), 1);
    EXPECT_EQ(list.LengthBucket(2).GetAt(0), list.LetterBucket(2).GetAt(0));
    // Bucket 20 holds every word of 21 letters or more, the longer ones sorted in.
    ASSERT_EQ(list.LengthBucket(20).GetCount(), 3);
    EXPECT_EQ(std::string(list.LengthBucket(20).GetAt(0)), longest);
    EXPECT_EQ(std::string(list.LengthBucket(20).GetAt(1)), longWord);
    EXPECT_EQ(std::string(list.LengthBucket(20).GetAt(2)), longer);
    EXPECT_EQ(list.GetLetterCount('l'), 1);
    EXPECT_EQ(list.GetLetterCount(1), 1);
}

// The word list that ships with the game loads and holds what a player expects.
TEST(DictionaryLoad, ShippedWordList)
{
    const std::string path = std::string(GLYPHERY_SOURCE_DIR) + "/data/words.lst";
    CDictionary dict;
    ASSERT_TRUE(dict.LoadList(path));
    EXPECT_GT(dict.GetWordCount(), 75000);
    for (const char* w : {"aardvark", "quiz", "zygote", "the", "jumble", "colour", "color"})
        EXPECT_GT(dict.IsWord(w), 0) << w;
    for (const char* w : {"cs", "qzx", "asshole"})
        EXPECT_EQ(dict.IsWord(w), 0) << w;
    // Sorted bucket by bucket: saving it gives the same bytes back.
    const std::string copy = ScratchPath("copy.lst");
    ASSERT_TRUE(dict.SaveList(path, copy));
    EXPECT_EQ(ReadBytes(copy), ReadBytes(path));
}

// A player's lists as Linux editors and shells write them, and worse: each
// row loads what it should, and nothing the player wrote is lost (a list that
// gave no words is kept as NAME.unreadable-DATE before anything is written).
TEST(DictionaryLoad, HostilePlayerListsLoadWhatTheyHoldAndLoseNothing)
{
    struct Row {
        const char* why;
        const char* file;     // the player's list written
        std::string bytes;    // its contents ("->PATH": a symbolic link to a file holding "glorp"; "/": a folder)
        const char* word;     // a word the dictionary then holds
        const char* notWord;  // one it does not
        bool keptAside;       // the file was moved aside, and the shipped list copied in its place
    };
    const std::string tooLong(2000, 'x');
    const Row rows[] = {
        {"LF line ends (echo word >> modified.lst)", "modified.lst", "aardvark\nglorp\nzebra\n", "glorp", "glor", false},
        {"CR line ends", "modified.lst", "aardvark\rglorp\rzebra\r", "zebra", "aardvarkglorp", false},
        {"CR LF line ends", "modified.lst", "aardvark\r\nglorp\r\n", "glorp", "aardvark glorp", false},
        {"no line end after the last word", "modified.lst", "aardvark\nglorp", "glorp", "zebra", false},
        {"trailing blanks and tabs", "custom.lst", "cla \nglorp\t\n", "cla", "clar", false},
        {"not in order", "modified.lst", "zebra\nglorp\naardvark\nGlorpy\n", "glorpy", "zebr", false},
        {"UTF-8 and an over-long line", "modified.lst", "caf\xc3\xa9\n" + tooLong + "\nglorp\n", "glorp", "xxx", false},
        {"a symbolic link", "modified.lst", "->", "glorp", "aardvark", false},
        {"an empty file: nothing to lose", "modified.lst", "", "aardvark", "glorp", false},
        {"no words at all", "modified.lst", "123\n456\n", "aardvark", "glorp", true},
        {"a folder", "modified.lst", "/", "aardvark", "glorp", true},
        {"a custom list without words", "custom.lst", "42\n", "aardvark", "glorp", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.why);
        ClearUserData();
        const std::string path = UserDataDir() + "/" + row.file;
        if (row.bytes == "->") {
            WriteBytes(ScratchPath("elsewhere.lst"), "glorp\n");
            ASSERT_EQ(::symlink(ScratchPath("elsewhere.lst").c_str(), path.c_str()), 0);
        } else if (row.bytes == "/") {
            ASSERT_EQ(::mkdir(path.c_str(), 0755), 0);
        } else {
            WriteBytes(path, row.bytes);
        }
        TestShellWithWindow shell;
        CDictionary dict;
        ASSERT_TRUE(dict.LoadWordLists());
        EXPECT_GT(dict.IsWord(row.word), 0) << row.word;
        // The player is told which file was kept where, and why.
        ASSERT_EQ(shell.window.boxes.size(), row.keptAside ? 1u : 0u);
        if (row.keptAside) {
            EXPECT_NE(shell.window.boxes[0].text.find(path + "\""), std::string::npos) << shell.window.boxes[0].text;
            EXPECT_NE(shell.window.boxes[0].text.find(".unreadable-"), std::string::npos);
        }
        EXPECT_EQ(dict.IsWord(row.notWord), 0) << row.notWord;
        std::vector<std::string> aside;
        for (const std::string& name : FilesIn(UserDataDir()))
            if (name.rfind(std::string(row.file) + ".unreadable-", 0) == 0)
                aside.push_back(name);
        ASSERT_EQ(aside.size(), row.keptAside ? 1u : 0u);
        if (row.keptAside && row.bytes != "/") {
            EXPECT_EQ(ReadBytes(UserDataDir() + "/" + aside[0]), row.bytes);
        } else if (!row.keptAside && !row.bytes.empty() && row.bytes != "->") {
            EXPECT_EQ(ReadBytes(path), row.bytes) << "the player's file was rewritten";
        }
        struct stat st {};
        if (row.bytes == "->") {
            EXPECT_TRUE(::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) << "the link was replaced";
        }
    }
    ClearUserData();
}
