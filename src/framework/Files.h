#pragma once
// Where files live. Shipped read-only data ("words.lst", "quotes.lst",
// "Help.htm") sits beside the program, or in ../share/glyphery when installed.
// The player's own files ("modified.lst", "custom.lst") live in
// $XDG_DATA_HOME/glyphery (default ~/.local/share/glyphery); the settings
// store lives in $XDG_CONFIG_HOME/glyphery (default ~/.config/glyphery).
#include <string>

std::string ProgramDir();                          // folder of the running program
std::string ShippedDataPath(const std::string& name);  // beside the program (or share/glyphery)
std::string UserDataDir();                         // created on demand by EnsureDir
std::string UserConfigDir();
bool EnsureDir(const std::string& dir);            // mkdir -p
// For reading: the player's copy when it exists, else the shipped one; a
// name with a '/' is the path itself.
std::string FindReadablePath(const std::string& name);
// For writing: always in the player's folder (which is created when missing).
std::string WritablePath(const std::string& name);
bool FileExists(const std::string& path);
// Renames a file the program could not use out of the way, to
// "PATH.LABEL-YYYYmmdd-HHMMSS" (with "-2", "-3"... when taken), so what it
// held survives. The new path, or "" (errno set) when it could not be moved.
std::string MoveAside(const std::string& path, const char* label);
