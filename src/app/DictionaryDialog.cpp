// The Dictionary dialog.
#include "app/DictionaryDialog.h"

#include <QDialog>
#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>
#include <utility>

#include "app/DialogSupport.h"
#include "app/ProgressDialog.h"
#include "dictionary/Dictionary.h"
#include "dictionary/WordArray.h"
#include "framework/Str.h"
#include "platform/Icons.h"
#include "platform/Modal.h"
#include "resources/StringIds.h"

namespace {
constexpr const char* kAddedWordsList = "modified.lst";
constexpr int kMaxTypedLength = 255;
constexpr int kScrollUnit = 10;  // the scroll bar counts in steps of ten words
constexpr unsigned kSavingTemplate = 433;
constexpr unsigned kSavingAnimation = 434;
class CDictionaryDialog final : public QDialog {
public:
    CDictionaryDialog(HWND owner, CDictionary& dictionary, const std::string& currentWord,
                      std::function<void()> wordsChanged);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    CStr TypedWord() const;
    int MeasurePageSize() const;
    void FillList();
    void UpdateControls();
    void Refresh();
    void ScrollTo(int top);
    void AddTypedWord();
    void RemoveSelectedWord();

    HWND m_owner;
    CDictionary& m_dictionary;
    std::function<void()> m_wordsChanged;
    QLineEdit* m_edit;
    QListWidget* m_list;
    QScrollBar* m_scroll;
    QPushButton* m_add;
    QPushButton* m_remove;

    int m_pageSize = 100;
    int m_total = 0;
    int m_top = -1;  // merged position of the first word shown; -1: the page follows the typed word
    bool m_removed = false;
    bool m_added = false;
    bool m_filling = false;
    CWordArray m_page;
};

CDictionaryDialog::CDictionaryDialog(HWND owner, CDictionary& dictionary, const std::string& currentWord,
                                     std::function<void()> wordsChanged)
    : QDialog(WidgetOf(owner)), m_owner(owner), m_dictionary(dictionary), m_wordsChanged(std::move(wordsChanged))
{
    setObjectName(QStringLiteral("dictionaryDialog"));
    setWindowTitle(DialogText(kStrDictionaryTitle));

    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("lookUp"));
    m_edit->setMaxLength(kMaxTypedLength);
    auto* label = new QLabel(DialogText(kStrDictionaryLookUpWord), this);
    label->setBuddy(m_edit);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("words"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setUniformItemSizes(true);
    m_list->setMinimumSize(DluX(this, 103), DluY(this, 138));
    m_list->installEventFilter(this);
    m_list->viewport()->installEventFilter(this);

    m_scroll = new QScrollBar(Qt::Vertical, this);
    m_scroll->setObjectName(QStringLiteral("pageScroll"));

    m_add = new QPushButton(DialogText(kStrDictionaryAddWord), this);
    m_add->setObjectName(QStringLiteral("add"));
    m_add->setDefault(true);
    m_add->setEnabled(false);
    SetControlId(m_add, 1046);
    m_remove = new QPushButton(DialogText(kStrDictionaryRemoveWord), this);
    m_remove->setObjectName(QStringLiteral("remove"));
    m_remove->setAutoDefault(false);
    m_remove->setEnabled(false);
    SetControlId(m_remove, 1047);
    auto* close = new QPushButton(DialogText(kStrDictionaryClose), this);
    close->setObjectName(QStringLiteral("close"));
    close->setAutoDefault(false);
    SetControlId(close, 1);

    auto* grid = new QGridLayout(this);
    grid->addWidget(label, 0, 0, 1, 2);
    grid->addWidget(m_edit, 1, 0, 1, 2);
    grid->addWidget(m_add, 1, 3);
    grid->addWidget(m_list, 2, 0, 3, 1);
    grid->addWidget(m_scroll, 2, 1, 3, 1);
    grid->addWidget(m_remove, 2, 3);
    grid->addWidget(close, 4, 3, Qt::AlignBottom);
    grid->setHorizontalSpacing(0);
    grid->setColumnMinimumWidth(2, DluX(this, 6));
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(3, 1);
    m_add->setMinimumWidth(DluX(this, 72));
    m_remove->setMinimumWidth(DluX(this, 72));
    close->setMinimumWidth(DluX(this, 72));

    const CStr word(currentWord);
    if (!word.IsEmpty())
        m_edit->setText(QString::fromLatin1(word.c_str()));

    connect(m_edit, &QLineEdit::textChanged, this, [this] {
        m_top = -1;
        Refresh();
    });
    connect(m_add, &QPushButton::clicked, this, [this] { AddTypedWord(); });
    connect(m_remove, &QPushButton::clicked, this, [this] { RemoveSelectedWord(); });
    connect(close, &QPushButton::clicked, this, [this] { done(1); });
    connect(m_list, &QListWidget::itemSelectionChanged, this, [this] {
        if (!m_filling)
            UpdateControls();
    });
    connect(m_scroll, &QAbstractSlider::actionTriggered, this, [this](int action) {
        switch (action) {
        case QAbstractSlider::SliderSingleStepSub: ScrollTo(m_top - 1); break;
        case QAbstractSlider::SliderSingleStepAdd: ScrollTo(m_top + 1); break;
        case QAbstractSlider::SliderPageStepSub: ScrollTo(m_top - m_pageSize); break;
        case QAbstractSlider::SliderPageStepAdd: ScrollTo(m_top + m_pageSize); break;
        case QAbstractSlider::SliderToMinimum: ScrollTo(0); break;
        case QAbstractSlider::SliderToMaximum: ScrollTo(m_total - m_pageSize); break;
        case QAbstractSlider::SliderMove: ScrollTo(m_scroll->sliderPosition() * kScrollUnit); break;
        default: break;
        }
    });
}

CStr CDictionaryDialog::TypedWord() const
{
    CStr word(m_edit->text().toLatin1().toStdString());
    word.LettersOnly();
    return word;
}

int CDictionaryDialog::MeasurePageSize() const
{
    const int height = m_list->viewport()->height();
    int itemHeight = m_list->count() > 0 ? m_list->sizeHintForRow(0) : 0;
    if (itemHeight <= 0) {
        QListWidget probe;
        probe.setFont(m_list->font());
        probe.addItem(QStringLiteral("Wg"));
        itemHeight = probe.sizeHintForRow(0);
    }
    if (height <= 0 || itemHeight <= 0)
        return 100;
    return std::max(1, height / itemHeight);
}

void CDictionaryDialog::FillList()
{
    m_filling = true;
    const CStr word = TypedWord();
    m_pageSize = MeasurePageSize();
    const QString selectedBefore = m_list->currentItem() && m_list->currentItem()->isSelected()
                                       ? m_list->currentItem()->text()
                                       : QString();
    m_list->clear();
    m_page.Clear();
    if (m_top < 0)
        m_top = m_dictionary.PositionOf(word.c_str());  // no typed word: the first word
    m_dictionary.FillPage(m_top, m_page, m_pageSize);
    m_total = m_dictionary.GetWordCount();

    QListWidgetItem* select = nullptr;
    QListWidgetItem* reselect = nullptr;
    for (int i = 0; i < m_page.GetCount() && i < m_pageSize; ++i) {
        auto* item = new QListWidgetItem(QString::fromLatin1(m_page.GetAt(i)), m_list);
        if (!word.IsEmpty() && word == m_page.GetAt(i))
            select = item;
        if (!selectedBefore.isEmpty() && item->text() == selectedBefore)
            reselect = item;
    }
    // The typed word when it is on the page; else the word that was selected
    // before, so that scrolling does not lose it.
    if (QListWidgetItem* item = select ? select : reselect)
        m_list->setCurrentItem(item);
    m_filling = false;
}

void CDictionaryDialog::UpdateControls()
{
    const QSignalBlocker quiet(m_scroll);  // moving the thumb here is no scroll request
    if (m_total > m_pageSize) {
        m_scroll->setEnabled(true);
        m_scroll->setRange(0, m_total / kScrollUnit + 1);
        m_scroll->setPageStep(std::max(1, m_pageSize / kScrollUnit));
        m_scroll->setSingleStep(1);
        m_scroll->setSliderPosition(m_top < 0 ? 0 : m_top / kScrollUnit);
    } else {
        m_scroll->setEnabled(false);
    }
    const CStr word = TypedWord();
    m_add->setEnabled(!word.IsEmpty() && m_page.Find(word.c_str()) < 0);
    m_remove->setEnabled(!m_list->selectedItems().isEmpty());
}

void CDictionaryDialog::Refresh()
{
    FillList();
    UpdateControls();
}

void CDictionaryDialog::ScrollTo(int top)
{
    m_top = std::max(0, std::min(top, m_total - m_pageSize));
    Refresh();
}

void CDictionaryDialog::AddTypedWord()
{
    const CStr word = TypedWord();
    if (!word.IsEmpty() && m_page.Find(word.c_str()) < 0) {
        if (m_dictionary.AddWord(word.c_str(), kAddedWordsList)) {
            m_added = true;
            if (m_wordsChanged)
                m_wordsChanged();
        }
    }
    m_top = -1;
    Refresh();
}

void CDictionaryDialog::RemoveSelectedWord()
{
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty())
        return;
    const std::string word = selected.front()->text().toLatin1().toStdString();
    if (m_page.Find(word.c_str()) >= 0 && m_dictionary.RemoveWord(word.c_str()) > 0) {
        m_removed = true;
        if (m_wordsChanged)
            m_wordsChanged();
    }
    m_top = -1;
    Refresh();
}

bool CDictionaryDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_list->viewport()) {
        if (event->type() == QEvent::Resize && isVisible())
            Refresh();  // the page fills the list's real height
        return QDialog::eventFilter(watched, event);
    }
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        // The navigation keys page through the dictionary, word by word.
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_PageUp: ScrollTo(m_top - m_pageSize); return true;
        case Qt::Key_PageDown: ScrollTo(m_top + m_pageSize); return true;
        case Qt::Key_End: ScrollTo(m_total - m_pageSize); return true;
        case Qt::Key_Home: ScrollTo(0); return true;
        case Qt::Key_Left:
        case Qt::Key_Up: ScrollTo(m_top - 1); return true;
        case Qt::Key_Right:
        case Qt::Key_Down: ScrollTo(m_top + 1); return true;
        default: break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CDictionaryDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Refresh();  // now the list has its real height
}

void CDictionaryDialog::done(int result)
{
    if (m_added || m_removed) {
        CProgressDialog notice(kSavingTemplate, kSavingAnimation);
        notice.Create(m_owner);
        m_dictionary.SaveAll(&notice);
        notice.Destroy();
        m_added = m_removed = false;
    }
    QDialog::done(result);
}
}  // namespace

int RunDictionaryDialog(HWND owner, CDictionary& dictionary, const std::string& currentWord,
                        const std::function<bool()>& loadDictionary, const std::function<void()>& wordsChanged)
{
    if (!dictionary.IsLoaded() && !(loadDictionary && loadDictionary() && dictionary.IsLoaded()))
        return 1;
    CDictionaryDialog dialog(owner, dictionary, currentWord, wordsChanged);
    CentreDialog(&dialog);
    RunModal(dialog);
    return 1;
}
