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
void SetControlId(QAbstractButton* button, int id);

// A message box with the program's captions and texts; `style` is MB_OK,
// MB_YESNO... with an MB_ICON* flag. Returns IDOK, IDCANCEL, IDYES or IDNO.
int ShowMessageBox(QWidget* parent, const std::string& text, const std::string& caption, unsigned style);

// Texts from the string table use "\r\n" for line breaks.
std::string NormalizeLineBreaks(const std::string& text);
