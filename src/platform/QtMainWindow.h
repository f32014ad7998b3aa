#pragma once
// The Qt side of the main window, for the platform layer, the dialogs and the
// tests that need the widgets themselves.
#include <QMainWindow>
#include <QImage>
#include <QPointer>
#include <QRegion>
#include <QTimer>
#include <map>
#include <memory>

#include "platform/MainWindow.h"

class QEventLoop;
class CClientWidget;
struct CScreenSource;

class CQtMainWindow final : public QMainWindow, public CMainWindow {
public:
    CQtMainWindow(CWindowProc& proc, const std::string& title, const RECT& normal);
    ~CQtMainWindow() override;

    // CWindow
    RECT GetClientRect() const override;  // in device pixels
    double DevicePixelRatio() const override;
    int GetColorDepth() const override;
    void Invalidate(const RECT* rect, bool erase) override;
    void UpdateWindow() override;
    void Present(const std::uint32_t* pixels, int stride, int width, int height, const RECT& rect) override;
    void Sleep(int milliseconds) override;
    bool InputWaiting() const override;
    void ShowRefusal() override;
    void SetTimer(unsigned id, unsigned milliseconds) override;
    void KillTimer(unsigned id) override;
    void SetCapture() override;
    void ReleaseCapture() override;
    std::string GetTitle() const override;
    void SetTitle(const std::string& title) override;
    int SendCommand(int id, int code) override;
    void PostCommand(int id, int code) override;
    void PostClose() override;
    int MessageBox(const std::string& text, const std::string& caption, unsigned style) override;
    void AddTool(unsigned id, const RECT& rect, const std::string& text) override;
    void RemoveTool(unsigned id) override;
    void RemoveAllTools() override;
    void ActivateTools(bool active) override;

    // CMainWindow
    void SetMenu(const std::vector<MenuPopup>& menu) override;
    void EnableMenuItem(int id, bool enabled) override;
    void SetAccelerators(const std::vector<Accelerator>& table) override;
    bool TranslateAccelerator(int virtualKey, unsigned modifiers) override;
    void Show(bool maximized) override;
    WindowPlacement GetPlacement() const override;
    void SetClientSize(int width, int height) override;
    int RunMessageLoop() override;
    void ProcessPending() override;
    bool IsClosed() const override { return m_closed; }
    void UseManualClock() override;
    void AdvanceClock(int milliseconds) override;
    bool FireTimer(unsigned id) override;
    bool IsTimerSet(unsigned id) const override;
    unsigned TimerPeriod(unsigned id) const override;
    std::string ShownTooltip() const override { return m_shownTip; }
    int DirectPresentCount() const override { return m_directPresents; }
    long long AnimationTime() const override { return m_animationTime; }
    void SetScriptedInputWaiting(int events) override;
    bool SaveScreenshot(const std::string& path, bool clientOnly) const override;

    QWidget* ClientWidget() const;
    // For the soak test: the tooltip rectangles the game registered, and how
    // often a present reached outside the client area or the pixels given
    // (the last such rectangle in `last`).
    std::vector<RECT> ToolRects() const;
    int StrayPresentCount(RECT* last = nullptr) const;
    const QImage& ScreenImage() const;

    // A back buffer's present: the screen shows those pixels of the source
    // from now on, without copying them (see CScreenSource).
    void PresentSource(CScreenSource& source, const RECT& rect);
    // For CScreenSource: its pixels in `area` are about to change, or all of
    // them are going away.
    bool WatchesSource(const CScreenSource& source) const;
    void SourceWillChange(CScreenSource& source, const QRect& area);
    void ForgetSource(CScreenSource& source);

    // Called by the client widget.
    void ClientPaint(QPaintEvent* event);
    void ClientResized(int width, int height);
    void ClientMouse(MouseMessage message, QMouseEvent* event);
    void ClientKey(QKeyEvent* event);

protected:
    void closeEvent(QCloseEvent* event) override;
    void customEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Timer {
        unsigned period = 0;
        long long due = 0;               // manual clock only
        std::unique_ptr<QTimer> qtimer;  // real clock only
    };
    struct Tool {
        RECT rect;
        std::string text;
    };

    void DeliverPaint();
    void NotePresented(const QRect& area);
    qreal PixelRatio() const;
    QRect ToLogical(const QRect& device) const;
    QRect DeviceClientRect() const;
    void CopyFromSource(const QRegion& region) const;
    void DeliverTimer(unsigned id);
    void AfterMessage();
    void RelayToTooltips(MouseMessage message, int x, int y);
    void ShowTooltipNow();
    void HideTooltip();

    void NoteNormalPlacement();

    CWindowProc& m_proc;
    CClientWidget* m_client = nullptr;
    // Where the window stood when last neither maximized nor full screen: the
    // frame's outer corner (what a window manager places) and the size
    // inside the frame.
    QPoint m_normalCorner;
    QSize m_normalSize;
    // What the client area shows: m_screen, except in m_sourceArea, where it
    // shows m_source's pixels.
    mutable QImage m_screen;
    CScreenSource* m_source = nullptr;
    mutable QRegion m_sourceArea;
    QRect m_invalid;
    bool m_paintPending = false;
    bool m_erasePending = false;
    bool m_delivering = false;  // the game is painting: presents are collected
    QRect m_deliveredRect;
    int m_directPresents = 0;
    int m_strayPresents = 0;
    RECT m_lastStrayPresent{};

    std::map<unsigned, Timer> m_timers;
    bool m_manualClock = false;
    long long m_now = 0;
    long long m_animationTime = 0;
    int m_scriptedInputWaiting = 0;

    std::vector<Accelerator> m_accelerators;
    std::map<unsigned, Tool> m_tools;
    bool m_toolsActive = true;
    unsigned m_hoverTool = 0;
    bool m_hovering = false;
    QPoint m_hoverPoint;
    QTimer m_tipDelay;
    std::string m_shownTip;

    // The refusal sign: a frame around the client area until this moment
    // (on the window's clock), 0 when none is shown.
    long long m_refusalUntil = 0;
    QTimer m_refusalTimer;
    long long Now() const;
    void EndRefusal();

    bool m_closed = false;
    QPointer<QEventLoop> m_loop;
};
