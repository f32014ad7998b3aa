// Every seed of the fuzz targets and every input they ever found failing
// (fuzz/corpus/<target>/finding-*) goes through the fuzz targets' checks in
// the normal suite too, so a fixed finding stays fixed in every build.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "../fuzz/FuzzChecks.h"

namespace {
std::vector<std::filesystem::path> Inputs(const char* target)
{
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(std::string(GLYPHERY_SOURCE_DIR) + "/fuzz/corpus/" + target))
        if (entry.is_regular_file())
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

// Runs every input of a target's corpus through its check, in a work folder
// of its own that goes afterwards.
template <class Check>
void CheckCorpus(const char* target, std::size_t atLeast, Check check)
{
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("glyphery-fuzzcorpus-" + std::to_string(getpid()));
    const std::vector<std::filesystem::path> files = Inputs(target);
    ASSERT_GE(files.size(), atLeast);
    for (const auto& file : files)
        EXPECT_EQ(check((dir / target).string(), fuzzcheck::ReadFile(file.string())), "") << file.filename();
    std::filesystem::remove_all(dir);
}
}  // namespace

TEST(FuzzCorpus, EveryTargetsInputsPassItsCheck)
{
    CheckCorpus("wordlist", 10, fuzzcheck::CheckWordListFile);
    CheckCorpus("quotelist", 10, fuzzcheck::CheckQuoteFile);
    CheckCorpus("store", 5, fuzzcheck::CheckStoreInput);
    SetRegistryPath("");
}

TEST(FuzzCorpus, TheWordListRulesSeenFromTheOutside)
{
    // The independent reading of the rules the checks use, on the nasty cases.
    using fuzzcheck::ExpectedWords;
    using Words = std::vector<std::string>;
    EXPECT_EQ(ExpectedWords("cat\ndog\n"), (Words{"cat", "dog"}));
    EXPECT_EQ(ExpectedWords("cat\rdog"), (Words{"cat", "dog"}));
    EXPECT_EQ(ExpectedWords(std::string_view("c\0at\r\nd\nog \t\r\nlast", 19)), (Words{"cat", "d", "last", "og"}));
    EXPECT_EQ(ExpectedWords(std::string(1023, 'a') + "\r\n" + std::string(1024, 'b') + "\r\n").size(), 1u);
    EXPECT_EQ(ExpectedWords("zoo\r\n1st\r\n\r\nant\r\nZed\r\nant\r\n"), (Words{"ant", "zed", "zoo"}));
}

TEST(FuzzCorpus, TheQuotationRulesSeenFromTheOutside)
{
    using fuzzcheck::ExpectedQuoteLines;
    using Lines = std::vector<std::string>;
    EXPECT_EQ(ExpectedQuoteLines("A saying.\nSomebody"), (Lines{"A saying.", "Somebody"}));
    EXPECT_EQ(ExpectedQuoteLines(std::string_view("; c\r\n/c\r\n*c\r\n42\r\n\r\nA s\0aid.\r\n\nX\r\nY", 34)),
              (Lines{"A said.", "X"}));
    // A line too long to read takes its attribution with it.
    EXPECT_EQ(ExpectedQuoteLines(std::string(1024, 'q') + "\r\nSomebody\r\nNext.\nNobody\n"), (Lines{"Next.", "Nobody"}));
}
