#include "framework/Registry.h"
#include "app/Settings.h"

#include <cstring>

namespace {
struct SettingField {
    const char* name;
    std::int32_t CSettings::*field;
};

// The order SaveSettings writes in.
constexpr SettingField kSaveOrder[] = {
    {"Sound", &CSettings::Sound}, {"Timer", &CSettings::Timer}, {"Music", &CSettings::Music},
    {"ShowNagDlg", &CSettings::ShowNagDlg}, {"ShowRulesDlg", &CSettings::ShowRulesDlg},
    {"CurrentGame", &CSettings::CurrentGame}, {"LayoutVertical", &CSettings::LayoutVertical},
    {"BackgroundColor", &CSettings::BackgroundColor}, {"ForegroundColor", &CSettings::ForegroundColor},
    {"QuilloFlip3", &CSettings::QuilloFlip3}, {"QuilloSubwords", &CSettings::QuilloSubwords},
    {"QuilloDragWord", &CSettings::QuilloDragWord}, {"QuilloDragTiles", &CSettings::QuilloDragTiles},
    {"BackgroundPattern", &CSettings::BackgroundPattern},
    {"LetterTileDesign", &CSettings::LetterTileDesign}, {"ColorDepth", &CSettings::ColorDepth},
    {"FitTiles", &CSettings::FitTiles}, {"ContinueHand", &CSettings::ContinueHand},
    {"Top", &CSettings::Top}, {"Left", &CSettings::Left}, {"Width", &CSettings::Width},
    {"Height", &CSettings::Height}, {"MinMax", &CSettings::MinMax},
};
}  // namespace

void LoadSettings()
{
    static constexpr SettingField kLoadOrder[] = {
        {"Sound", &CSettings::Sound}, {"Timer", &CSettings::Timer}, {"Music", &CSettings::Music},
        {"ShowNagDlg", &CSettings::ShowNagDlg}, {"ShowRulesDlg", &CSettings::ShowRulesDlg},
        {"LayoutVertical", &CSettings::LayoutVertical}, {"BackgroundColor", &CSettings::BackgroundColor},
        {"ForegroundColor", &CSettings::ForegroundColor}, {"CurrentGame", &CSettings::CurrentGame},
        {"BackgroundPattern", &CSettings::BackgroundPattern},
        {"LetterTileDesign", &CSettings::LetterTileDesign}, {"ColorDepth", &CSettings::ColorDepth},
        {"FitTiles", &CSettings::FitTiles}, {"ContinueHand", &CSettings::ContinueHand},
        {"Top", &CSettings::Top}, {"Left", &CSettings::Left}, {"Width", &CSettings::Width},
        {"Height", &CSettings::Height}, {"MinMax", &CSettings::MinMax},
    };
    const CSettings defaults;
    for (const SettingField& f : kLoadOrder)
        g_Settings.*f.field = ReadRegDword(HKEY_CURRENT_USER, kMainKey, f.name, defaults.*f.field);
}

void SaveSettings()
{
    // One transaction: a run that is killed while saving leaves the old
    // settings or the new ones, never some of each.
    RegTransaction([] {
        for (const SettingField& f : kSaveOrder)
            WriteRegDword(HKEY_CURRENT_USER, kMainKey, f.name, g_Settings.*f.field);  // failures ignored
    });
}

void StoreSettings(std::initializer_list<const char*> names)
{
    RegTransaction([names] {
        for (const char* name : names)
            for (const SettingField& f : kSaveOrder)
                if (std::strcmp(f.name, name) == 0)
                    WriteRegDword(HKEY_CURRENT_USER, kMainKey, f.name, g_Settings.*f.field);
    });
}
