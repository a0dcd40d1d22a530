// The save prompt: a real dialog with the question, an edit box, OK and
// Cancel, which every Windows screen reader reads by itself. Enter is OK,
// Escape is Cancel. Built in memory, so the exe needs no resources. It runs
// no loop of its own: its messages come through processEvents with the
// window's, the window is disabled while it is open as under a modal dialog,
// and its answer goes to the game as the next event.
#include <windows.h>

#include <vector>

#include "host/windows/WindowsHost.h"
#include "host/windows/wideText.h"

namespace sonarch::windows {

namespace {
constexpr WORD editBox = 100;
constexpr WORD buttonClass = 0x0080, editClass = 0x0081, staticClass = 0x0082;

// A dialog template: words, with its parts aligned as Windows requires.
class DialogTemplate {
public:
    DialogTemplate(const std::wstring& title, WORD items, short width, short height) {
        dword(DS_MODALFRAME | DS_CENTER | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU);
        dword(0);
        words_.push_back(items);
        for (short n : {short(0), short(0), width, height}) words_.push_back(static_cast<WORD>(n));
        words_.push_back(0);  // no menu
        words_.push_back(0);  // the standard dialog class
        text(title);
        words_.push_back(9);
        text(L"Segoe UI");
    }
    void item(WORD kind, WORD id, DWORD style, short x, short y, short cx, short cy,
              const std::wstring& label) {
        while (words_.size() % 2 != 0) words_.push_back(0);
        dword(style | WS_CHILD | WS_VISIBLE);
        dword(0);
        for (short n : {x, y, cx, cy}) words_.push_back(static_cast<WORD>(n));
        words_.push_back(id);
        words_.push_back(0xFFFF);
        words_.push_back(kind);
        text(label);
        words_.push_back(0);  // no creation data
    }
    const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    void dword(DWORD value) {
        words_.push_back(LOWORD(value));
        words_.push_back(HIWORD(value));
    }
    void text(const std::wstring& value) {
        words_.insert(words_.end(), value.begin(), value.end());
        words_.push_back(0);
    }
    // WORDs start on a DWORD boundary from the allocator.
    std::vector<WORD> words_;
};

INT_PTR CALLBACK dialogProcedure(HWND dialog, UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(dialog, DWLP_USER, l);
        SetFocus(GetDlgItem(dialog, editBox));
        return FALSE;  // the focus is set
    case WM_COMMAND: {
        auto* host = reinterpret_cast<WindowsHost*>(GetWindowLongPtrW(dialog, DWLP_USER));
        if (LOWORD(w) == IDOK) {
            HWND edit = GetDlgItem(dialog, editBox);
            std::wstring typed(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
            typed.resize(static_cast<std::size_t>(
                GetWindowTextW(edit, typed.data(), static_cast<int>(typed.size()))));
            host->answerPrompt(narrow(typed));
            return TRUE;
        }
        if (LOWORD(w) == IDCANCEL) {
            host->answerPrompt(std::nullopt);
            return TRUE;
        }
        break;
    }
    default: break;
    }
    return FALSE;
}
}  // namespace

// The dialog speaks through the screen reader by itself, so the game's voice
// is not needed here.
void WindowsHost::askText(const std::string& prompt, Voice*) {
    DialogTemplate form(L"Save Game", 4, 200, 64);
    form.item(staticClass, 0xFFFF, SS_LEFT, 7, 7, 186, 10, widen(prompt));
    form.item(editClass, editBox, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 7, 20, 186, 14, L"");
    form.item(buttonClass, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 87, 42, 50, 14, L"OK");
    form.item(buttonClass, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 143, 42, 50, 14, L"Cancel");
    dialog_ = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), form.get(), window_, dialogProcedure,
                                         reinterpret_cast<LPARAM>(this));
    if (!dialog_) {
        // No dialog, no name: the game hears the prompt cancelled.
        keys_.answerPrompt(std::nullopt);
        return;
    }
    EnableWindow(window_, FALSE);
    ShowWindow(dialog_, SW_SHOW);
}

void WindowsHost::answerPrompt(std::optional<std::string> answer) {
    // The keys are the game's again; the window is enabled before the dialog
    // goes, so that Windows gives it the focus back.
    EnableWindow(window_, TRUE);
    DestroyWindow(dialog_);
    dialog_ = nullptr;
    SetForegroundWindow(window_);
    SetFocus(window_);
    keys_.answerPrompt(std::move(answer));
    // A Ctrl let go in the dialog must not leave a pause ended early.
    if (!(GetKeyState(VK_CONTROL) & 0x8000)) keys_.release({VK_CONTROL, 0});
}

}  // namespace sonarch::windows
