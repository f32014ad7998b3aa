#pragma once
// Loading and storing the program settings (framework/Settings.h holds them).
#include "framework/Settings.h"

void LoadSettings();
void SaveSettings();
