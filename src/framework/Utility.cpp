#include "framework/Utility.h"

#include <cstring>
#include <string>

#include "framework/Resources.h"
#include "framework/Shell.h"
#include "resources/StringIds.h"

void ShowFileError(const std::string& path, int error)
{
    const std::string text = path + ": " + std::strerror(error);
    if (HWND main = Shell().MainWindow())
        main->MessageBox(text, ResString(kStrSystemErrorCaption), MB_OK | MB_ICONINFORMATION);
}

void ShowLastError(int error)
{
    const std::string text = std::strerror(error);
    if (HWND main = Shell().MainWindow())
        main->MessageBox(text, ResString(kStrSystemErrorCaption), MB_OK | MB_ICONINFORMATION);
}
