#pragma once
// Running modal dialogs. While scripting is on (ModalScript.h) every dialog
// that opens modally, through RunModal or exec(), takes a scripted answer.
// Buttons that stand for a Windows-style control id carry it in the
// "controlId" property (SetControlId). A notice that closes by itself sets
// the "closesItself" property; scripted runs close it at once.
#include <string>

class QAbstractButton;
class QDialog;
class QWidget;

int RunModal(QDialog& dialog);
// The program is ending: every open modal dialog closes as Escape would close
// it, and from now on RunModal (and every message box) returns at once as if
// cancelled, so no question holds up the end.
void EndModalDialogs();

// For the soak test: while scripting is on (ModalScript.h) and no answer is
// queued, this picks the answer for a dialog that has just opened, in the
// form a queued answer takes; it may also fill in the dialog's fields. An
// empty answer, or no answerer, closes the dialog as "cancel" would.
using ModalAnswerer = std::string (*)(QDialog& dialog);
void SetModalAnswerer(ModalAnswerer answerer);
void SetControlId(QAbstractButton* button, int id);

// A message box with the program's captions and texts; `style` is MB_OK,
// MB_YESNO... with an MB_ICON* flag. Returns IDOK, IDCANCEL, IDYES or IDNO.
int ShowMessageBox(QWidget* parent, const std::string& text, const std::string& caption, unsigned style);

// Texts from the string table use "\r\n" for line breaks.
std::string NormalizeLineBreaks(const std::string& text);
