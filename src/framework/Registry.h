#pragma once
// The settings store: a registry-like tree of keys holding named values, each
// a 32-bit number (DWORD) or a string. Key paths and value names compare
// without regard to case. Every call opens the store, does its work in one
// transaction and closes it again, so two running instances never lose each
// other's writes. The store is a SQLite file in UserConfigDir().
#include <cstdint>
#include <functional>
#include <string>

enum HKEY_ROOT { HKEY_CURRENT_USER };

// Missing key, missing value or a value of another type: the default.
std::int32_t ReadRegDword(HKEY_ROOT root, const char* keyPath, const char* valueName, std::int32_t def);
bool WriteRegDword(HKEY_ROOT root, const char* keyPath, const char* valueName, std::int32_t value);
// Empties `out` first; true only when the value exists, is a string, and its
// length plus terminator fits in `bufferSize` (as a fixed-size buffer would).
bool ReadRegString(HKEY_ROOT root, const char* keyPath, const char* valueName, std::string& out,
                   int bufferSize);
bool WriteRegString(HKEY_ROOT root, const char* keyPath, const char* valueName, const char* text);
// Deletes the key and every key below it.
bool DeleteRegKey(HKEY_ROOT root, const char* keyPath);


// Adds `delta` to a DWORD (a missing value or one of another type counts as 0)
// in one transaction, so counters kept by two running instances add up.
// The new value goes to *newValue when given.
bool AddRegDword(HKEY_ROOT root, const char* keyPath, const char* valueName, std::int32_t delta,
                 std::int32_t* newValue = nullptr);
// Runs `body` as one transaction: every registry call it makes reads and
// writes together, and nothing of it is stored unless all of it is. Keep the
// body short (no dialogs): other instances wait for it. Nested calls join the
// outer transaction. False when the store could not be used or the commit failed.
bool RegTransaction(const std::function<void()>& body);

// For tests and tools: use another store file (empty = the default location).
void SetRegistryPath(const std::string& path);
std::string RegistryPath();
// Closes the store's connection (it reopens on the next call); done at exit.
void CloseRegistry();
