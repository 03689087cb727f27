#pragma once
// What a screen reader learns about a window of this library: one accessible
// object per window (IAccessible, handed out through WM_GETOBJECT), and the
// change events (NotifyWinEvent) that let the reader follow along. The
// object asks its source for everything, so controls only describe
// themselves.
#include <oleacc.h>
#include <windows.h>

#include <string>
#include <vector>

// What a reader is told about the window itself (item 0) or one of its items.
struct AccessibleFacts {
    std::wstring name;
    std::wstring value;
    std::wstring defaultAction;  // empty: there is nothing to do
    DWORD role = ROLE_SYSTEM_CLIENT;
    DWORD state = 0;
    bool hasValue = false;

    bool operator==(const AccessibleFacts& other) const {
        return name == other.name && value == other.value && defaultAction == other.defaultAction &&
               role == other.role && state == other.state && hasValue == other.hasValue;
    }
    bool operator!=(const AccessibleFacts& other) const { return !(*this == other); }
};

// Implemented by the window that answers for itself. Items are numbered from
// 1, as child identifiers are; 0 is the window.
class AccessibleSource {
public:
    virtual HWND AccessibleWindow() const = 0;
    virtual long AccessibleItemCount() const = 0;
    virtual AccessibleFacts DescribeAccessible(long item) const = 0;
    // The item's place in client coordinates; false when it has none.
    virtual bool AccessibleItemRect(long item, RECT& rect) const = 0;
    // Called from the window's own message loop, after the reader's request
    // has returned, as a click would be.
    virtual void DoAccessibleAction(long item) = 0;

protected:
    ~AccessibleSource() = default;
};

class AccessibleObject;

// Owned by the source: answers WM_GETOBJECT, announces changes, and cuts the
// object loose when the window goes (a reader may hold it longer).
class AccessibleLink {
public:
    explicit AccessibleLink(AccessibleSource& source) : source(source) {}
    ~AccessibleLink();
    AccessibleLink(const AccessibleLink&) = delete;
    AccessibleLink& operator=(const AccessibleLink&) = delete;

    // Answers WM_GETOBJECT for the window's client and carries out the
    // default actions readers asked for; false for every other message (the
    // caller then handles it as usual).
    bool Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Sends the events for what changed since the last call, while anyone listens.
    void Announce();
    // Posted to the window by accDoDefaultAction: wParam is the item.
    static UINT ActionMessage();

    // Messages after which nothing a reader is told can have changed.
    static bool ChangesNothing(UINT message) {
        return message == WM_GETOBJECT || message == WM_NCHITTEST || message == WM_SETCURSOR;
    }

private:
    void AnnounceChanges();
    std::vector<AccessibleFacts> DescribeAll() const;
    void AnnounceItem(long item, const AccessibleFacts& before, const AccessibleFacts& now) const;

    AccessibleSource& source;
    AccessibleObject* object = nullptr;
    std::vector<AccessibleFacts> announced;
    bool announcing = false;
};
