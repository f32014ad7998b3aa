// The Options dialog, driven through the real dialog.
#include <gtest/gtest.h>

#include <QColorDialog>
#include <QLabel>
#include <QTest>

#include "TestSupport.h"
#include "app/OptionsDialog.h"
#include "app/Settings.h"
#include "framework/Registry.h"

using namespace testsupport;

namespace {
class Options : public ::testing::Test {
protected:
    void SetUp() override { g_Settings = CSettings{}; }
    void TearDown() override { ExpectEveryDialogOpened(); }

    // Opens the dialog, runs `act`, returns the dialog's result.
    int Run(const std::function<void(QWidget*)>& act)
    {
        WhenModal(act);
        return RunOptionsDialog(&window);
    }
    static bool Enabled(QWidget* d, const char* name) { return Child<QWidget>(d, name)->isEnabled(); }
    static bool Checked(QWidget* d, const char* name)
    {
        return Child<QAbstractButton>(d, name)->isChecked();
    }

    TestWindow window;
};
}  // namespace

TEST_F(Options, OpensWithTheStoredChoices)
{
    g_Settings.Sound = 1;
    g_Settings.Timer = 0;
    g_Settings.ShowNagDlg = 0;
    g_Settings.LetterTileDesign = 3;
    g_Settings.BackgroundPattern = 2;
    Run([](QWidget* d) {
        EXPECT_TRUE(Checked(d, "sound"));
        EXPECT_FALSE(Checked(d, "timer"));
        EXPECT_TRUE(Checked(d, "restartLastGame"));  // ShowNagDlg 0, shown inverted
        EXPECT_TRUE(Checked(d, "tile1052"));
        EXPECT_TRUE(Checked(d, "pattern1057"));
        EXPECT_FALSE(Enabled(d, "backgroundColor"));
        EXPECT_FALSE(Child<QWidget>(d, "tip")->isVisible());
        Click(d, "cancel");
    });
    // An unknown design shows light wood but keeps its value.
    g_Settings.LetterTileDesign = 7;
    EXPECT_EQ(Run([](QWidget* d) {
                  EXPECT_TRUE(Checked(d, "tile1050"));
                  Click(d, "ok");
              }),
              kOptionsUnchanged);
    EXPECT_EQ(g_Settings.LetterTileDesign, 7);
}

TEST_F(Options, BackgroundColorOnlyWithTheSolidPattern)
{
    Run([](QWidget* d) {
        EXPECT_TRUE(Checked(d, "pattern1056"));
        EXPECT_FALSE(Enabled(d, "backgroundColor"));
        EXPECT_TRUE(Child<QLabel>(d, "patternPreview")->isVisible());
        Click(d, "pattern1061");
        EXPECT_TRUE(Enabled(d, "backgroundColor"));
        EXPECT_FALSE(Child<QLabel>(d, "patternPreview")->isVisible());
        Click(d, "pattern1060");
        EXPECT_FALSE(Enabled(d, "backgroundColor"));
        EXPECT_TRUE(Child<QLabel>(d, "patternPreview")->isVisible());
        Click(d, "cancel");
    });
    EXPECT_EQ(g_Settings.BackgroundPattern, 1);  // Cancel keeps the stored pattern
}

// A stored pattern 3 shows as the solid colour and is kept when OK saves other changes.
TEST_F(Options, StoredPatternThreeIsKeptOnOk)
{
    g_Settings.BackgroundPattern = 3;
    EXPECT_EQ(Run([](QWidget* d) {
                  EXPECT_TRUE(Checked(d, "pattern1061"));
                  EXPECT_TRUE(Enabled(d, "backgroundColor"));
                  Click(d, "timer");
                  Click(d, "ok");
              }),
              kOptionsChanged);
    EXPECT_EQ(g_Settings.BackgroundPattern, 3);
    EXPECT_EQ(g_Settings.Timer, 1);
}

TEST_F(Options, ChangesReachTheSettingsOnlyOnOk)
{
    auto change = [](QWidget* d) {
        for (const char* name : {"sound", "restartLastGame", "tile1054", "pattern1061", "fitTiles"})
            Click(d, name);
    };
    const std::function<void(QWidget*)> leaveUnchanged[] = {
        [](QWidget* d) {  // toggling something and back again is no change
            for (const char* name : {"sound", "restartLastGame", "tile1050", "pattern1056", "fitTiles", "ok"})
                Click(d, name);
        },
        [](QWidget* d) { Click(d, "cancel"); },
        [](QWidget* d) { QTest::keyClick(d, Qt::Key_Escape); },
    };
    for (const auto& leave : leaveUnchanged) {
        EXPECT_EQ(Run([&](QWidget* d) {
                      change(d);
                      leave(d);
                  }),
                  kOptionsUnchanged);
        EXPECT_EQ(g_Settings.Sound, 1);
        EXPECT_EQ(g_Settings.ShowNagDlg, 1);
        EXPECT_EQ(g_Settings.LetterTileDesign, 1);
        EXPECT_EQ(g_Settings.FitTiles, 1);
    }
    EXPECT_EQ(Run([&](QWidget* d) {
                  change(d);
                  Click(d, "ok");
              }),
              kOptionsChanged);
    EXPECT_EQ(g_Settings.Sound, 0);
    EXPECT_EQ(g_Settings.ShowNagDlg, 0);
    EXPECT_EQ(g_Settings.LetterTileDesign, 16);
    EXPECT_EQ(g_Settings.BackgroundPattern, 0);
    EXPECT_EQ(g_Settings.Music, 1);  // carried unchanged
    EXPECT_EQ(g_Settings.FitTiles, 0);  // on by default, turned off
    EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, kMainKey, "FitTiles", -1), 0);
}

TEST_F(Options, PoorDisplayOffersOnlyThePlainChoices)
{
    window.colorDepth = 16;
    g_Settings.LetterTileDesign = 16;
    g_Settings.BackgroundPattern = 0;
    Run([](QWidget* d) {
        for (const char* name : {"tile1050", "tile1051", "tile1052", "pattern1056", "pattern1057", "pattern1060"})
            EXPECT_FALSE(Enabled(d, name)) << name;
        EXPECT_TRUE(Enabled(d, "tile1054"));
        EXPECT_TRUE(Enabled(d, "pattern1061"));
        EXPECT_TRUE(Child<QWidget>(d, "tip")->isVisible());
        EXPECT_FALSE(Child<QWidget>(d, "patternPreview")->isVisible());
        Click(d, "ok");
    });
}

TEST_F(Options, ColorDialogPicksAndKeepsCustomColors)
{
    g_Settings.BackgroundPattern = 0;
    EXPECT_EQ(Run([](QWidget* d) {
                  WhenModal([](QWidget* c) {
                      auto* colors = qobject_cast<QColorDialog*>(c);
                      ASSERT_NE(colors, nullptr);
                      EXPECT_TRUE(colors->testOption(QColorDialog::DontUseNativeDialog));
                      EXPECT_EQ(colors->currentColor(), QColor(255, 255, 255));  // the text colour
                      QColorDialog::setCustomColor(2, QColor(10, 20, 30));
                      colors->setCurrentColor(QColor(0, 0, 255));
                      colors->accept();
                  });
                  Click(d, "textColor");
                  // Cancel in the colour dialog keeps the background colour.
                  WhenModal([](QWidget* c) {
                      EXPECT_EQ(qobject_cast<QColorDialog*>(c)->currentColor(), QColor(128, 0, 0));
                      c->close();
                  });
                  Click(d, "backgroundColor");
                  Click(d, "ok");
              }),
              kOptionsChanged);
    EXPECT_EQ(g_Settings.ForegroundColor, static_cast<std::int32_t>(RGB(0, 0, 255)));
    EXPECT_EQ(g_Settings.BackgroundColor, 128);
    EXPECT_EQ(OptionsCustomColors()[2], RGB(10, 20, 30));

    // The next colour dialog of the run offers the custom colour again.
    QColor offered;
    Run([&](QWidget* d) {
        QColorDialog::setCustomColor(2, Qt::black);  // whatever Qt kept meanwhile
        WhenModal([&](QWidget* c) {
            offered = QColorDialog::customColor(2);
            c->close();
        });
        Click(d, "backgroundColor");
        Click(d, "cancel");
    });
    EXPECT_EQ(offered, QColor(10, 20, 30));
}
