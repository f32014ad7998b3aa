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

std::string WorkDir(const char* name)
{
    return (std::filesystem::temp_directory_path() / ("glyphery-fuzzcorpus-" + std::to_string(getpid())) / name).string();
}
}  // namespace

TEST(FuzzCorpus, WordListInputsLoadByTheFileRules)
{
    const std::vector<std::filesystem::path> files = Inputs("wordlist");
    ASSERT_GE(files.size(), 10u);
    for (const auto& file : files)
        EXPECT_EQ(fuzzcheck::CheckWordListFile(WorkDir("words"), fuzzcheck::ReadFile(file.string())), "")
            << file.filename();
    std::filesystem::remove_all(std::filesystem::path(WorkDir("words")).parent_path());
}

TEST(FuzzCorpus, QuotationInputsReadByTheFileRules)
{
    const std::vector<std::filesystem::path> files = Inputs("quotelist");
    ASSERT_GE(files.size(), 10u);
    for (const auto& file : files)
        EXPECT_EQ(fuzzcheck::CheckQuoteFile(WorkDir("quotes"), fuzzcheck::ReadFile(file.string())), "")
            << file.filename();
    std::filesystem::remove_all(std::filesystem::path(WorkDir("quotes")).parent_path());
}

TEST(FuzzCorpus, StoreInputsReadAndLeaveAWorkingStore)
{
    const std::vector<std::filesystem::path> files = Inputs("store");
    ASSERT_GE(files.size(), 5u);
    for (const auto& file : files)
        EXPECT_EQ(fuzzcheck::CheckStoreInput(WorkDir("store"), fuzzcheck::ReadFile(file.string())), "")
            << file.filename();
    std::filesystem::remove_all(std::filesystem::path(WorkDir("store")).parent_path());
    SetRegistryPath("");
}

TEST(FuzzCorpus, TheWordListRulesSeenFromTheOutside)
{
    // The independent reading of the rules the checks use, on the nasty cases.
    using fuzzcheck::ExpectedWords;
    EXPECT_EQ(ExpectedWords("cat\ndog\n"), std::vector<std::string>{});
    EXPECT_EQ(ExpectedWords("cat\rdog\r"), (std::vector<std::string>{"cat", "dog"}));
    EXPECT_EQ(ExpectedWords(std::string_view("c\0at\r\nd\nog\r\nlast", 16)), (std::vector<std::string>{"cat", "dog"}));
    EXPECT_EQ(ExpectedWords(std::string(1023, 'a') + "\r\n" + std::string(1024, 'b') + "\r\n").size(), 1u);
    EXPECT_EQ(ExpectedWords("zoo\r\n1st\r\n\r\nant\r\nZed\r\n"), (std::vector<std::string>{"ant", "zoo", "Zed"}));
}

TEST(FuzzCorpus, TheQuotationRulesSeenFromTheOutside)
{
    using fuzzcheck::ExpectedQuoteLines;
    EXPECT_EQ(ExpectedQuoteLines("A saying.\nSomebody\n"), std::vector<std::string>{});
    EXPECT_EQ(ExpectedQuoteLines(std::string_view("; c\r\n/c\r\n*c\r\n42\r\n\r\nA s\0aid.\r\n\nX\r\nY", 34)),
              (std::vector<std::string>{"A said.", "X"}));
    EXPECT_EQ(ExpectedQuoteLines(std::string(1024, 'q') + "\r\nSomebody\r\n"), std::vector<std::string>{"Somebody"});
}
