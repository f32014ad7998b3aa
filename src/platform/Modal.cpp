#include "platform/Modal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <deque>

#include "framework/WinTypes.h"
#include "platform/ModalScript.h"

namespace {
bool g_scripting = false;
std::deque<std::string> g_answers;
std::vector<ModalRecord> g_log;
ModalAnswerer g_answerer = nullptr;
bool g_ending = false;  // EndModalDialogs was called

QString Plain(const QString& label)
{
    QString s = label;
    s.remove('&');
    return s.trimmed().toLower();
}

std::string DialogText(const QDialog& dialog)
{
    if (const auto* box = qobject_cast<const QMessageBox*>(&dialog))
        return box->text().toStdString();
    QStringList parts;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        if (!label->text().isEmpty())
            parts << label->text();
    return parts.join(" | ").toStdString();
}

// Carries out one scripted answer on an open dialog; false when the answer
// fitted no button and no result code.
bool AnswerStep(QDialog& dialog, const std::string& answer);

bool Answer(QDialog& dialog, const std::string& answer)
{
    // "1057+ok": click 1057, then OK.
    std::size_t start = 0;
    for (std::size_t plus; (plus = answer.find('+', start)) != std::string::npos; start = plus + 1)
        if (!AnswerStep(dialog, answer.substr(start, plus - start)))
            return false;
    return AnswerStep(dialog, answer.substr(start));
}

bool AnswerStep(QDialog& dialog, const std::string& answer)
{
    const QString wanted = Plain(QString::fromStdString(answer));
    if (wanted == "cancel" || wanted == "close" || wanted == "escape") {
        // A message box without a Cancel button answers Escape with its escape button.
        if (auto* box = qobject_cast<QMessageBox*>(&dialog); box && box->escapeButton()) {
            box->escapeButton()->click();
            return true;
        }
        dialog.reject();
        return true;
    }
    const QList<QAbstractButton*> buttons = dialog.findChildren<QAbstractButton*>();
    for (QAbstractButton* b : buttons) {
        if (Plain(b->text()) == wanted && b->isEnabled()) {
            b->click();
            return true;
        }
    }
    bool isNumber = false;
    const int number = wanted.toInt(&isNumber);
    if (!isNumber) {
        // An entry of a list: selected.
        for (QListWidget* list : dialog.findChildren<QListWidget*>())
            for (int i = 0; i < list->count(); ++i)
                if (Plain(list->item(i)->text()) == wanted) {
                    list->setCurrentRow(i);
                    return true;
                }
        return false;
    }
    for (QAbstractButton* b : buttons) {
        const QVariant id = b->property("controlId");
        if (id.isValid() && id.toInt() == number && b->isEnabled()) {
            b->click();
            return true;
        }
    }
    dialog.done(number);
    return true;
}
}  // namespace

// Watches every dialog that opens modally while scripting is on and answers
// it from inside its own loop, as a person would.
class CModalWatcher final : public QObject {
public:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::Show && g_scripting) {
            auto* dialog = qobject_cast<QDialog*>(object);
            if (dialog && dialog->isWindow() && (dialog->isModal() || dialog->testAttribute(Qt::WA_ShowModal)) &&
                !dialog->property("scriptAnswered").toBool()) {
                dialog->setProperty("scriptAnswered", true);
                Schedule(*dialog);
            }
        }
        return false;
    }

private:
    static void Schedule(QDialog& dialog)
    {
        ModalRecord record;
        record.caption = dialog.windowTitle().toStdString();
        record.text = DialogText(dialog);
        QPointer<QDialog> guard(&dialog);
        if (dialog.property("closesItself").toBool()) {
            // A notice that goes away by itself takes no answer: it closes at once.
            record.answer = "(closed itself)";
            g_log.push_back(record);
            QTimer::singleShot(0, &dialog, [guard] {
                if (guard)
                    guard->accept();
            });
            return;
        }
        bool hasAnswer = !g_answers.empty();
        if (hasAnswer) {
            record.answer = g_answers.front();
            g_answers.pop_front();
        } else if (g_answerer) {
            record.answer = g_answerer(dialog);
            hasAnswer = !record.answer.empty();
        }
        const std::size_t index = g_log.size();
        g_log.push_back(record);
        const std::string answer = record.answer;
        QTimer::singleShot(0, &dialog, [guard, hasAnswer, answer, index] {
            if (!guard)
                return;
            bool matched = true;
            if (hasAnswer)
                matched = Answer(*guard, answer);
            else
                Answer(*guard, "cancel");
            if (index < g_log.size())
                g_log[index].matched = matched;
            if (!matched)
                Answer(*guard, "cancel");
        });
    }
};

void SetModalScripting(bool on)
{
    static CModalWatcher* watcher = nullptr;
    g_scripting = on;
    if (on && !watcher && QCoreApplication::instance()) {
        watcher = new CModalWatcher;
        watcher->setParent(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(watcher);
    }
}
bool ModalScripting() { return g_scripting; }
void PushModalAnswer(const std::string& answer) { g_answers.push_back(answer); }
void ClearModalAnswers() { g_answers.clear(); }
std::size_t PendingModalAnswers() { return g_answers.size(); }

std::vector<ModalRecord> TakeModalLog()
{
    std::vector<ModalRecord> log;
    log.swap(g_log);
    return log;
}

void SetModalAnswerer(ModalAnswerer answerer) { g_answerer = answerer; }

void SetControlId(QAbstractButton* button, int id) { button->setProperty("controlId", id); }

int RunModal(QDialog& dialog)
{
    if (g_ending)
        return QDialog::Rejected;
    return dialog.exec();
}

void EndModalDialogs()
{
    g_ending = true;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<QDialog*>(widget);
        if (dialog && dialog->isVisible() && dialog->isModal())
            dialog->reject();
    }
}

std::string NormalizeLineBreaks(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        out += text[i];
    }
    return out;
}

int ShowMessageBox(QWidget* parent, const std::string& text, const std::string& caption, unsigned style)
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (style & 0xF0) {
    case MB_ICONERROR: icon = QMessageBox::Critical; break;
    case MB_ICONQUESTION: icon = QMessageBox::Question; break;
    case MB_ICONWARNING: icon = QMessageBox::Warning; break;
    case MB_ICONINFORMATION: icon = QMessageBox::Information; break;
    default: break;
    }
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = QMessageBox::Ok;
    int escapeResult = IDOK;
    switch (style & 0xF) {
    case MB_YESNO:
        buttons = QMessageBox::Yes | QMessageBox::No;
        defaultButton = QMessageBox::Yes;
        escapeResult = IDNO;
        break;
    case MB_OKCANCEL:
        buttons = QMessageBox::Ok | QMessageBox::Cancel;
        escapeResult = IDCANCEL;
        break;
    default:
        break;
    }
    QMessageBox box(icon, QString::fromLatin1(caption.c_str()),
                    QString::fromLatin1(NormalizeLineBreaks(text).c_str()), buttons, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultButton);
    const std::pair<QMessageBox::StandardButton, int> ids[] = {
        {QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}, {QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}};
    for (const auto& [button, id] : ids)
        if (QAbstractButton* b = box.button(button))
            SetControlId(b, id);
    RunModal(box);
    for (const auto& [button, id] : ids)
        if (box.clickedButton() && box.clickedButton() == box.button(button))
            return id;
    return escapeResult;
}
