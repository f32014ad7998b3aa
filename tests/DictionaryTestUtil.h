#pragma once
// Helpers for the dictionary and letter-supply tests: files in a scratch
// folder, word-list text, and a window that records its message boxes.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "framework/Files.h"
#include "framework/Shell.h"
#include "framework/Window.h"

namespace dicttest {

inline std::string ScratchDir()
{
    const std::string dir = UserDataDir() + "/scratch";
    std::filesystem::create_directories(dir);
    return dir;
}

inline std::string ScratchPath(const std::string& name) { return ScratchDir() + "/" + name; }

inline void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

inline std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Word-list text: every word followed by CR LF.
inline std::string ListText(const std::vector<std::string>& words)
{
    std::string text;
    for (const std::string& w : words)
        text += w + "\r\n";
    return text;
}

// Empties the player's data folder, where the word lists are read and written.
inline void ClearUserData()
{
    std::error_code ec;
    std::filesystem::remove_all(UserDataDir(), ec);
    std::filesystem::create_directories(UserDataDir(), ec);
}

inline std::vector<std::string> FilesIn(const std::string& dir)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        names.push_back(entry.path().filename().string());
    return names;
}

struct MessageRecord {
    std::string text;
    std::string caption;
    unsigned style = 0;
};

// A main window that only records the message boxes shown over it.
class CRecordingWindow final : public CWindow {
public:
    std::vector<MessageRecord> boxes;

    RECT GetClientRect() const override { return RECT{0, 0, 640, 480}; }
    int GetColorDepth() const override { return 32; }
    void Invalidate(const RECT*, bool) override {}
    void UpdateWindow() override {}
    void Present(const std::uint32_t*, int, int, int, const RECT&) override {}
    void Sleep(int) override {}
    void SetTimer(unsigned, unsigned) override {}
    void KillTimer(unsigned) override {}
    void SetCapture() override {}
    void ReleaseCapture() override {}
    std::string GetTitle() const override { return "Glyphery"; }
    void SetTitle(const std::string&) override {}
    int SendCommand(int, int) override { return 0; }
    void PostCommand(int, int) override {}
    void PostClose() override {}
    int MessageBox(const std::string& text, const std::string& caption, unsigned style) override
    {
        boxes.push_back({text, caption, style});
        return IDOK;
    }
    void AddTool(unsigned, const RECT&, const std::string&) override {}
    void RemoveTool(unsigned) override {}
    void RemoveAllTools() override {}
    void ActivateTools(bool) override {}
};

// Installs a shell whose main window is a CRecordingWindow for its lifetime.
class CScopedRecordingShell final : public CGameShell {
public:
    CScopedRecordingShell() { SetShell(this); }
    ~CScopedRecordingShell() override { SetShell(nullptr); }
    void EndHand(HWND, int) override {}
    bool IsHandOver() const override { return false; }
    HWND MainWindow() const override { return const_cast<CRecordingWindow*>(&window); }
    CRecordingWindow window;
};

}  // namespace dicttest
