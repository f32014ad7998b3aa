#include "app/SavedHand.h"

#include "framework/Registry.h"
#include "framework/Settings.h"

namespace {
const std::string kHandKey = std::string(kMainKey) + "\\Hand";
constexpr const char* kRecordValue = "Record";
constexpr int kLongestRecord = 1 << 22;
constexpr char kDigits[] = "0123456789abcdef";

int Digit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}
}  // namespace

void KeepSavedHand(const std::string& closed)
{
    std::string text;
    text.reserve(closed.size() * 2);
    for (const char c : closed) {
        const auto byte = static_cast<unsigned char>(c);
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0xf];
    }
    WriteRegString(HKEY_CURRENT_USER, kHandKey.c_str(), kRecordValue, text.c_str());
}

std::string TakeSavedHand()
{
    std::string text;
    if (!ReadRegString(HKEY_CURRENT_USER, kHandKey.c_str(), kRecordValue, text, kLongestRecord))
        return {};
    ForgetSavedHand();
    std::string closed;
    closed.reserve(text.size() / 2);
    for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
        const int high = Digit(text[i]), low = Digit(text[i + 1]);
        if (high < 0 || low < 0)
            return "?";  // not a record: refused by its reader
        closed += static_cast<char>(high << 4 | low);
    }
    return closed;
}

void ForgetSavedHand() { DeleteRegKey(HKEY_CURRENT_USER, kHandKey.c_str()); }
