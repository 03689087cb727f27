#include "control/Accessible.h"

#include <algorithm>
#include <utility>

namespace {

// A failure for every question asked after the window went away.
constexpr HRESULT kGone = RPC_E_DISCONNECTED;

bool ItemOf(const VARIANT& child, long count, long& item) {
    if (child.vt != VT_I4 || child.lVal < 0 || child.lVal > count) return false;
    item = child.lVal;
    return true;
}

HRESULT StringAnswer(const std::wstring& text, BSTR* answer) {
    *answer = nullptr;
    if (text.empty()) return S_FALSE;
    *answer = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return *answer != nullptr ? S_OK : E_OUTOFMEMORY;
}

void SetItem(VARIANT* answer, long item) {
    answer->vt = VT_I4;
    answer->lVal = item;
}

}  // namespace

// The object a reader holds. Reference-counted as COM wants; the window's
// link drops its own reference and disconnects it when the window goes.
class AccessibleObject final : public IAccessible {
public:
    explicit AccessibleObject(AccessibleSource& source) : source(&source) {
        CreateStdAccessibleObject(source.AccessibleWindow(), OBJID_CLIENT, __uuidof(IAccessible),
                                  reinterpret_cast<void**>(&standard));
    }

    void Disconnect() {
        source = nullptr;
        if (standard != nullptr) std::exchange(standard, nullptr)->Release();
    }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** result) override {
        if (result == nullptr) return E_POINTER;
        if (id == IID_IUnknown || id == IID_IDispatch || id == __uuidof(IAccessible)) {
            *result = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *result = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references);
        if (left == 0) {
            Disconnect();
            delete this;
        }
        return left;
    }

    // IDispatch: readers use the interface directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (count == nullptr) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        if (parent == nullptr) return E_POINTER;
        *parent = nullptr;
        if (source == nullptr) return kGone;
        return standard != nullptr ? standard->get_accParent(parent) : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        if (count == nullptr) return E_POINTER;
        if (source == nullptr) return kGone;
        *count = source->AccessibleItemCount();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** result) override {
        if (result == nullptr) return E_POINTER;
        *result = nullptr;
        long item = 0;
        if (source == nullptr) return kGone;
        if (!ItemOf(child, source->AccessibleItemCount(), item) || item == CHILDID_SELF)
            return E_INVALIDARG;
        return S_FALSE;  // items are simple elements of this object
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return Text(child, name, [](const AccessibleFacts& facts) { return facts.name; });
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        if (value == nullptr) return E_POINTER;
        *value = nullptr;
        AccessibleFacts facts;
        const HRESULT found = Facts(child, facts);
        if (found != S_OK) return found;
        if (facts.state & STATE_SYSTEM_PROTECTED) return E_ACCESSDENIED;
        if (!facts.hasValue) return DISP_E_MEMBERNOTFOUND;
        return StringAnswer(facts.value, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return Nothing(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return Number(child, role, [](const AccessibleFacts& facts) { return facts.role; });
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return Number(child, state, [](const AccessibleFacts& facts) { return facts.state; });
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* text) override {
        return Nothing(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, long* topic) override {
        if (file != nullptr) *file = nullptr;
        if (topic != nullptr) *topic = 0;
        return source == nullptr ? kGone : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* text) override {
        return Nothing(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        if (focus == nullptr) return E_POINTER;
        VariantInit(focus);
        if (source == nullptr) return kGone;
        if (GetFocus() != source->AccessibleWindow()) return S_FALSE;
        SetItem(focus, FirstItemWith(STATE_SYSTEM_FOCUSED));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        if (selection == nullptr) return E_POINTER;
        VariantInit(selection);
        if (source == nullptr) return kGone;
        const long item = FirstItemWith(STATE_SYSTEM_SELECTED);
        if (item == CHILDID_SELF) return S_FALSE;
        SetItem(selection, item);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return Text(child, action,
                    [](const AccessibleFacts& facts) { return facts.defaultAction; });
    }
    HRESULT STDMETHODCALLTYPE accSelect(long, VARIANT) override {
        return source == nullptr ? kGone : DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        if (left == nullptr || top == nullptr || width == nullptr || height == nullptr)
            return E_POINTER;
        *left = *top = *width = *height = 0;
        if (source == nullptr) return kGone;
        long item = 0;
        if (!ItemOf(child, source->AccessibleItemCount(), item)) return E_INVALIDARG;
        RECT place{};
        if (!ScreenRect(item, place)) return S_FALSE;
        *left = place.left;
        *top = place.top;
        *width = place.right - place.left;
        *height = place.bottom - place.top;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        if (end == nullptr) return E_POINTER;
        VariantInit(end);
        if (source == nullptr) return kGone;
        const long count = source->AccessibleItemCount();
        long item = 0;
        if (!ItemOf(start, count, item)) return E_INVALIDARG;
        long next = -1;
        if (item == CHILDID_SELF) {
            if (direction == NAVDIR_FIRSTCHILD)
                next = count > 0 ? 1 : -1;
            else if (direction == NAVDIR_LASTCHILD)
                next = count > 0 ? count : -1;
            else
                return standard != nullptr ? standard->accNavigate(direction, start, end) : S_FALSE;
        } else if (direction == NAVDIR_NEXT || direction == NAVDIR_DOWN) {
            next = item < count ? item + 1 : -1;
        } else if (direction == NAVDIR_PREVIOUS || direction == NAVDIR_UP) {
            next = item > 1 ? item - 1 : -1;
        }
        if (next < 0) return S_FALSE;
        SetItem(end, next);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long screenX, long screenY, VARIANT* hit) override {
        if (hit == nullptr) return E_POINTER;
        VariantInit(hit);
        if (source == nullptr) return kGone;
        const POINT point{screenX, screenY};
        RECT place{};
        if (!ScreenRect(CHILDID_SELF, place) || !PtInRect(&place, point)) return S_FALSE;
        long found = CHILDID_SELF;
        for (long item = 1; item <= source->AccessibleItemCount(); ++item)
            if (ScreenRect(item, place) && PtInRect(&place, point)) found = item;
        SetItem(hit, found);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        AccessibleFacts facts;
        const HRESULT found = Facts(child, facts);
        if (found != S_OK) return found;
        if (facts.defaultAction.empty()) return DISP_E_MEMBERNOTFOUND;
        // Done from the window's own loop: the action may notify the owner,
        // which may open a modal window or delete the control.
        PostMessageW(source->AccessibleWindow(), AccessibleLink::ActionMessage(),
                     static_cast<WPARAM>(child.lVal), 0);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    ~AccessibleObject() = default;

    HRESULT Facts(const VARIANT& child, AccessibleFacts& facts) const {
        if (source == nullptr) return kGone;
        long item = 0;
        if (!ItemOf(child, source->AccessibleItemCount(), item)) return E_INVALIDARG;
        facts = source->DescribeAccessible(item);
        return S_OK;
    }

    template <class Field>
    HRESULT Text(const VARIANT& child, BSTR* answer, Field field) const {
        if (answer == nullptr) return E_POINTER;
        *answer = nullptr;
        AccessibleFacts facts;
        const HRESULT found = Facts(child, facts);
        return found != S_OK ? found : StringAnswer(field(facts), answer);
    }

    template <class Field>
    HRESULT Number(const VARIANT& child, VARIANT* answer, Field field) const {
        if (answer == nullptr) return E_POINTER;
        VariantInit(answer);
        AccessibleFacts facts;
        const HRESULT found = Facts(child, facts);
        if (found != S_OK) return found;
        SetItem(answer, static_cast<long>(field(facts)));
        return S_OK;
    }

    HRESULT Nothing(const VARIANT& child, BSTR* answer) const {
        if (answer == nullptr) return E_POINTER;
        *answer = nullptr;
        AccessibleFacts facts;
        const HRESULT found = Facts(child, facts);
        return found != S_OK ? found : S_FALSE;
    }

    long FirstItemWith(DWORD state) const {
        for (long item = 1; item <= source->AccessibleItemCount(); ++item)
            if (source->DescribeAccessible(item).state & state) return item;
        return CHILDID_SELF;
    }

    bool ScreenRect(long item, RECT& place) const {
        const HWND window = source->AccessibleWindow();
        if (item == CHILDID_SELF) return GetWindowRect(window, &place) != FALSE;
        if (!source->AccessibleItemRect(item, place)) return false;
        MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&place), 2);
        return true;
    }

    LONG references = 1;
    AccessibleSource* source;
    IAccessible* standard = nullptr;
};

AccessibleLink::~AccessibleLink() {
    if (object == nullptr) return;
    object->Disconnect();
    object->Release();
}

bool AccessibleLink::Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == ActionMessage()) {
        source.DoAccessibleAction(static_cast<long>(wParam));
        result = 0;
        return true;
    }
    if (message != WM_GETOBJECT || static_cast<LONG>(lParam) != OBJID_CLIENT) return false;
    if (object == nullptr) {
        object = new AccessibleObject(source);
        // What the reader is about to read is where its changes start from.
        announced = DescribeAll();
    }
    result = LresultFromObject(__uuidof(IAccessible), wParam, object);
    // The reader's request needs COM on this thread; a program that never
    // started it gets it here, for the thread's life, on the first request.
    if (FAILED(result) && CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED) == S_OK)
        result = LresultFromObject(__uuidof(IAccessible), wParam, object);
    return SUCCEEDED(result);
}

UINT AccessibleLink::ActionMessage() {
    static const UINT message = RegisterWindowMessageW(L"voAccessibleDefaultAction");
    return message;
}

void AccessibleLink::Announce() {
    // Until a reader has asked for the window, no reader follows it; and
    // describing may send messages (a text box asks its editor), whose
    // handling must not describe again.
    if (object == nullptr || announcing) return;
    announcing = true;
    AnnounceChanges();
    announcing = false;
}

void AccessibleLink::AnnounceChanges() {
    // Describing costs string copies: only while someone listens.
    if (!IsWinEventHookInstalled(EVENT_OBJECT_STATECHANGE) &&
        !IsWinEventHookInstalled(EVENT_OBJECT_VALUECHANGE)) {
        announced.clear();
        return;
    }
    std::vector<AccessibleFacts> now = DescribeAll();
    // Without an earlier description this one is the starting point.
    const std::size_t common = std::min(now.size(), announced.size());
    for (std::size_t item = 0; item < common; ++item)
        if (announced[item] != now[item])
            AnnounceItem(static_cast<long>(item), announced[item], now[item]);
    announced = std::move(now);
}

std::vector<AccessibleFacts> AccessibleLink::DescribeAll() const {
    const long count = source.AccessibleItemCount();
    std::vector<AccessibleFacts> all;
    all.reserve(static_cast<std::size_t>(count) + 1);
    for (long item = 0; item <= count; ++item) all.push_back(source.DescribeAccessible(item));
    return all;
}

void AccessibleLink::AnnounceItem(long item, const AccessibleFacts& before,
                                  const AccessibleFacts& now) const {
    const HWND window = source.AccessibleWindow();
    auto send = [&](DWORD event) { NotifyWinEvent(event, window, OBJID_CLIENT, item); };
    if (now.name != before.name) send(EVENT_OBJECT_NAMECHANGE);
    if (now.value != before.value) send(EVENT_OBJECT_VALUECHANGE);
    if (now.state != before.state) send(EVENT_OBJECT_STATECHANGE);
    const DWORD gained = now.state & ~before.state;
    if (item != CHILDID_SELF && (gained & STATE_SYSTEM_SELECTED)) send(EVENT_OBJECT_SELECTION);
    if (item != CHILDID_SELF && (gained & STATE_SYSTEM_FOCUSED)) send(EVENT_OBJECT_FOCUS);
}
