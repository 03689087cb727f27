#include "widgets/text/voTextBox.h"

#include <richedit.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "control/Clipboard.h"

namespace {

constexpr DWORD kEditorStyle =
    WS_CHILD | WS_VISIBLE | ES_DISABLENOSCROLL | ES_WANTRETURN | ES_AUTOVSCROLL | ES_MULTILINE;
constexpr int kInitialSize = 100;
constexpr int kFontHeight = 15;
constexpr UINT kPlainTextCodePage = 1200;  // UTF-16
// The sunken look and the edges MakeFlat takes away.
constexpr LONG_PTR kSunkenStyle = 0x4000;
constexpr LONG_PTR kEdgeStyles = WS_EX_STATICEDGE | WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME;

// A library loaded for as long as the holder lives.
class LoadedLibrary {
public:
    explicit LoadedLibrary(const wchar_t* name) : module_(LoadLibraryW(name)) {}
    ~LoadedLibrary() {
        if (module_ != nullptr) FreeLibrary(module_);
    }
    LoadedLibrary(const LoadedLibrary&) = delete;
    LoadedLibrary& operator=(const LoadedLibrary&) = delete;
    HMODULE Get() const { return module_; }

private:
    HMODULE module_;
};

bool CtrlHeld() { return GetKeyState(VK_CONTROL) < 0; }

}  // namespace

HMODULE voTextBox::RichEditLibrary() {
    static const LoadedLibrary library(L"riched20.dll");
    return library.Get();
}

voTextBox::voTextBox(HWND parent, std::uint16_t identifier)
    : voAbstractControl(parent, identifier, WS_CHILD | WS_TABSTOP), contextMenu(moduleInstance) {
    kind = vo::kTextBoxKindCode;
    accessibleName = L"Text box";
    RichEditLibrary();
    richEdit =
        CreateWindowExW(0, L"RichEdit20W", L"", kEditorStyle, vo::kTextBoxInset, vo::kTextBoxInset,
                        kInitialSize - 2 * vo::kTextBoxInset, kInitialSize - 2 * vo::kTextBoxInset,
                        ownWindow, nullptr, moduleInstance, nullptr);
    if (richEdit != nullptr) {
        SendMessageW(richEdit, EM_SETTEXTMODE, TM_PLAINTEXT | TM_MULTILEVELUNDO, 0);
        // Changes are told by EN_CHANGE, sent once per change of the text:
        // EN_UPDATE comes before every repaint, changed or not.
        SendMessageW(richEdit, EM_SETEVENTMASK, 0, ENM_KEYEVENTS | ENM_MOUSEEVENTS | ENM_CHANGE);
    }
    SetFont(L"Tahoma", kFontHeight);
    SetSize(kInitialSize, kInitialSize);

    messageMap.Insert(WM_PAINT, &voTextBox::OnPaint);
    messageMap.Insert(WM_NOTIFY, &voTextBox::OnNotify);
    messageMap.Insert(WM_COMMAND, &voTextBox::OnCommand);
    messageMap.Insert(WM_TIMER, &voTextBox::OnTimer);
    messageMap.Insert(WM_SETFOCUS, &voTextBox::OnSetFocus);
}

voTextBox::~voTextBox() {
    if (richEdit == nullptr) return;
    if (editorCalls == 0) {
        DestroyWindow(richEdit);
        return;
    }
    // Deleted from inside a call of the editor's own (its notification
    // reached the parent): destroying it now would pull its state from under
    // that call. It leaves this window and goes once the call has returned.
    ShowWindow(richEdit, SW_HIDE);
    SetParent(richEdit, HWND_MESSAGE);
    PostMessageW(richEdit, WM_CLOSE, 0, 0);
}

LRESULT voTextBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return Route(messageMap, message, wParam, lParam);
}

// --- Geometry, colours, font, text ---------------------------------------------------

bool voTextBox::SetSize(int newWidth, int newHeight) {
    const bool sized = voAbstractControl::SetSize(newWidth, newHeight);
    const vo::InnerSize inner = vo::TextBoxEditorSize(width, height);
    if (richEdit != nullptr)
        SetWindowPos(richEdit, nullptr, 0, 0, inner.width, inner.height,
                     SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE);
    return sized;
}

void voTextBox::SetBackgroundColor(COLORREF colour) {
    backgroundColour = colour;
    backgroundBrush.Reset(CreateSolidBrush(colour));
    if (richEdit != nullptr) SendMessageW(richEdit, EM_SETBKGNDCOLOR, 0, colour);
    Redraw(false);
}

bool voTextBox::LoadBackground(const std::wstring& resourceName, int bitmapWidth,
                               int bitmapHeight) {
    const bool loaded = voAbstractControl::LoadBackground(resourceName, bitmapWidth, bitmapHeight);
    UsePatternBrush();
    return loaded;
}

void voTextBox::SetBackground(HBITMAP bitmap) {
    voAbstractControl::SetBackground(bitmap);
    UsePatternBrush();
}

void voTextBox::UsePatternBrush() {
    backgroundBrush.Reset(backgroundBitmap ? CreatePatternBrush(backgroundBitmap.Get()) : nullptr);
    Redraw(false);
}

void voTextBox::SetFont(const std::wstring& face, int fontHeight) {
    font.face = face;
    font.height = fontHeight;
    font.weight = FW_NORMAL;
    font.angle = 0;
    font.italic = false;
    Font made = CreateCaptionFont(font);
    if (richEdit != nullptr)
        SendMessageW(richEdit, WM_SETFONT, reinterpret_cast<WPARAM>(made.Get()), TRUE);
    // The old font goes only once the editor has the new one.
    editorFont = std::move(made);
}

void voTextBox::SetForegroundColor(COLORREF colour) {
    textColour = colour;
    CHARFORMAT2W format{};
    format.cbSize = sizeof(format);
    format.dwMask = CFM_COLOR;
    format.crTextColor = colour;
    if (richEdit != nullptr)
        SendMessageW(richEdit, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
}

void voTextBox::SetText(const std::wstring& text) {
    if (richEdit == nullptr) return;
    notifyChanges = false;
    SETTEXTEX how{ST_DEFAULT, kPlainTextCodePage};
    SendMessageW(richEdit, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&how),
                 reinterpret_cast<LPARAM>(text.c_str()));
    notifyChanges = true;
}

int voTextBox::TextLength() const {
    GETTEXTLENGTHEX how{GTL_DEFAULT, kPlainTextCodePage};
    const LRESULT length =
        SendMessageW(richEdit, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&how), 0);
    return length > 0 ? static_cast<int>(length) : 0;
}

std::wstring voTextBox::GetText() const {
    if (richEdit == nullptr) return std::wstring();
    std::vector<wchar_t> buffer(static_cast<std::size_t>(TextLength()) + 1, L'\0');
    GETTEXTEX how{static_cast<DWORD>(buffer.size() * sizeof(wchar_t)), GT_DEFAULT,
                  kPlainTextCodePage, nullptr, nullptr};
    const LRESULT copied = SendMessageW(richEdit, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&how),
                                        reinterpret_cast<LPARAM>(buffer.data()));
    const std::size_t count = copied > 0 ? static_cast<std::size_t>(copied) : 0;
    return std::wstring(buffer.data(), std::min(count, buffer.size() - 1));
}

void voTextBox::MakeFlat() {
    flat = 1;
    SetWindowLongPtrW(ownWindow, GWL_STYLE,
                      GetWindowLongPtrW(ownWindow, GWL_STYLE) & ~kSunkenStyle);
    SetWindowLongPtrW(ownWindow, GWL_EXSTYLE,
                      GetWindowLongPtrW(ownWindow, GWL_EXSTYLE) & ~kEdgeStyles);
}

// --- Painting ------------------------------------------------------------------------

LRESULT voTextBox::OnPaint(UINT, WPARAM, LPARAM) {
    PaintDC paint(ownWindow);
    RECT client{};
    GetClientRect(ownWindow, &client);
    // Only the frame: the editor paints the rest itself, so it does not flicker.
    if (richEdit != nullptr && IsWindowVisible(richEdit))
        ExcludeClipRect(paint.Get(), vo::kTextBoxInset, vo::kTextBoxInset,
                        client.right - vo::kTextBoxInset, client.bottom - vo::kTextBoxInset);
    if (backgroundBrush) {
        FillRect(paint.Get(), &client, backgroundBrush.Get());
    } else {
        SetDCBrushColor(paint.Get(), backgroundColour);
        FillRect(paint.Get(), &client, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    }
    return 0;
}

// --- What the editor reports ---------------------------------------------------------

LRESULT voTextBox::OnNotify(UINT, WPARAM, LPARAM lParam) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header == nullptr || header->hwndFrom != richEdit || richEdit == nullptr ||
        header->code != EN_MSGFILTER)
        return 0;
    const MSGFILTER filter = *reinterpret_cast<const MSGFILTER*>(lParam);
    bool swallowed = false;
    InsideEditorCall([&] { swallowed = Filter(filter); });
    // 0: the editor handles the message as usual.
    return swallowed ? 1 : 0;
}

LRESULT voTextBox::OnSetFocus(UINT, WPARAM, LPARAM) {
    // The keys are the editor's: Tab reaching the box hands them on.
    focused = true;
    if (richEdit != nullptr) SetFocus(richEdit);
    return 0;
}

bool voTextBox::Filter(const MSGFILTER& filter) {
    // Tab and Shift+Tab leave the box, as in a dialog; Ctrl+Tab types a tab.
    const bool tabKey = (filter.msg == WM_KEYDOWN && filter.wParam == VK_TAB) ||
                        (filter.msg == WM_CHAR && filter.wParam == L'\t');
    if (tabKey && !CtrlHeld()) {
        if (filter.msg == WM_KEYDOWN) MoveFocusByTab(GetKeyState(VK_SHIFT) < 0);
        return true;
    }
    switch (filter.msg) {
    case WM_RBUTTONDOWN:
        if (contextMenuEnabled) contextMenu.Show(ownWindow);
        break;
    case WM_MOUSEWHEEL:
        SendToParent(
            WM_COMMAND, vo::kTextBoxWheel,
            static_cast<LPARAM>(vo::TextBoxWheelSteps(GET_WHEEL_DELTA_WPARAM(filter.wParam))));
        break;
    case WM_KEYDOWN:
        if (vo::StartsEmptyRepaint(static_cast<unsigned>(filter.wParam), CtrlHeld()))
            StartEmptyRepaint();
        break;
    default: break;
    }
    return false;
}

LRESULT voTextBox::OnCommand(UINT, WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == 0) {
        RunMenuCommand(vo::TextBoxMenuCommand(LOWORD(wParam)));
        return 0;
    }
    // A notification of the editor.
    if (richEdit == nullptr || reinterpret_cast<HWND>(lParam) != richEdit) return 0;
    if (HIWORD(wParam) == EN_CHANGE && notifyChanges) InsideEditorCall([this] { NotifyChange(); });
    return 0;
}

bool voTextBox::NotifyChange() {
    return SendToParent(WM_COMMAND, vo::kTextBoxChanging, 0) &&
           SendToParent(WM_COMMAND, vo::kTextBoxChanged, 0);
}

LRESULT voTextBox::OnTimer(UINT, WPARAM timer, LPARAM) {
    if (timer != vo::kTextBoxRepaintTimer) return 0;
    KillTimer(ownWindow, vo::kTextBoxRepaintTimer);
    // The editor leaves stale pixels behind when its last character goes.
    if (richEdit != nullptr && GetText().empty()) {
        InvalidateRect(richEdit, nullptr, TRUE);
        UpdateWindow(richEdit);
    }
    return 0;
}

void voTextBox::StartEmptyRepaint() {
    SetTimer(ownWindow, vo::kTextBoxRepaintTimer, vo::kTextBoxRepaintDelayMs, nullptr);
}

// --- Context menu and clipboard ------------------------------------------------------

void voTextBox::RunMenuCommand(vo::TextBoxCommand command) {
    if (richEdit == nullptr) return;
    // Each command ends with the editor's call: its change notification may
    // delete this box.
    switch (command) {
    case vo::TextBoxCommand::Cut: CopySelection(true); break;
    case vo::TextBoxCommand::Copy: CopySelection(false); break;
    case vo::TextBoxCommand::Paste: Paste(); break;
    case vo::TextBoxCommand::Delete:
        StartEmptyRepaint();
        SendMessageW(richEdit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L""));
        break;
    case vo::TextBoxCommand::SelectAll: SelectAll(); break;
    case vo::TextBoxCommand::None: break;
    }
}

std::wstring voTextBox::SelectedText() const {
    CHARRANGE range{};
    SendMessageW(richEdit, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    const LONG count = range.cpMax > range.cpMin ? range.cpMax - range.cpMin : 0;
    // Room for every line end doubled, should the editor write them as two.
    std::vector<wchar_t> buffer(static_cast<std::size_t>(count) * 2 + 1, L'\0');
    const LRESULT copied =
        SendMessageW(richEdit, EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(buffer.data()));
    const std::size_t length = copied > 0 ? static_cast<std::size_t>(copied) : 0;
    return std::wstring(buffer.data(), std::min(length, buffer.size() - 1));
}

void voTextBox::CopySelection(bool erase) {
    if (erase) StartEmptyRepaint();
    // Nothing is erased that did not reach the clipboard.
    if (!PutClipboardText(ownWindow, SelectedText()) || !erase) return;
    SendMessageW(richEdit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L""));
}

void voTextBox::Paste() {
    const std::optional<std::wstring> text = GetClipboardText(ownWindow);
    if (text) SendMessageW(richEdit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text->c_str()));
}

void voTextBox::SelectAll() {
    CHARRANGE range{0, TextLength()};
    SendMessageW(richEdit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

AccessibleFacts voTextBox::DescribeAccessible(long item) const {
    AccessibleFacts facts = voAbstractControl::DescribeAccessible(item);
    facts.role = ROLE_SYSTEM_TEXT;
    facts.value = GetText();
    facts.hasValue = true;
    return facts;
}
