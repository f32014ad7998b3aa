#pragma once
// The Dictionary dialog: look words up, page through the dictionary, add the
// player's own words and remove unwanted ones. Changes reach every game at
// once; the word-list files are rewritten when the dialog closes after a change.
#include <functional>
#include <string>

#include "framework/Window.h"

class CDictionary;

// Runs the dialog modally over `owner`, opening on `currentWord` (the word
// being spelled in the current game, may be empty). When this run has not
// loaded the dictionary yet (only the quotation game was played), the dialog
// first calls `loadDictionary` (the shell's loader with its progress dialog);
// when that fails the dialog does not open, because working on an empty
// dictionary would save a "modified.lst" holding only the added words.
// Closing after a change saves every list, showing "Saving your changes to
// the dictionary..." meanwhile. After every Add or Remove that changed the
// dictionary, `wordsChanged` is called (the game behind then shows or hides
// its check mark at once). Always returns 1.
int RunDictionaryDialog(HWND owner, CDictionary& dictionary, const std::string& currentWord,
                        const std::function<bool()>& loadDictionary,
                        const std::function<void()>& wordsChanged = {});
