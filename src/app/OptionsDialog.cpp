// The Options dialog.
#include "app/OptionsDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QDialog>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/DialogSupport.h"
#include "app/Settings.h"
#include "platform/Icons.h"
#include "platform/Modal.h"
#include "resources/StringIds.h"

namespace {
struct Choice {
    int value;
    unsigned labelId;
    const char* name;  // object name of the radio button
    int controlId;
    unsigned previewId;
};
constexpr Choice kTileDesigns[] = {
    {1, 2146, "tile1050", 1050, 378},
    {2, 2147, "tile1051", 1051, 376},
    {3, 2148, "tile1052", 1052, 377},
    {16, 2149, "tile1054", 1054, 391},
};
constexpr Choice kPatterns[] = {
    {1, 2152, "pattern1056", 1056, 194},
    {2, 2153, "pattern1057", 1057, 247},
    {5, 2154, "pattern1060", 1060, 373},
    {0, 2155, "pattern1061", 1061, 0},
};
constexpr int kBlackAndWhite = 3;  // index of the design offered on poor displays
constexpr int kSolidColor = 3;     // index of the pattern offered on poor displays

COLORREF g_customColors[16] = {};

QColor ToQColor(COLORREF c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }
COLORREF ToColorref(const QColor& c) { return RGB(c.red(), c.green(), c.blue()); }

// The choices as the dialog edits them.
struct OptionValues {
    std::int32_t sound, music, showNag, timer;
    std::int32_t foreground, background, tileDesign, pattern, fitTiles, continueHand;

    static OptionValues FromSettings()
    {
        const CSettings& s = g_Settings;
        return {s.Sound, s.Music, s.ShowNagDlg, s.Timer,
                s.ForegroundColor, s.BackgroundColor, s.LetterTileDesign, s.BackgroundPattern, s.FitTiles,
                s.ContinueHand};
    }
    bool operator==(const OptionValues&) const = default;
    void Store() const
    {
        CSettings& s = g_Settings;
        s.Sound = sound;
        s.Music = music;
        s.ShowNagDlg = showNag;
        s.Timer = timer;
        s.ForegroundColor = foreground;
        s.BackgroundColor = background;
        s.LetterTileDesign = tileDesign;
        s.BackgroundPattern = pattern;
        s.FitTiles = fitTiles;
        s.ContinueHand = continueHand;
        StoreSettings({"Sound", "Music", "ShowNagDlg", "Timer", "ForegroundColor", "BackgroundColor",
                       "LetterTileDesign", "BackgroundPattern", "FitTiles", "ContinueHand"});
    }
};

QLabel* SectionTitle(unsigned textId, QWidget* parent)
{
    auto* label = new QLabel(DialogText(textId), parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

QFrame* Rule(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

class COptionsDialog final : public QDialog {
public:
    COptionsDialog(int colorDepth, QWidget* parent);
    const OptionValues& Values() const { return m_values; }

private:
    // A titled section: the four choices, and beside them the preview above
    // its colour button.
    void AddSection(QVBoxLayout* layout, unsigned titleId, const Choice (&choices)[4], QButtonGroup* group,
                    QWidget* preview, QPushButton* colorButton);
    void ShowPreview(QLabel* picture, unsigned bitmapId);
    void ChooseTileDesign(int index);
    void ChoosePattern(int index);
    void ChooseColor(bool foreground);

    OptionValues m_values;
    QButtonGroup* m_tiles;
    QButtonGroup* m_patterns;
    QLabel* m_tilePreview;
    QLabel* m_patternPreview;
    QPushButton* m_backgroundColor;
};

COptionsDialog::COptionsDialog(int colorDepth, QWidget* parent)
    : QDialog(parent), m_values(OptionValues::FromSettings())
{
    setObjectName(QStringLiteral("optionsDialog"));
    setWindowTitle(DialogText(kStrOptionsTitle));
    constexpr int previewSize = 48;  // the preview bitmaps are 48 x 48

    auto* sound = new QCheckBox(DialogText(kStrOptionsPlaySoundEffects), this);
    sound->setObjectName(QStringLiteral("sound"));
    SetControlId(sound, 1002);
    auto* timer = new QCheckBox(DialogText(kStrOptionsDisplayTimeClock), this);
    timer->setObjectName(QStringLiteral("timer"));
    SetControlId(timer, 1063);
    auto* restart = new QCheckBox(DialogText(kStrOptionsRestartLastGameOn), this);
    restart->setObjectName(QStringLiteral("restartLastGame"));
    SetControlId(restart, 1011);
    auto* fitTiles = new QCheckBox(DialogText(kStrOptionsFitTilesToWindow), this);
    fitTiles->setObjectName(QStringLiteral("fitTiles"));
    SetControlId(fitTiles, 1012);
    auto* continueHand = new QCheckBox(DialogText(kStrOptionsContinueUnfinishedHand), this);
    continueHand->setObjectName(QStringLiteral("continueHand"));
    SetControlId(continueHand, 1013);

    m_tiles = new QButtonGroup(this);
    m_patterns = new QButtonGroup(this);
    m_tilePreview = new QLabel(this);
    m_tilePreview->setObjectName(QStringLiteral("tilePreview"));
    m_patternPreview = new QLabel(this);
    m_patternPreview->setObjectName(QStringLiteral("patternPreview"));
    for (QLabel* picture : {m_tilePreview, m_patternPreview}) {
        picture->setFixedSize(previewSize, previewSize);
        picture->setAlignment(Qt::AlignCenter);
    }
    auto* textColor = new QPushButton(DialogText(kStrOptionsChangeTextColor), this);
    textColor->setObjectName(QStringLiteral("textColor"));
    SetControlId(textColor, 1009);
    m_backgroundColor = new QPushButton(DialogText(kStrOptionsChangeBackgroundColor), this);
    m_backgroundColor->setObjectName(QStringLiteral("backgroundColor"));
    SetControlId(m_backgroundColor, 1010);
    for (QPushButton* b : {textColor, m_backgroundColor})
        b->setAutoDefault(false);

    auto* tip = new QLabel(DialogText(kStrOptionsTipToEnableMore), this);
    tip->setObjectName(QStringLiteral("tip"));
    tip->setWordWrap(true);
    tip->hide();

    auto* ok = new QPushButton(DialogText(kStrOptionsOk), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    SetControlId(ok, 1);
    auto* cancel = new QPushButton(DialogText(kStrOptionsCancel), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    cancel->setAutoDefault(false);
    SetControlId(cancel, 2);

    // Layout: three titled sections, the buttons at the bottom right.
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SectionTitle(kStrOptionsControls, this));
    layout->addWidget(Rule(this));
    layout->addWidget(sound);
    layout->addWidget(timer);
    layout->addWidget(restart);
    layout->addWidget(fitTiles);
    layout->addWidget(continueHand);
    layout->addSpacing(DluY(this, 4));

    AddSection(layout, kStrOptionsLetterTileDesign, kTileDesigns, m_tiles, m_tilePreview, textColor);
    layout->addSpacing(DluY(this, 4));
    auto* patternHolder = new QWidget(this);  // keeps its place while the preview is hidden
    patternHolder->setFixedSize(previewSize, previewSize);
    m_patternPreview->setParent(patternHolder);
    m_patternPreview->move(0, 0);
    AddSection(layout, kStrOptionsBackgroundPattern, kPatterns, m_patterns, patternHolder, m_backgroundColor);

    layout->addWidget(tip);
    layout->addSpacing(DluY(this, 4));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    // Initial state.
    m_backgroundColor->setEnabled(false);
    int tile = 0;  // an unknown design shows light wood without changing the value
    for (int i = 0; i < 4; ++i)
        if (kTileDesigns[i].value == m_values.tileDesign)
            tile = i;
    m_tiles->button(tile)->setChecked(true);
    ShowPreview(m_tilePreview, kTileDesigns[tile].previewId);

    int pattern = kSolidColor;  // 0, 3, 4 and anything else: solid colour, value kept
    for (int i = 0; i < 4; ++i)
        if (kPatterns[i].value == m_values.pattern)
            pattern = i;
    m_patterns->button(pattern)->setChecked(true);
    ShowPreview(m_patternPreview, kPatterns[pattern].previewId);
    if (pattern == kSolidColor)
        m_backgroundColor->setEnabled(true);

    if (colorDepth < 24) {
        for (int i = 0; i < 4; ++i) {
            m_tiles->button(i)->setEnabled(i == kBlackAndWhite);
            m_patterns->button(i)->setEnabled(i == kSolidColor);
        }
        m_patternPreview->hide();
        tip->show();
    }

    timer->setChecked(m_values.timer == 1);
    restart->setChecked(m_values.showNag == 0);
    sound->setChecked(m_values.sound == 1);
    fitTiles->setChecked(m_values.fitTiles != 0);
    continueHand->setChecked(m_values.continueHand != 0);

    // Commands.
    connect(m_tiles, &QButtonGroup::idClicked, this, [this](int i) { ChooseTileDesign(i); });
    connect(m_patterns, &QButtonGroup::idClicked, this, [this](int i) { ChoosePattern(i); });
    connect(sound, &QCheckBox::clicked, this, [this, sound] {
        m_values.sound = m_values.sound ? 0 : 1;
        sound->setChecked(m_values.sound == 1);
    });
    connect(timer, &QCheckBox::clicked, this, [this, timer] {
        m_values.timer = m_values.timer ? 0 : 1;
        timer->setChecked(m_values.timer == 1);
    });
    connect(restart, &QCheckBox::clicked, this, [this, restart] {
        m_values.showNag = m_values.showNag ? 0 : 1;
        restart->setChecked(m_values.showNag == 0);
    });
    connect(fitTiles, &QCheckBox::clicked, this, [this, fitTiles] {
        m_values.fitTiles = m_values.fitTiles ? 0 : 1;
        fitTiles->setChecked(m_values.fitTiles != 0);
    });
    connect(continueHand, &QCheckBox::clicked, this, [this, continueHand] {
        m_values.continueHand = m_values.continueHand ? 0 : 1;
        continueHand->setChecked(m_values.continueHand != 0);
    });
    connect(textColor, &QPushButton::clicked, this, [this] { ChooseColor(true); });
    connect(m_backgroundColor, &QPushButton::clicked, this, [this] { ChooseColor(false); });
    connect(ok, &QPushButton::clicked, this, [this] {
        done(m_values == OptionValues::FromSettings() ? kOptionsUnchanged : kOptionsChanged);
    });
    connect(cancel, &QPushButton::clicked, this, [this] { done(kOptionsUnchanged); });
}

void COptionsDialog::AddSection(QVBoxLayout* layout, unsigned titleId, const Choice (&choices)[4],
                                QButtonGroup* group, QWidget* preview, QPushButton* colorButton)
{
    layout->addWidget(SectionTitle(titleId, this));
    layout->addWidget(Rule(this));
    auto* column = new QVBoxLayout;
    for (int i = 0; i < 4; ++i) {
        auto* radio = new QRadioButton(DialogText(choices[i].labelId), this);
        radio->setObjectName(QString::fromLatin1(choices[i].name));
        SetControlId(radio, choices[i].controlId);
        group->addButton(radio, i);
        column->addWidget(radio);
    }
    column->addStretch(1);
    auto* side = new QVBoxLayout;
    side->addWidget(preview, 0, Qt::AlignHCenter);
    side->addWidget(colorButton);
    side->addStretch(1);
    auto* row = new QHBoxLayout;
    row->addLayout(column, 1);
    row->addLayout(side);
    layout->addLayout(row);
}

void COptionsDialog::ShowPreview(QLabel* picture, unsigned bitmapId)
{
    if (bitmapId == 0) {
        picture->clear();
        picture->hide();
        return;
    }
    const QPixmap bitmap = ResourceBitmap(bitmapId);
    if (bitmap.isNull()) {
        picture->clear();
    } else {
        // Tile previews are scaled to fit; a pattern shows a corner of its
        // repeating picture twice the preview's size, at half scale.
        const QSize size = picture->size();
        const QSize corner = size * 2;
        const bool pattern = picture == m_patternPreview;
        const QPixmap part = pattern && bitmap.width() >= corner.width() && bitmap.height() >= corner.height()
                                 ? bitmap.copy(QRect(QPoint(0, 0), corner))
                                 : bitmap;
        picture->setPixmap(part.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    picture->show();
}

void COptionsDialog::ChooseTileDesign(int index)
{
    m_values.tileDesign = kTileDesigns[index].value;
    m_tiles->button(index)->setChecked(true);
    ShowPreview(m_tilePreview, kTileDesigns[index].previewId);
}

void COptionsDialog::ChoosePattern(int index)
{
    m_values.pattern = kPatterns[index].value;
    m_patterns->button(index)->setChecked(true);
    ShowPreview(m_patternPreview, kPatterns[index].previewId);
    m_backgroundColor->setEnabled(index == kSolidColor);
}

void COptionsDialog::ChooseColor(bool foreground)
{
    std::int32_t& color = foreground ? m_values.foreground : m_values.background;
    QColorDialog dialog(ToQColor(static_cast<COLORREF>(color)), this);
    dialog.setObjectName(QStringLiteral("colorDialog"));
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    for (int i = 0; i < 16 && i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(i, ToQColor(g_customColors[i]));
    const bool chosen = RunModal(dialog) == QDialog::Accepted;
    for (int i = 0; i < 16 && i < QColorDialog::customCount(); ++i)
        g_customColors[i] = ToColorref(QColorDialog::customColor(i));
    if (chosen)
        color = static_cast<std::int32_t>(ToColorref(dialog.selectedColor()));
}
}  // namespace

COLORREF* OptionsCustomColors() { return g_customColors; }

int RunOptionsDialog(HWND owner)
{
    const int depth = owner ? owner->GetColorDepth() : 32;
    COptionsDialog dialog(depth, WidgetOf(owner));
    CentreDialog(&dialog);
    if (RunModal(dialog) != kOptionsChanged)
        return kOptionsUnchanged;
    dialog.Values().Store();
    return kOptionsChanged;
}
