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
