#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QWindow>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QMoveEvent>
#include <QResizeEvent>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QThread>
#include <QToolTip>
#include <QUrl>
#include <algorithm>
#include <cmath>
#include <chrono>
#include <cstring>

#include "platform/Modal.h"
#include "platform/QtDrawing.h"
#include "platform/QtMainWindow.h"

// Qt's count of window-system events (input, exposes, moves) not yet
// delivered. Qt exports it for its own modules (symbol version
// Qt_6_PRIVATE_API) without installing the header that declares it.
// Weak, so that a Qt without it still starts: no input then ever counts as
// waiting, and flights simply run their course.
class QWindowSystemInterfacePrivate {
public:
    static qsizetype windowSystemEventsQueued() __attribute__((weak));
};

namespace {
constexpr int kTooltipDelayMs = 500;
constexpr int kMinimumClient = 256;
constexpr int kMinimumTimerMs = 10;

constexpr QEvent::Type kCommandEvent = static_cast<QEvent::Type>(QEvent::User + 1);
constexpr QEvent::Type kCloseEvent = static_cast<QEvent::Type>(QEvent::User + 2);

class CCommandEvent final : public QEvent {
public:
    CCommandEvent(int id, int code) : QEvent(kCommandEvent), id(id), code(code) {}
    int id;
    int code;
};

QRect ToQRect(const RECT& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

// The game draws and hears the mouse in device pixels, so at a device pixel
// ratio above 1 its tiles and text are as sharp as the screen; Qt places
// widgets, repaints and tooltips in logical pixels. A rectangle crossing
// over covers at least the pixels it covered.
QRect ScaledOut(const QRect& r, qreal by)
{
    if (by == 1.0 || r.isEmpty())
        return r;
    const int left = static_cast<int>(std::floor(r.left() * by));
    const int top = static_cast<int>(std::floor(r.top() * by));
    const int right = static_cast<int>(std::ceil((r.right() + 1) * by));
    const int bottom = static_cast<int>(std::ceil((r.bottom() + 1) * by));
    return QRect(left, top, right - left, bottom - top);
}

// The virtual-key code of a key press, 0 for keys the program does not know.
int VirtualKey(const QKeyEvent& e)
{
    const int key = e.key();
    const bool keypad = e.modifiers() & Qt::KeypadModifier;
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return (keypad ? int(VK_NUMPAD0) : int('0')) + (key - Qt::Key_0);
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return 'A' + (key - Qt::Key_A);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return VK_F1 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Backspace: return VK_BACK;
    case Qt::Key_Tab: case Qt::Key_Backtab: return VK_TAB;
    case Qt::Key_Return: case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Shift: return 0x10;
    case Qt::Key_Control: return 0x11;
    case Qt::Key_Alt: return 0x12;
    case Qt::Key_Pause: return 0x13;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_PageUp: return 0x21;
    case Qt::Key_PageDown: return 0x22;
    case Qt::Key_End: return 0x23;
    case Qt::Key_Home: return 0x24;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_Clear: return keypad ? VK_NUMPAD5 : 0x0C;
    case Qt::Key_Insert: return 0x2D;
    case Qt::Key_Delete: return VK_DELETE;
    case Qt::Key_Asterisk: return keypad ? 0x6A : 0;
    case Qt::Key_Plus: return keypad ? 0x6B : 0xBB;
    case Qt::Key_Minus: return keypad ? 0x6D : 0xBD;
    case Qt::Key_Period: return keypad ? 0x6E : 0xBE;
    case Qt::Key_Slash: return keypad ? 0x6F : VK_OEM_2;
    case Qt::Key_Question: return VK_OEM_2;
    case Qt::Key_Comma: return 0xBC;
    case Qt::Key_Semicolon: case Qt::Key_Colon: return 0xBA;
    default: return 0;
    }
}

unsigned Modifiers(Qt::KeyboardModifiers m)
{
    unsigned r = 0;
    if (m & Qt::ControlModifier) r |= ACCEL_CONTROL;
    if (m & Qt::AltModifier) r |= ACCEL_ALT;
    if (m & Qt::ShiftModifier) r |= ACCEL_SHIFT;
    return r;
}

unsigned KeyFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers mods)
{
    unsigned flags = 0;
    if (buttons & Qt::LeftButton) flags |= MK_LBUTTON;
    if (buttons & Qt::RightButton) flags |= MK_RBUTTON;
    if (mods & Qt::ShiftModifier) flags |= MK_SHIFT;
    if (mods & Qt::ControlModifier) flags |= MK_CONTROL;
    return flags;
}

bool DefaultOpener(const std::string& pathOrUrl)
{
    const QString s = QString::fromStdString(pathOrUrl);
    QUrl url(s);
    if (url.scheme().isEmpty() || QFileInfo(s).isAbsolute()) {
        if (!QFileInfo::exists(s))
            return false;
        url = QUrl::fromLocalFile(QFileInfo(s).absoluteFilePath());
    }
    return QDesktopServices::openUrl(url);
}
bool (*g_opener)(const std::string&) = DefaultOpener;
bool g_manualClockForNewWindows = false;
}  // namespace

void UseManualClockForNewWindows(bool on) { g_manualClockForNewWindows = on; }

// The client area: keeps nothing itself, hands everything to the window.
class CClientWidget final : public QWidget {
public:
    explicit CClientWidget(CQtMainWindow& owner) : m_owner(owner)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setMouseTracking(true);
        setFocusPolicy(Qt::StrongFocus);
        setMinimumSize(kMinimumClient, kMinimumClient);
    }

protected:
    void paintEvent(QPaintEvent* e) override { m_owner.ClientPaint(e); }
    void resizeEvent(QResizeEvent*) override
    {
        const RECT device = m_owner.GetClientRect();
        m_owner.ClientResized(device.Width(), device.Height());
    }
    void mouseMoveEvent(QMouseEvent* e) override { m_owner.ClientMouse(MouseMessage::Move, e); }
    void mousePressEvent(QMouseEvent* e) override
    {
        if (e->button() == Qt::LeftButton) m_owner.ClientMouse(MouseMessage::LButtonDown, e);
        else if (e->button() == Qt::RightButton) m_owner.ClientMouse(MouseMessage::RButtonDown, e);
    }
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        if (e->button() == Qt::LeftButton) m_owner.ClientMouse(MouseMessage::LButtonUp, e);
        else if (e->button() == Qt::RightButton) m_owner.ClientMouse(MouseMessage::RButtonUp, e);
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override
    {
        if (e->button() == Qt::LeftButton) m_owner.ClientMouse(MouseMessage::LButtonDblClk, e);
        else if (e->button() == Qt::RightButton) m_owner.ClientMouse(MouseMessage::RButtonDblClk, e);
    }
    void keyPressEvent(QKeyEvent* e) override { m_owner.ClientKey(e); }
    bool focusNextPrevChild(bool) override { return false; }  // Tab is a key like any other

private:
    CQtMainWindow& m_owner;
};

std::unique_ptr<CMainWindow> CMainWindow::Create(CWindowProc& proc, const std::string& title, const RECT& normal)
{
    return std::make_unique<CQtMainWindow>(proc, title, normal);
}

CQtMainWindow::CQtMainWindow(CWindowProc& proc, const std::string& title, const RECT& normal) : m_proc(proc)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    m_client = new CClientWidget(*this);
    setCentralWidget(m_client);
    SetTitle(title);
    // The stored corner is the frame's (move places the frame), so the title
    // bar lands where it was, on the screen.
    resize(normal.Width(), normal.Height());
    move(normal.left, normal.top);
    m_normalCorner = QPoint(normal.left, normal.top);
    m_normalSize = QSize(normal.Width(), normal.Height());
    m_refusalTimer.setSingleShot(true);
    QObject::connect(&m_refusalTimer, &QTimer::timeout, this, [this] { EndRefusal(); });
    m_tipDelay.setSingleShot(true);
    m_tipDelay.setInterval(kTooltipDelayMs);
    QObject::connect(&m_tipDelay, &QTimer::timeout, this, [this] { ShowTooltipNow(); });
    QObject::connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this] { m_proc.OnEndSession(); });
    if (g_manualClockForNewWindows)
        UseManualClock();
}

CQtMainWindow::~CQtMainWindow()
{
    m_timers.clear();
    if (m_source)
        m_source->shownOn = nullptr;
}

QWidget* CQtMainWindow::ClientWidget() const { return m_client; }

// ---- geometry and painting ----

qreal CQtMainWindow::PixelRatio() const { return m_client->devicePixelRatioF(); }

QRect CQtMainWindow::ToLogical(const QRect& device) const { return ScaledOut(device, 1.0 / PixelRatio()); }

QRect CQtMainWindow::DeviceClientRect() const
{
    const qreal s = PixelRatio();
    return QRect(0, 0, static_cast<int>(std::lround(m_client->width() * s)),
                 static_cast<int>(std::lround(m_client->height() * s)));
}

RECT CQtMainWindow::GetClientRect() const
{
    const QRect r = DeviceClientRect();
    return RECT{0, 0, r.width(), r.height()};
}

double CQtMainWindow::DevicePixelRatio() const { return PixelRatio(); }

int CQtMainWindow::GetColorDepth() const
{
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    return s ? s->depth() : 32;
}

void CQtMainWindow::Invalidate(const RECT* rect, bool erase)
{
    const QRect r = rect ? ToQRect(*rect).intersected(DeviceClientRect()) : DeviceClientRect();
    m_invalid = m_invalid.united(r);
    m_paintPending = true;
    m_erasePending = m_erasePending || erase;
    m_client->update(ToLogical(r));
}

void CQtMainWindow::UpdateWindow()
{
    if (!m_paintPending || m_delivering)
        return;
    m_deliveredRect = QRect();
    DeliverPaint();
    if (!m_deliveredRect.isEmpty() && m_client->isVisible())
        m_client->repaint(ToLogical(m_deliveredRect));
}

// WM_ERASEBKGND (when asked for) and WM_PAINT, delivered together.
void CQtMainWindow::DeliverPaint()
{
    const bool erase = m_erasePending;
    m_paintPending = false;
    m_erasePending = false;
    m_invalid = QRect();
    m_delivering = true;
    if (erase)
        m_proc.OnEraseBackground(nullptr);
    m_proc.OnPaint(nullptr);
    m_delivering = false;
}

void CQtMainWindow::ClientPaint(QPaintEvent* event)
{
    if (m_paintPending && !m_delivering) {
        m_deliveredRect = QRect();
        DeliverPaint();
    }
    QPainter painter(m_client);
    const qreal s = PixelRatio();
    const QRegion asked(ScaledOut(event->rect(), s));
    const QRegion fromSource = m_source ? asked.intersected(m_sourceArea) : QRegion();
    const auto draw = [&painter, s](const QRect& r, const QImage& image) {
        if (s == 1.0)
            painter.drawImage(r, image, r);
        else  // device pixels onto their logical place: one to one on the screen
            painter.drawImage(QRectF(r.x() / s, r.y() / s, r.width() / s, r.height() / s), image, QRectF(r));
    };
    for (const QRect& r : asked.subtracted(fromSource))
        draw(r, m_screen);
    for (const QRect& r : fromSource)
        draw(r, m_source->image);
    if (m_refusalUntil != 0) {
        // The frame inverts what lies under it, so it shows on every background.
        const int t = std::max(4, std::min(m_client->width(), m_client->height()) / 100);
        const QRect all = m_client->rect();
        const QRegion frame = QRegion(all).subtracted(QRegion(all.adjusted(t, t, -t, -t)));
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        for (const QRect& r : frame.intersected(event->rect()))
            painter.fillRect(r, Qt::white);
    }
    painter.end();
    // What the game drew outside the area Qt asked for still has to reach the screen.
    if (!m_deliveredRect.isEmpty() && !event->rect().contains(ToLogical(m_deliveredRect)))
        m_client->update(ToLogical(m_deliveredRect));
    m_deliveredRect = QRect();
}

// After a present of `area`: collected while a paint is delivered, on screen
// at once otherwise (a flight, a click's redraw).
void CQtMainWindow::NotePresented(const QRect& area)
{
    if (m_delivering) {
        m_deliveredRect = m_deliveredRect.united(area);
        return;
    }
    ++m_directPresents;
    if (m_client->isVisible())
        m_client->repaint(ToLogical(area));
}

void CQtMainWindow::Present(const std::uint32_t* pixels, int stride, int width, int height, const RECT& rect)
{
    if (!pixels)
        return;
    const QRect area = ToQRect(rect).intersected(QRect(0, 0, width, height)).intersected(m_screen.rect());
    if (area != ToQRect(rect) && rect.right > rect.left && rect.bottom > rect.top) {
        ++m_strayPresents;
        m_lastStrayPresent = rect;
    }
    if (area.isEmpty())
        return;
    m_sourceArea -= area;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* src = reinterpret_cast<const std::uint32_t*>(reinterpret_cast<const char*>(pixels) +
                                                                  static_cast<std::ptrdiff_t>(y) * stride);
        auto* dst = reinterpret_cast<std::uint32_t*>(m_screen.scanLine(y));
        for (int x = area.left(); x <= area.right(); ++x)
            dst[x] = src[x] | 0xFF000000u;
    }
    NotePresented(area);
}

void CQtMainWindow::PresentSource(CScreenSource& source, const RECT& rect)
{
    const QImage& image = source.image;
    const QRect area = ToQRect(rect).intersected(image.rect()).intersected(m_screen.rect());
    if (area != ToQRect(rect) && rect.right > rect.left && rect.bottom > rect.top) {
        ++m_strayPresents;
        m_lastStrayPresent = rect;
    }
    if (area.isEmpty())
        return;
    if (m_source != &source) {
        if (m_source)
            ForgetSource(*m_source);
        if (source.shownOn)
            source.shownOn->ForgetSource(source);
        m_source = &source;
        source.shownOn = this;
    }
    m_sourceArea += area;
    NotePresented(area);
}

void CQtMainWindow::CopyFromSource(const QRegion& region) const
{
    if (!m_source || region.isEmpty())
        return;
    const QImage& image = m_source->image;
    for (const QRect& r : region.intersected(image.rect()).intersected(m_screen.rect())) {
        const std::size_t bytes = static_cast<std::size_t>(r.width()) * sizeof(QRgb);
        for (int y = r.top(); y <= r.bottom(); ++y)
            std::memcpy(reinterpret_cast<QRgb*>(m_screen.scanLine(y)) + r.left(),
                        reinterpret_cast<const QRgb*>(image.constScanLine(y)) + r.left(), bytes);
    }
}

bool CQtMainWindow::WatchesSource(const CScreenSource& source) const
{
    // A paint being delivered presents what it draws: nothing to keep.
    return &source == m_source && !m_delivering && !m_sourceArea.isEmpty();
}

void CQtMainWindow::SourceWillChange(CScreenSource& source, const QRect& area)
{
    if (!WatchesSource(source))
        return;
    const QRegion changing = m_sourceArea.intersected(area);
    if (changing.isEmpty())
        return;
    CopyFromSource(changing);
    m_sourceArea -= changing;
}

void CQtMainWindow::ForgetSource(CScreenSource& source)
{
    if (&source != m_source)
        return;
    CopyFromSource(m_sourceArea);
    m_sourceArea = QRegion();
    m_source = nullptr;
    source.shownOn = nullptr;
}

const QImage& CQtMainWindow::ScreenImage() const
{
    CopyFromSource(m_sourceArea);  // the same pixels in both from now on
    return m_screen;
}

CScreenSource::~CScreenSource()
{
    if (shownOn)
        shownOn->ForgetSource(*this);
}

bool CScreenSource::WritesWatched() const { return shownOn && shownOn->WatchesSource(*this); }

void CScreenSource::BeforeWrite(const QRect& area)
{
    if (shownOn && !area.isEmpty())
        shownOn->SourceWillChange(*this, area);
}

void CScreenSource::BeforeReplace()
{
    if (shownOn)
        shownOn->ForgetSource(*this);
}

std::vector<RECT> CQtMainWindow::ToolRects() const
{
    std::vector<RECT> rects;
    for (const auto& [id, tool] : m_tools)
        rects.push_back(tool.rect);
    return rects;
}

int CQtMainWindow::StrayPresentCount(RECT* last) const
{
    if (last)
        *last = m_lastStrayPresent;
    return m_strayPresents;
}

void CQtMainWindow::ClientResized(int width, int height)
{
    if (width != m_screen.width() || height != m_screen.height()) {
        CopyFromSource(m_sourceArea);
        m_sourceArea &= QRect(0, 0, width, height);
        QImage screen(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
        screen.fill(Qt::black);
        if (!m_screen.isNull()) {
            QPainter p(&screen);
            p.drawImage(0, 0, m_screen);
        }
        m_screen = screen;
    }
    const int sizeType = isMaximized() ? SIZE_MAXIMIZED : SIZE_RESTORED;
    m_proc.OnSize(sizeType, static_cast<std::int16_t>(width), static_cast<std::int16_t>(height));
    // The window class redraws everything on every size change.
    Invalidate(nullptr, true);
    AfterMessage();
}

// A refused action's frame stays up this long.
constexpr int kRefusalMs = 300;

long long CQtMainWindow::Now() const
{
    if (m_manualClock)
        return m_now;
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void CQtMainWindow::ShowRefusal()
{
    m_refusalUntil = Now() + kRefusalMs;
    if (!m_manualClock)
        m_refusalTimer.start(kRefusalMs);
    // At once, as a flight is: the handler that refused may still be running.
    if (m_client->isVisible())
        m_client->repaint();
}

void CQtMainWindow::EndRefusal()
{
    m_refusalUntil = 0;
    m_client->update();
}

bool CQtMainWindow::InputWaiting() const
{
    // Input the platform has read lands in Qt's queue of window-system events
    // and is handed out one event at a time: while one key is handled, the
    // keys typed after it are there.
    if (m_scriptedInputWaiting > 0)
        return true;
    auto* queued = &QWindowSystemInterfacePrivate::windowSystemEventsQueued;
    return queued != nullptr && queued() > 0;
}

void CQtMainWindow::SetScriptedInputWaiting(int events) { m_scriptedInputWaiting = events; }

void CQtMainWindow::Sleep(int milliseconds)
{
    if (milliseconds <= 0)
        return;
    if (m_manualClock) {
        m_animationTime += milliseconds;
        return;
    }
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}

void CQtMainWindow::SetClientSize(int width, int height)
{
    const int w = std::max(width, kMinimumClient), h = std::max(height, kMinimumClient);
    if (isMaximized())
        showNormal();
    const int menu = menuBar() ? menuBar()->sizeHint().height() : 0;
    resize(w, h + menu);
    ProcessPending();
    if (m_client->width() != w || m_client->height() != h)
        resize(width + (this->width() - m_client->width()), h + (this->height() - m_client->height()));
}

// ---- timers ----

// A timer may be killed from inside its own tick: its QTimer goes later.
static void DropQtTimer(std::unique_ptr<QTimer>& timer)
{
    if (timer) {
        timer->stop();
        timer.release()->deleteLater();
    }
}


void CQtMainWindow::SetTimer(unsigned id, unsigned milliseconds)
{
    Timer& t = m_timers[id];
    t.period = std::max<unsigned>(milliseconds, kMinimumTimerMs);
    if (m_manualClock) {
        DropQtTimer(t.qtimer);
        t.due = m_now + t.period;
        return;
    }
    if (!t.qtimer) {
        t.qtimer = std::make_unique<QTimer>();
        QObject::connect(t.qtimer.get(), &QTimer::timeout, this, [this, id] { DeliverTimer(id); });
    }
    t.qtimer->start(static_cast<int>(t.period));
}

void CQtMainWindow::KillTimer(unsigned id)
{
    const auto it = m_timers.find(id);
    if (it == m_timers.end())
        return;
    DropQtTimer(it->second.qtimer);
    m_timers.erase(it);
}

bool CQtMainWindow::IsTimerSet(unsigned id) const { return m_timers.count(id) != 0; }

unsigned CQtMainWindow::TimerPeriod(unsigned id) const
{
    const auto it = m_timers.find(id);
    return it == m_timers.end() ? 0 : it->second.period;
}

void CQtMainWindow::DeliverTimer(unsigned id)
{
    m_proc.OnTimer(id);
    AfterMessage();
}

bool CQtMainWindow::FireTimer(unsigned id)
{
    if (!IsTimerSet(id))
        return false;
    DeliverTimer(id);
    return true;
}

void CQtMainWindow::UseManualClock()
{
    m_manualClock = true;
    m_tipDelay.stop();
    for (auto& [id, t] : m_timers) {
        DropQtTimer(t.qtimer);
        t.due = m_now + t.period;
    }
}

void CQtMainWindow::AdvanceClock(int milliseconds)
{
    const long long end = m_now + std::max(milliseconds, 0);
    for (;;) {
        // The earliest due timer (the lower id first on a tie).
        auto next = m_timers.end();
        for (auto it = m_timers.begin(); it != m_timers.end(); ++it)
            if (it->second.due <= end && (next == m_timers.end() || it->second.due < next->second.due))
                next = it;
        if (next == m_timers.end())
            break;
        const unsigned id = next->first;
        m_now = std::max(m_now, next->second.due);
        next->second.due += next->second.period;
        DeliverTimer(id);
        ProcessPending();
        if (m_closed)
            return;
    }
    m_now = end;
    if (m_refusalUntil != 0 && m_now >= m_refusalUntil)
        EndRefusal();
}

// ---- mouse, keys and the tooltip control ----

void CQtMainWindow::ClientMouse(MouseMessage message, QMouseEvent* event)
{
    const QPoint p = (event->position() * PixelRatio()).toPoint();
    RelayToTooltips(message, p.x(), p.y());
    const unsigned flags = KeyFlags(event->buttons(), event->modifiers());
    if (message == MouseMessage::Move)
        m_proc.OnMouse(message, static_cast<std::int16_t>(p.x()), static_cast<std::int16_t>(p.y()), flags);
    else  // button messages carry their coordinates as unsigned 16-bit values
        m_proc.OnMouse(message, static_cast<std::uint16_t>(p.x()), static_cast<std::uint16_t>(p.y()), flags);
    AfterMessage();
}

void CQtMainWindow::ClientKey(QKeyEvent* event)
{
    const int vk = VirtualKey(*event);
    const unsigned mods = Modifiers(event->modifiers());
    if (vk && TranslateAccelerator(vk, mods)) {
        AfterMessage();
        return;
    }
    if (vk)
        m_proc.OnKeyDown(vk);
    // The character messages the key makes; Alt combinations make none.
    if (!(mods & ACCEL_ALT)) {
        const QByteArray text = event->text().toLatin1();
        for (const char c : text)
            if (c != 0)
                m_proc.OnChar(static_cast<unsigned char>(c));
    }
    AfterMessage();
}

void CQtMainWindow::RelayToTooltips(MouseMessage message, int x, int y)
{
    if (message != MouseMessage::Move) {
        HideTooltip();
        return;
    }
    unsigned tool = 0;
    bool found = false;
    if (m_toolsActive)
        for (const auto& [id, t] : m_tools)
            if (PointInRect(t.rect, x, y)) {
                tool = id;
                found = true;
                break;
            }
    m_hoverPoint = QPoint(x, y);
    if (found == m_hovering && tool == m_hoverTool)
        return;
    HideTooltip();
    m_hovering = found;
    m_hoverTool = tool;
    if (!found)
        return;
    if (m_manualClock)
        ShowTooltipNow();
    else
        m_tipDelay.start();
}

void CQtMainWindow::ShowTooltipNow()
{
    const auto it = m_tools.find(m_hoverTool);
    if (!m_hovering || !m_toolsActive || it == m_tools.end())
        return;
    m_shownTip = it->second.text;
    QToolTip::showText(m_client->mapToGlobal(ToLogical(QRect(m_hoverPoint, QSize(1, 1))).topLeft()),
                       QString::fromLatin1(m_shownTip.c_str()), m_client, ToLogical(ToQRect(it->second.rect)));
}

void CQtMainWindow::HideTooltip()
{
    m_tipDelay.stop();
    m_hovering = false;
    if (!m_shownTip.empty()) {
        m_shownTip.clear();
        QToolTip::hideText();
    }
}

void CQtMainWindow::AddTool(unsigned id, const RECT& rect, const std::string& text)
{
    m_tools[id] = Tool{rect, text};
}

void CQtMainWindow::RemoveTool(unsigned id)
{
    m_tools.erase(id);
    if (m_hovering && m_hoverTool == id)
        HideTooltip();
}

void CQtMainWindow::RemoveAllTools()
{
    m_tools.clear();
    HideTooltip();
}

void CQtMainWindow::ActivateTools(bool active)
{
    m_toolsActive = active;
    if (!active)
        HideTooltip();
}

void CQtMainWindow::SetCapture() { m_client->grabMouse(); }
void CQtMainWindow::ReleaseCapture() { m_client->releaseMouse(); }

// ---- title, commands, message boxes ----

std::string CQtMainWindow::GetTitle() const { return windowTitle().toLatin1().toStdString(); }
void CQtMainWindow::SetTitle(const std::string& title) { setWindowTitle(QString::fromLatin1(title.c_str())); }

int CQtMainWindow::SendCommand(int id, int code)
{
    const int result = m_proc.OnCommand(id, code);
    return result;
}

void CQtMainWindow::PostCommand(int id, int code) { QCoreApplication::postEvent(this, new CCommandEvent(id, code)); }

void CQtMainWindow::PostClose()
{
    QCoreApplication::postEvent(this, new QEvent(kCloseEvent));
}

void CQtMainWindow::customEvent(QEvent* event)
{
    if (event->type() == kCommandEvent) {
        const auto* c = static_cast<CCommandEvent*>(event);
        m_proc.OnCommand(c->id, c->code);
        AfterMessage();
    } else if (event->type() == kCloseEvent && !m_closed) {
        close();
    }
}

int CQtMainWindow::MessageBox(const std::string& text, const std::string& caption, unsigned style)
{
    return ShowMessageBox(this, text, caption, style);
}

void CQtMainWindow::AfterMessage()
{
    if (!m_closed)
        m_proc.OnIdle();
}

// ---- menu and accelerators ----

void CQtMainWindow::SetMenu(const std::vector<MenuPopup>& menu)
{
    menuBar()->clear();
    for (const MenuPopup& popup : menu) {
        QMenu* m = menuBar()->addMenu(QString::fromLatin1(popup.title));
        QObject::connect(m, &QMenu::aboutToShow, this, [this] { m_proc.OnInitMenuPopup(); });
        for (const MenuItem& item : popup.items) {
            if (item.id == 0) {
                m->addSeparator();
                continue;
            }
            QAction* a = m->addAction(QString::fromLatin1(item.text));
            a->setData(item.id);
            a->setEnabled(!item.grayed);
            const int id = item.id;
            QObject::connect(a, &QAction::triggered, this, [this, id] {
                m_proc.OnCommand(id, 0);
                AfterMessage();
            });
        }
    }
}

void CQtMainWindow::EnableMenuItem(int id, bool enabled)
{
    for (QAction* top : menuBar()->actions())
        if (QMenu* m = top->menu())
            for (QAction* a : m->actions())
                if (!a->isSeparator() && a->data().toInt() == id)
                    a->setEnabled(enabled);
}

void CQtMainWindow::SetAccelerators(const std::vector<Accelerator>& table) { m_accelerators = table; }

bool CQtMainWindow::TranslateAccelerator(int virtualKey, unsigned modifiers)
{
    for (const Accelerator& a : m_accelerators) {
        if (a.virtualKey == virtualKey && a.modifiers == modifiers) {
            m_proc.OnCommand(a.command, 1);  // notification code 1: from an accelerator
            return true;
        }
    }
    return false;
}

// ---- showing, placement, the loop ----

void CQtMainWindow::Show(bool maximized)
{
    if (maximized)
        showMaximized();
    else
        showNormal();
    activateWindow();
    m_client->setFocus();
    // A window manager maps, places and maximizes a new window a moment
    // later. Dialogs opened at start-up (a warning, the chooser) centre on the
    // window, so wait for it to be on screen where it belongs (briefly: a
    // manager that never answers costs a quarter of a second).
    QElapsedTimer waited;
    waited.start();
    const auto placed = [&] {
        return windowHandle() && windowHandle()->isExposed() && (!maximized || isMaximized());
    };
    while (!placed() && waited.elapsed() < 250)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
}

void CQtMainWindow::NoteNormalPlacement()
{
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized))
        return;
    m_normalCorner = frameGeometry().topLeft();
    m_normalSize = size();
}

void CQtMainWindow::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    NoteNormalPlacement();
}

void CQtMainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    NoteNormalPlacement();
}

WindowPlacement CQtMainWindow::GetPlacement() const
{
    WindowPlacement p;
    p.maximized = isMaximized();
    const bool normal = !(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized));
    const QPoint corner = normal ? frameGeometry().topLeft() : m_normalCorner;
    const QSize size = normal ? this->size() : m_normalSize;
    p.normal = RECT{corner.x(), corner.y(), corner.x() + size.width(), corner.y() + size.height()};
    return p;
}

void CQtMainWindow::closeEvent(QCloseEvent* event)
{
    // WM_CLOSE: the shell stores the placement and settings, then the window goes.
    m_proc.OnClose();
    HideTooltip();
    for (auto& [id, t] : m_timers)
        DropQtTimer(t.qtimer);
    m_timers.clear();
    m_closed = true;
    event->accept();
    if (m_loop)
        m_loop->exit(0);
}

int CQtMainWindow::RunMessageLoop()
{
    if (m_closed)
        return 0;
    QEventLoop loop;
    m_loop = &loop;
    const int code = loop.exec();
    m_loop = nullptr;
    return code;
}

void CQtMainWindow::ProcessPending()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

bool CQtMainWindow::SaveScreenshot(const std::string& path, bool clientOnly) const
{
    const QPixmap picture = clientOnly ? m_client->grab() : const_cast<CQtMainWindow*>(this)->grab();
    return picture.save(QString::fromStdString(path), "PNG");
}

// ---- desktop ----

int ScreenWidth()
{
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry().width() : 1024;
}

int ScreenHeight()
{
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry().height() : 768;
}

int IconSize() { return QApplication::style() ? QApplication::style()->pixelMetric(QStyle::PM_LargeIconSize) : 32; }

bool OpenDocument(const std::string& pathOrUrl) { return g_opener(pathOrUrl); }
void SetDocumentOpener(bool (*opener)(const std::string&)) { g_opener = opener ? opener : DefaultOpener; }
