#pragma once
// Loading and storing the program settings (framework/Settings.h holds them).
#include "framework/Settings.h"

#include <initializer_list>

void LoadSettings();
void SaveSettings();
// Writes the named settings (as SaveSettings names them) in one transaction.
// Called wherever the player changes one, so a run that ends without closing
// its window (a signal, a crash) loses nothing the player chose.
void StoreSettings(std::initializer_list<const char*> names);
