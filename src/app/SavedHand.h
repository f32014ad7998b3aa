#pragma once
// The hand in progress, kept in the store so that the next start plays it
// on (a quit, a closed window, a killed program). One record at a time, the
// game's own closed CHandRecord, kept as text under "Hand".
#include <string>

void KeepSavedHand(const std::string& closed);
// The kept record, taken out of the store ("" when there is none): a record
// that would make the program fail is then not met again at the next start.
std::string TakeSavedHand();
void ForgetSavedHand();
