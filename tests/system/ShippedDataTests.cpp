// The data files that ship beside the program are in the format the game reads.
#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "app/GameFactory.h"

namespace {

std::string ReadShipped(const char* name)
{
    std::ifstream in(std::string(GLYPHERY_SOURCE_DIR) + "/data/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Lines ended by CR LF; false if any line ends otherwise or the text does not end with CR LF.
bool SplitCrLf(const std::string& text, std::vector<std::string>& lines)
{
    size_t at = 0;
    while (at < text.size()) {
        const size_t cr = text.find("\r\n", at);
        if (cr == std::string::npos) return false;
        lines.push_back(text.substr(at, cr - at));
        at = cr + 2;
    }
    return true;
}

}  // namespace

TEST(ShippedData, QuotationListPairsQuotationsWithAuthors)
{
    std::vector<std::string> lines;
    ASSERT_TRUE(SplitCrLf(ReadShipped("quotes.lst"), lines));
    std::vector<std::string> body;
    bool header = true;
    for (const std::string& line : lines) {
        ASSERT_EQ(line.find_first_of("\r\n"), std::string::npos);
        const bool comment = !line.empty() && (line[0] == ';' || line[0] == '/' || line[0] == '*');
        if (comment) {
            EXPECT_TRUE(header) << "comment among the quotations: " << line;
            continue;
        }
        header = false;
        body.push_back(line);
    }
    ASSERT_EQ(body.size() % 2, 0u);
    const size_t pairs = body.size() / 2;
    EXPECT_GE(pairs, 300u);
    std::set<std::string> quotations, authors;
    std::string previous;
    int run = 1;
    for (size_t i = 0; i < body.size(); i += 2) {
        const std::string& quote = body[i];
        const std::string& author = body[i + 1];
        EXPECT_GE(quote.size(), 40u) << quote;
        EXPECT_LE(quote.size(), 160u) << quote;
        for (unsigned char c : quote + author)
            ASSERT_TRUE(c >= 32 && c < 127) << quote;
        EXPECT_TRUE(quotations.insert(quote).second) << "twice: " << quote;
        EXPECT_FALSE(author.empty());
        authors.insert(author);
        run = author == previous ? run + 1 : 1;
        EXPECT_EQ(run, 1) << author << " twice in a row";
        previous = author;
    }
    EXPECT_GE(authors.size(), 50u);
}

// F1 opens the help page at the current game's section, named by its subkey:
// every game with a row has one, and every link of the contents goes somewhere.
TEST(ShippedData, HelpPageHasASectionForEveryGameAndNoDeadLinks)
{
    const std::string page = ReadShipped("Help.htm");
    for (const GameDescriptor* row : GameDescriptors()) {
        std::string id = row->subkey;
        for (char& c : id)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (id != "generic") {
            EXPECT_NE(page.find("id=\"" + id + "\""), std::string::npos) << row->gameId << " " << row->subkey;
        }
    }
    for (size_t at = page.find("href=\"#"); at != std::string::npos; at = page.find("href=\"#", at + 1)) {
        const std::string id = page.substr(at + 7, page.find('"', at + 7) - at - 7);
        EXPECT_NE(page.find("id=\"" + id + "\""), std::string::npos) << "#" << id;
    }
}
