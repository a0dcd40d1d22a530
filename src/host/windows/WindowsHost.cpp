#include "host/windows/WindowsHost.h"

#include <stdexcept>

#include "host/windows/keyMapping.h"
#include "host/windows/wideText.h"
#include "host/windows/windowsVoices.h"

namespace sonarch::windows {

namespace {
constexpr const wchar_t* windowClass = L"SonarchWindow";
constexpr UINT_PTR pauseTimer = 1;
// Posted from the connection's thread when the server has sent something.
constexpr UINT serverMessage = WM_APP + 1;
// Online, the loop comes round at least this often, for the connection's
// own timers (trying again, the keep-alive).
constexpr DWORD onlineRoundMilliseconds = 1000;

bool isDown(int virtualKey) { return (GetKeyState(virtualKey) & 0x8000) != 0; }
}  // namespace

WindowsHost::WindowsHost(std::string speech) : speech_(std::move(speech)) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW kind{};
    kind.cbSize = sizeof kind;
    kind.lpfnWndProc = procedure;
    kind.hInstance = instance;
    kind.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    kind.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
    kind.lpszClassName = windowClass;
    RegisterClassExW(&kind);
    // A fixed size: the picture has one.
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame{0, 0, GdiPicture::width, GdiPicture::height};
    AdjustWindowRect(&frame, style, FALSE);
    window_ = CreateWindowExW(0, windowClass, L"Sonarch", style, CW_USEDEFAULT, CW_USEDEFAULT,
                              frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                              instance, this);
    if (!window_) throw std::runtime_error("Windows made no window (error " +
                                           std::to_string(GetLastError()) + ")");
    ShowWindow(window_, SW_SHOWNORMAL);
    SetForegroundWindow(window_);
    UpdateWindow(window_);
}

WindowsHost::~WindowsHost() {
    stopTimer();
    DestroyWindow(window_);
}

std::unique_ptr<Voice> WindowsHost::createVoice() { return openNamedVoice(windowsVoices(window_), speech_); }

void WindowsHost::setCaption(const std::string& text) { SetWindowTextW(window_, widen(text).c_str()); }

void WindowsHost::startTimer(int milliseconds) {
    stopTimer();
    if (milliseconds <= 0) return;
    timerRunning_ = SetTimer(window_, pauseTimer, static_cast<UINT>(milliseconds), nullptr) != 0;
}

void WindowsHost::stopTimer() {
    if (timerRunning_) KillTimer(window_, pauseTimer);
    timerRunning_ = false;
    tickDue_ = false;
}

std::string WindowsHost::goOnline(const OnlineAsk& ask) {
    return online_.connect(game_, ask, [this](Inbox& inbox) { attachInbox(inbox); });
}

void WindowsHost::attachInbox(Inbox& inbox) {
    inbox_ = &inbox;
    // A message wakes the wait for the window's messages as a key would.
    inbox.wakeWith([window = window_] { PostMessageW(window, serverMessage, 0, 0); });
}

void WindowsHost::processEvents() {
    // Keys typed while a move waits for the server's answer wait behind it.
    const bool holdKeys = inbox_ != nullptr && game_->awaitingServer();
    if (inbox_ != nullptr && !dialog_ && inbox_->deliver()) return;
    if (deliverOne(holdKeys)) return;
    // The game waits now: whatever it drew since the last wait is shown.
    if (picture_.takeChanged()) InvalidateRect(window_, nullptr, FALSE);
    // Sleeps until a message arrives; the pause's tick is one of them.
    MsgWaitForMultipleObjectsEx(0, nullptr, inbox_ != nullptr ? onlineRoundMilliseconds : INFINITE, QS_ALLINPUT,
                                MWMO_INPUTAVAILABLE);
    pumpMessages(holdKeys);
    if (closed_) throw WindowClosed{};
    deliverOne(holdKeys);
}

void WindowsHost::pumpMessages(bool holdKeys) {
    // Messages are read up to the first key or tick, so that a tick never
    // overtakes a key that came before it; keys held for the server's answer
    // wait in their queue while the rest is read, so the wait never finds
    // the queue still full.
    // While the save dialog is open every message is the dialog's or the
    // window's to handle, and the game waits for the answer.
    MSG message;
    while (!closed_ && (dialog_ || holdKeys || (keys_.empty() && !tickDue_)) &&
           PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        // The dialog moves between its parts, types and answers by itself.
        if (dialog_ && IsDialogMessageW(dialog_, &message)) continue;
        DispatchMessageW(&message);
    }
}

bool WindowsHost::deliverOne(bool holdKeys) {
    if (ended_ || closed_ || dialog_) return false;
    // A held key repeats as further presses, as the game expects.
    if (!holdKeys && keys_.deliverOne(*game_)) return true;
    if (!tickDue_) return false;
    tickDue_ = false;
    game_->tick();
    return true;
}

bool WindowsHost::queueKey(UINT message, WPARAM virtualKey) {
    const auto key = gameKey(message, virtualKey);
    if (!key) return false;
    const KeyStroke stroke{key->code, shiftMask(isDown(VK_SHIFT), isDown(VK_CONTROL), isDown(VK_MENU))};
    if (key->down) {
        keys_.press(stroke);
    } else {
        keys_.release(stroke);
    }
    return true;
}

LRESULT CALLBACK WindowsHost::procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(l);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* host = reinterpret_cast<WindowsHost*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!host || host->window_ != window) return DefWindowProcW(window, message, w, l);
    return host->handle(message, w, l);
}

LRESULT WindowsHost::handle(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case WM_SYSKEYDOWN:
        // Alt+F4 closes the window, as everywhere on Windows.
        if (w == VK_F4 && isDown(VK_MENU)) break;
        [[fallthrough]];
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
        // F10 and Alt are the game's, not the system menu's.
        queueKey(message, w);
        return 0;
    case WM_SYSCHAR:
    case WM_CHAR: return 0;
    case WM_SYSCOMMAND:
        if ((w & 0xFFF0) == SC_KEYMENU) return 0;
        break;
    case WM_TIMER:
        if (w != pauseTimer) break;
        // One tick a pause.
        KillTimer(window_, pauseTimer);
        tickDue_ = timerRunning_;
        timerRunning_ = false;
        return 0;
    case serverMessage: return 0;  // it woke the loop, which delivers it
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC target = BeginPaint(window_, &paint);
        picture_.paint(target);
        EndPaint(window_, &paint);
        return 0;
    }
    case WM_CLOSE:
        // Ends the program at once: the game leaves whatever it is doing.
        closed_ = true;
        ShowWindow(window_, SW_HIDE);
        return 0;
    default: break;
    }
    return DefWindowProcW(window_, message, w, l);
}

}  // namespace sonarch::windows
