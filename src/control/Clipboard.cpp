#include "control/Clipboard.h"

#include <cstring>

namespace {

// The clipboard opened for one transfer, closed when the holder goes.
class OpenedClipboard {
public:
    explicit OpenedClipboard(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
    ~OpenedClipboard() {
        if (open_) CloseClipboard();
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    explicit operator bool() const { return open_; }

private:
    bool open_;
};

// Global memory, freed unless the clipboard took it over.
class GlobalMemory {
public:
    explicit GlobalMemory(SIZE_T bytes)
        : memory_(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE, bytes)) {}
    ~GlobalMemory() {
        if (memory_ != nullptr) GlobalFree(memory_);
    }
    GlobalMemory(const GlobalMemory&) = delete;
    GlobalMemory& operator=(const GlobalMemory&) = delete;
    HGLOBAL Get() const { return memory_; }
    void HandOver() { memory_ = nullptr; }

private:
    HGLOBAL memory_;
};

// Locked global memory, unlocked when the holder goes.
class LockedMemory {
public:
    explicit LockedMemory(HGLOBAL memory) : memory_(memory), data_(GlobalLock(memory)) {}
    ~LockedMemory() {
        if (data_ != nullptr) GlobalUnlock(memory_);
    }
    LockedMemory(const LockedMemory&) = delete;
    LockedMemory& operator=(const LockedMemory&) = delete;
    void* Data() const { return data_; }

private:
    HGLOBAL memory_;
    void* data_;
};

// The characters before the first zero, never reading past the block: data
// from another program need not end with one.
std::optional<std::wstring> TextOfBlock(HGLOBAL memory) {
    LockedMemory locked(memory);
    const auto* characters = static_cast<const wchar_t*>(locked.Data());
    if (characters == nullptr) return std::nullopt;
    const SIZE_T capacity = GlobalSize(memory) / sizeof(wchar_t);
    SIZE_T length = 0;
    while (length < capacity && characters[length] != L'\0') ++length;
    return std::wstring(characters, length);
}

}  // namespace

bool PutClipboardText(HWND owner, const std::wstring& text) {
    // The trailing zero comes from the zeroed block.
    GlobalMemory memory((text.size() + 1) * sizeof(wchar_t));
    if (memory.Get() == nullptr) return false;
    {
        LockedMemory locked(memory.Get());
        if (locked.Data() == nullptr) return false;
        std::memcpy(locked.Data(), text.data(), text.size() * sizeof(wchar_t));
    }
    OpenedClipboard clipboard(owner);
    if (!clipboard || EmptyClipboard() == FALSE) return false;
    if (SetClipboardData(CF_UNICODETEXT, memory.Get()) == nullptr) return false;
    memory.HandOver();
    return true;
}

bool ClipboardHasText() { return IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE; }

std::optional<std::wstring> GetClipboardText(HWND owner) {
    OpenedClipboard clipboard(owner);
    if (!clipboard || !ClipboardHasText()) return std::nullopt;
    const HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (data == nullptr) return std::nullopt;
    return TextOfBlock(static_cast<HGLOBAL>(data));
}
