#pragma once
// Scripted answers for modal dialogs and message boxes, used by the driver
// and the tests. While scripting is on, every modal dialog and message box
// takes the next queued answer instead of waiting for a person: the answer is
// a button label ("yes", "no", "ok", "Play Again"; case and '&' ignored), a
// number (a button's control id, or else the dialog's result code), or
// "cancel"/"close" (closes the dialog as Escape would), or an entry of a list
// in the dialog (selected). Steps joined by '+' are carried out in order
// ("1057+ok": a radio button, then OK). A modal with no
// answer queued is closed as with "cancel" and noted as unanswered.
#include <cstddef>
#include <string>
#include <vector>

void SetModalScripting(bool on);
bool ModalScripting();
void PushModalAnswer(const std::string& answer);
void ClearModalAnswers();
std::size_t PendingModalAnswers();

// What each scripted modal showed and how it was answered, oldest first.
struct ModalRecord {
    std::string caption;
    std::string text;
    std::string answer;   // "" when it was unanswered
    bool matched = true;  // false when the answer fitted no button
};
std::vector<ModalRecord> TakeModalLog();
