#include "framework/Utility.h"

#include <cstring>
#include <string>

#include "framework/Resources.h"
#include "framework/Shell.h"

void ShowFileError(const std::string& path, int error)
{
    constexpr unsigned kIdsSystemErrorCaption = 2020;
    const std::string text = path + ": " + std::strerror(error);
    if (HWND main = Shell().MainWindow())
        main->MessageBox(text, ResString(kIdsSystemErrorCaption), MB_OK | MB_ICONINFORMATION);
}

void ShowLastError(int error)
{
    constexpr unsigned kIdsSystemErrorCaption = 2020;  // "Quirkwood Software"
    const std::string text = std::strerror(error);
    if (HWND main = Shell().MainWindow())
        main->MessageBox(text, ResString(kIdsSystemErrorCaption), MB_OK | MB_ICONINFORMATION);
}
