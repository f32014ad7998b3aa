#pragma once
// Driving the program's modal dialogs from tests: a callback that runs once the
// next modal dialog is up, and a window host that records what dialogs send it.
#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "framework/Window.h"

// Readable QString values in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace dialogtest {

// Runs `action` with the active modal dialog as soon as the event loop of the
// next exec() is running. Schedule it before the call that opens the dialog.
inline void WhenModal(std::function<void(QWidget*)> action)
{
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [action, poll] {
        if (QWidget* w = QApplication::activeModalWidget(); w && w->isVisible()) {
            action(w);
            *poll = nullptr;  // break the cycle
            return;
        }
        QTimer::singleShot(0, *poll);
    };
    QTimer::singleShot(0, *poll);
}

template <class T>
T* Child(QWidget* dialog, const char* name)
{
    return dialog->findChild<T*>(QString::fromLatin1(name));
}

inline void Click(QWidget* dialog, const char* buttonName)
{
    if (auto* b = Child<QAbstractButton>(dialog, buttonName))
        b->click();
}

// A window host without a screen: records commands, answers message boxes
// with a fixed reply, reports the colour depth it is given.
class RecordingWindow : public CWindow {
public:
    std::vector<int> sentCommands;
    std::vector<int> postedCommands;
    int closes = 0;
    int colorDepth = 32;
    int messageBoxAnswer = IDOK;

    RECT GetClientRect() const override { return {0, 0, 640, 480}; }
    int GetColorDepth() const override { return colorDepth; }
    void Invalidate(const RECT*, bool) override {}
    void UpdateWindow() override {}
    void Present(const std::uint32_t*, int, int, int, const RECT&) override {}
    void Sleep(int) override {}
    void SetTimer(unsigned, unsigned) override {}
    void KillTimer(unsigned) override {}
    void SetCapture() override {}
    void ReleaseCapture() override {}
    std::string GetTitle() const override { return m_title; }
    void SetTitle(const std::string& title) override { m_title = title; }
    int SendCommand(int id, int = 0) override
    {
        sentCommands.push_back(id);
        return 0;
    }
    void PostCommand(int id, int = 0) override { postedCommands.push_back(id); }
    void PostClose() override { ++closes; }
    int MessageBox(const std::string&, const std::string&, unsigned) override { return messageBoxAnswer; }
    void AddTool(unsigned, const RECT&, const std::string&) override {}
    void RemoveTool(unsigned) override {}
    void RemoveAllTools() override {}
    void ActivateTools(bool) override {}

private:
    std::string m_title;
};

}  // namespace dialogtest
