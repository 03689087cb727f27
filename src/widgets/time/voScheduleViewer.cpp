#include "widgets/time/voScheduleViewer.h"

namespace {

constexpr int kScheduleKind = 14;
constexpr std::uint16_t kOverEntry = 1;
constexpr std::uint16_t kLeftEntry = 0;

const wchar_t* EntryPiece(const ScheduleEntry& entry) {
    if (entry.kind == vo::kWholeSpan)
        return entry.hovered ? L"ScheduleViewer_Hovered_Blue_Line" : L"ScheduleViewer_Blue_Line";
    return entry.hovered ? L"ScheduleViewer_Hovered_Green_Line" : L"ScheduleViewer_Green_Line";
}

}  // namespace

voScheduleViewer::voScheduleViewer(HWND parent, std::uint16_t identifier)
    : voAbstractControl(parent, identifier, WS_CHILD) {
    kind = kScheduleKind;
    accessibleName = L"Schedule";
    SetSize(vo::kScheduleDefaultWidth, skinHeight);
    messageMap.Insert(WM_MOUSEMOVE, &voScheduleViewer::OnMouse);
    messageMap.Insert(WM_LBUTTONDOWN, &voScheduleViewer::OnMouse);
    messageMap.Insert(WM_LBUTTONUP, &voScheduleViewer::OnMouse);
    messageMap.Insert(WM_MOUSELEAVE, &voScheduleViewer::OnMouse);
}

LRESULT voScheduleViewer::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return Route(messageMap, message, wParam, lParam);
}

bool voScheduleViewer::SetSize(int askedWidth, int) {
    const vo::ScheduleSize size = vo::ScheduleSizeFor(askedWidth);
    secondsPerPixel = size.secondsPerPixel;
    return voAbstractControl::SetSize(size.width, skinHeight);
}

bool voScheduleViewer::AddEntry(ScheduleEntry entry) {
    if (!vo::AcceptEntry(entries, entry, width, secondsPerPixel)) return false;
    entries.push_back(entry);
    Redraw(false);
    return true;
}

bool voScheduleViewer::DescribeLook(vo::LookKey& look) const {
    look << reinterpret_cast<std::uintptr_t>(moduleInstance) << skinHeight << entries.size();
    for (const ScheduleEntry& entry : entries)
        look << entry.kind << entry.startPixel << entry.endPixel << entry.hovered;
    return true;
}

void voScheduleViewer::PaintContent(HDC dc) {
    DrawColumns(dc, L"ScheduleViewer_LeftRight", 0, 1);
    DrawColumns(dc, L"ScheduleViewer_LeftRight", width - 1, width);
    int from = 1;
    for (int division : vo::DivisionColumns(width)) {
        DrawColumns(dc, L"ScheduleViewer_Center_Line", from, division);
        DrawColumns(dc, L"ScheduleViewer_Hour_Line", division, division + 1);
        from = division + 1;
    }
    DrawColumns(dc, L"ScheduleViewer_Center_Line", from, width - 1);
    // Time ranges first, then whole-span entries over them.
    for (int kindToDraw : {vo::kTimeRange, vo::kWholeSpan}) {
        for (const ScheduleEntry& entry : entries) {
            if (entry.kind != kindToDraw) continue;
            const vo::ColumnSpan span = vo::EntryColumns(entry, width);
            DrawColumns(dc, EntryPiece(entry), span.first, span.last);
        }
    }
}

void voScheduleViewer::DrawColumns(HDC dc, const wchar_t* piece, int first, int last) {
    if (last <= first) return;
    const KeptBitmap& column = SkinPiece(piece, SkinSource::Resource, 1, skinHeight);
    // One stretched blend of the 1-pixel column paints what a blend per column would.
    if (column)
        AlphaBlend(dc, first, 0, last - first, skinHeight, column.Dc(), 0, 0, 1, skinHeight, blend);
}

LRESULT voScheduleViewer::OnMouse(UINT message, WPARAM, LPARAM) {
    if (message == WM_MOUSEMOVE) OnMouseMove();
    if (message == WM_MOUSELEAVE) OnMouseLeave();
    return 0;
}

void voScheduleViewer::OnMouseMove() {
    if (!mouseTracking) {
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        TrackMouseLeave();
    }
    if (entries.empty()) return;
    POINT pointer{};
    GetCursorPos(&pointer);
    ScreenToClient(ownWindow, &pointer);
    bool changed = false;
    // By index: the parent may add entries from its handler.
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (vo::PointerOverEntry(entries[i], pointer.x)) {
            changed = changed || !entries[i].hovered;
            entries[i].hovered = true;
            if (!NotifyParent(kOverEntry)) return;  // the parent deleted the viewer
        } else if (entries[i].hovered) {
            entries[i].hovered = false;
            changed = true;
            if (!NotifyParent(kLeftEntry)) return;
        }
    }
    if (changed) Redraw(false);
}

void voScheduleViewer::OnMouseLeave() {
    for (ScheduleEntry& entry : entries) entry.hovered = false;
    Redraw(false);
    mouseTracking = false;
    NotifyParent(kLeftEntry);
}

AccessibleFacts voScheduleViewer::DescribeAccessible(long item) const {
    AccessibleFacts facts = voAbstractControl::DescribeAccessible(item);
    if (item == CHILDID_SELF) {
        facts.role = ROLE_SYSTEM_LIST;
        facts.state |= STATE_SYSTEM_READONLY;
        return facts;
    }
    const ScheduleEntry& entry = entries[static_cast<std::size_t>(item - 1)];
    facts.name = vo::ScheduleEntryText(entry);
    facts.role = ROLE_SYSTEM_LISTITEM;
    facts.state = STATE_SYSTEM_READONLY | (entry.hovered ? STATE_SYSTEM_HOTTRACKED : 0);
    return facts;
}

bool voScheduleViewer::AccessibleItemRect(long item, RECT& rect) const {
    const ScheduleEntry& entry = entries[static_cast<std::size_t>(item - 1)];
    if (entry.startPixel < 0 || entry.endPixel < entry.startPixel) return false;
    rect = RECT{entry.startPixel, 0, entry.endPixel + 1, height};
    return true;
}
