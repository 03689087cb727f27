#include "harness/LeakCheck.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <vector>

#include "harness/ImportPatch.h"

namespace {

// The handles created (or acquired) since the counter was installed. Handles
// that existed before, stock objects and bogus values are never in these sets,
// so deleting them cannot drive a count below zero.
std::set<HGDIOBJ> liveObjects;
std::map<HDC, long> liveDCs;  // a common DC can be handed out again once released
long objectsAcquired = 0;
long dcsAcquired = 0;

void TrackObject(HGDIOBJ object) {
    if (object == nullptr) return;
    liveObjects.insert(object);
    ++objectsAcquired;
}

void ForgetObject(HGDIOBJ object) { liveObjects.erase(object); }

void TrackDC(HDC dc) {
    if (dc == nullptr) return;
    ++liveDCs[dc];
    ++dcsAcquired;
}

void ForgetDC(HDC dc) {
    auto found = liveDCs.find(dc);
    if (found == liveDCs.end()) return;
    if (--found->second <= 0) liveDCs.erase(found);
}

struct Patch {
    const char* dll;
    const char* function;
    void* hook;
    void** original;
};

std::vector<Patch> installed;
bool active = false;

}  // namespace

// One hook per intercepted import: call through, then book the result. The
// macros keep the forty near-identical forwarders to one line each.
#define VO_FORWARDER(Ret, Name, Params)            \
    using Name##Function = Ret(WINAPI*) Params;     \
    Name##Function real##Name = nullptr;            \
    Ret WINAPI Hook##Name Params

#define VO_CREATES_OBJECT(Ret, Name, Params, Args) \
    VO_FORWARDER(Ret, Name, Params) {              \
        Ret result = real##Name Args;              \
        TrackObject(result);                       \
        return result;                             \
    }

namespace {

VO_CREATES_OBJECT(HPEN, CreatePen, (int style, int width, COLORREF colour), (style, width, colour))
VO_CREATES_OBJECT(HPEN, CreatePenIndirect, (const LOGPEN* pen), (pen))
VO_CREATES_OBJECT(HPEN, ExtCreatePen,
                  (DWORD style, DWORD width, const LOGBRUSH* brush, DWORD count, const DWORD* dashes),
                  (style, width, brush, count, dashes))
VO_CREATES_OBJECT(HBRUSH, CreateSolidBrush, (COLORREF colour), (colour))
VO_CREATES_OBJECT(HBRUSH, CreatePatternBrush, (HBITMAP bitmap), (bitmap))
VO_CREATES_OBJECT(HBRUSH, CreateHatchBrush, (int hatch, COLORREF colour), (hatch, colour))
VO_CREATES_OBJECT(HBRUSH, CreateBrushIndirect, (const LOGBRUSH* brush), (brush))
VO_CREATES_OBJECT(HBRUSH, CreateDIBPatternBrushPt, (const void* bits, UINT usage), (bits, usage))
VO_CREATES_OBJECT(HBITMAP, CreateCompatibleBitmap, (HDC dc, int width, int height),
                  (dc, width, height))
VO_CREATES_OBJECT(HBITMAP, CreateDIBSection,
                  (HDC dc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section,
                   DWORD offset),
                  (dc, info, usage, bits, section, offset))
VO_CREATES_OBJECT(HBITMAP, CreateBitmap,
                  (int width, int height, UINT planes, UINT bitsPerPixel, const void* bits),
                  (width, height, planes, bitsPerPixel, bits))
VO_CREATES_OBJECT(HBITMAP, CreateBitmapIndirect, (const BITMAP* bitmap), (bitmap))
VO_CREATES_OBJECT(HBITMAP, CreateDIBitmap,
                  (HDC dc, const BITMAPINFOHEADER* header, DWORD init, const void* bits,
                   const BITMAPINFO* info, UINT usage),
                  (dc, header, init, bits, info, usage))
VO_CREATES_OBJECT(HFONT, CreateFontW,
                  (int height, int width, int escapement, int orientation, int weight, DWORD italic,
                   DWORD underline, DWORD strikeOut, DWORD charset, DWORD outPrecision,
                   DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, LPCWSTR face),
                  (height, width, escapement, orientation, weight, italic, underline, strikeOut,
                   charset, outPrecision, clipPrecision, quality, pitchAndFamily, face))
VO_CREATES_OBJECT(HFONT, CreateFontIndirectW, (const LOGFONTW* font), (font))
VO_CREATES_OBJECT(HRGN, CreateRectRgn, (int left, int top, int right, int bottom),
                  (left, top, right, bottom))
VO_CREATES_OBJECT(HRGN, CreateRectRgnIndirect, (const RECT* rect), (rect))
VO_CREATES_OBJECT(HRGN, CreateRoundRectRgn,
                  (int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight),
                  (left, top, right, bottom, ellipseWidth, ellipseHeight))
VO_CREATES_OBJECT(HRGN, CreateEllipticRgn, (int left, int top, int right, int bottom),
                  (left, top, right, bottom))
VO_CREATES_OBJECT(HRGN, CreateEllipticRgnIndirect, (const RECT* rect), (rect))
VO_CREATES_OBJECT(HRGN, CreatePolygonRgn, (const POINT* points, int count, int fillMode),
                  (points, count, fillMode))
VO_CREATES_OBJECT(HRGN, CreatePolyPolygonRgn,
                  (const POINT* points, const INT* counts, int polygons, int fillMode),
                  (points, counts, polygons, fillMode))
VO_CREATES_OBJECT(HRGN, ExtCreateRegion, (const XFORM* transform, DWORD size, const RGNDATA* data),
                  (transform, size, data))
VO_CREATES_OBJECT(HPALETTE, CreatePalette, (const LOGPALETTE* palette), (palette))
VO_CREATES_OBJECT(HBITMAP, LoadBitmapW, (HINSTANCE instance, LPCWSTR name), (instance, name))

// Icons and cursors are destroyed with their own calls; only bitmaps are
// GDI objects that DeleteObject must balance.
VO_FORWARDER(HANDLE, LoadImageW,
             (HINSTANCE instance, LPCWSTR name, UINT type, int width, int height, UINT flags)) {
    HANDLE result = realLoadImageW(instance, name, type, width, height, flags);
    if (type == IMAGE_BITMAP && (flags & LR_SHARED) == 0) TrackObject(result);
    return result;
}

VO_FORWARDER(HANDLE, CopyImage, (HANDLE image, UINT type, int width, int height, UINT flags)) {
    HANDLE result = realCopyImage(image, type, width, height, flags);
    if (result != nullptr && type == IMAGE_BITMAP) {
        if ((flags & LR_COPYDELETEORG) != 0 && result != image) ForgetObject(image);
        TrackObject(result);
    }
    return result;
}

VO_FORWARDER(BOOL, DeleteObject, (HGDIOBJ object)) {
    const BOOL deleted = realDeleteObject(object);
    if (deleted) ForgetObject(object);
    return deleted;
}

// After a successful SetWindowRgn the system owns the region and deletes it.
VO_FORWARDER(int, SetWindowRgn, (HWND window, HRGN region, BOOL redraw)) {
    const int result = realSetWindowRgn(window, region, redraw);
    if (result != 0) ForgetObject(region);
    return result;
}

VO_FORWARDER(HDC, CreateCompatibleDC, (HDC reference)) {
    HDC dc = realCreateCompatibleDC(reference);
    TrackDC(dc);
    return dc;
}

VO_FORWARDER(HDC, CreateDCW,
             (LPCWSTR driver, LPCWSTR device, LPCWSTR port, const DEVMODEW* mode)) {
    HDC dc = realCreateDCW(driver, device, port, mode);
    TrackDC(dc);
    return dc;
}

VO_FORWARDER(BOOL, DeleteDC, (HDC dc)) {
    const BOOL deleted = realDeleteDC(dc);
    if (deleted) ForgetDC(dc);
    return deleted;
}

VO_FORWARDER(HDC, GetDC, (HWND window)) {
    HDC dc = realGetDC(window);
    TrackDC(dc);
    return dc;
}

VO_FORWARDER(HDC, GetWindowDC, (HWND window)) {
    HDC dc = realGetWindowDC(window);
    TrackDC(dc);
    return dc;
}

// A clip region handed to GetDCEx belongs to the system once the call succeeds.
VO_FORWARDER(HDC, GetDCEx, (HWND window, HRGN clip, DWORD flags)) {
    HDC dc = realGetDCEx(window, clip, flags);
    if (dc != nullptr && (flags & (DCX_INTERSECTRGN | DCX_EXCLUDERGN)) != 0) ForgetObject(clip);
    TrackDC(dc);
    return dc;
}

VO_FORWARDER(int, ReleaseDC, (HWND window, HDC dc)) {
    const int released = realReleaseDC(window, dc);
    if (released != 0) ForgetDC(dc);
    return released;
}

VO_FORWARDER(HDC, BeginPaint, (HWND window, LPPAINTSTRUCT paint)) {
    HDC dc = realBeginPaint(window, paint);
    TrackDC(dc);
    return dc;
}

VO_FORWARDER(BOOL, EndPaint, (HWND window, const PAINTSTRUCT* paint)) {
    const BOOL ended = realEndPaint(window, paint);
    if (paint != nullptr) ForgetDC(paint->hdc);
    return ended;
}

#define VO_PATCH(dll, Name) \
    Patch { dll, #Name, reinterpret_cast<void*>(&Hook##Name), reinterpret_cast<void**>(&real##Name) }

std::vector<Patch> AllPatches() {
    const char* gdi = "gdi32.dll";
    const char* user = "user32.dll";
    return {
        VO_PATCH(gdi, CreatePen),          VO_PATCH(gdi, CreatePenIndirect),
        VO_PATCH(gdi, ExtCreatePen),       VO_PATCH(gdi, CreateSolidBrush),
        VO_PATCH(gdi, CreatePatternBrush), VO_PATCH(gdi, CreateHatchBrush),
        VO_PATCH(gdi, CreateBrushIndirect), VO_PATCH(gdi, CreateDIBPatternBrushPt),
        VO_PATCH(gdi, CreateCompatibleBitmap), VO_PATCH(gdi, CreateDIBSection),
        VO_PATCH(gdi, CreateBitmap),       VO_PATCH(gdi, CreateBitmapIndirect),
        VO_PATCH(gdi, CreateDIBitmap),     VO_PATCH(gdi, CreateFontW),
        VO_PATCH(gdi, CreateFontIndirectW), VO_PATCH(gdi, CreateRectRgn),
        VO_PATCH(gdi, CreateRectRgnIndirect), VO_PATCH(gdi, CreateRoundRectRgn),
        VO_PATCH(gdi, CreateEllipticRgn),  VO_PATCH(gdi, CreateEllipticRgnIndirect),
        VO_PATCH(gdi, CreatePolygonRgn),   VO_PATCH(gdi, CreatePolyPolygonRgn),
        VO_PATCH(gdi, ExtCreateRegion),    VO_PATCH(gdi, CreatePalette),
        VO_PATCH(gdi, DeleteObject),       VO_PATCH(gdi, CreateCompatibleDC),
        VO_PATCH(gdi, CreateDCW),          VO_PATCH(gdi, DeleteDC),
        VO_PATCH(user, LoadBitmapW),       VO_PATCH(user, LoadImageW),
        VO_PATCH(user, CopyImage),         VO_PATCH(user, SetWindowRgn),
        VO_PATCH(user, GetDC),             VO_PATCH(user, GetWindowDC),
        VO_PATCH(user, GetDCEx),           VO_PATCH(user, ReleaseDC),
        VO_PATCH(user, BeginPaint),        VO_PATCH(user, EndPaint),
    };
}

const char* ObjectTypeName(HGDIOBJ object) {
    switch (GetObjectType(object)) {
    case OBJ_PEN: return "pen";
    case OBJ_EXTPEN: return "extended pen";
    case OBJ_BRUSH: return "brush";
    case OBJ_BITMAP: return "bitmap";
    case OBJ_FONT: return "font";
    case OBJ_REGION: return "region";
    case OBJ_PAL: return "palette";
    case 0: return "deleted elsewhere";
    default: return "other";
    }
}

}  // namespace

GdiLeakCounter::GdiLeakCounter() {
    if (active) return;
    active = true;
    installed_ = true;
    liveObjects.clear();
    liveDCs.clear();
    objectsAcquired = 0;
    dcsAcquired = 0;
    // Only imports the executable has can be patched; the rest are never called.
    for (const Patch& patch : AllPatches()) {
        void* original = PatchImport(patch.dll, patch.function, patch.hook);
        if (original == nullptr) continue;
        *patch.original = original;
        installed.push_back(patch);
    }
}

GdiLeakCounter::~GdiLeakCounter() {
    if (!installed_) return;
    for (const Patch& patch : installed) {
        PatchImport(patch.dll, patch.function, *patch.original);
        *patch.original = nullptr;
    }
    installed.clear();
    active = false;
}

GdiCounts GdiLeakCounter::Live() const {
    GdiCounts counts;
    counts.objects = static_cast<long>(liveObjects.size());
    for (const auto& entry : liveDCs) counts.deviceContexts += entry.second;
    return counts;
}

GdiCounts GdiLeakCounter::Acquired() const {
    GdiCounts counts;
    counts.objects = objectsAcquired;
    counts.deviceContexts = dcsAcquired;
    return counts;
}

std::string GdiLeakCounter::Describe() const {
    std::ostringstream text;
    for (HGDIOBJ object : liveObjects) text << ObjectTypeName(object) << ' ' << object << "; ";
    for (const auto& entry : liveDCs) text << "DC " << entry.first << " x" << entry.second << "; ";
    return text.str();
}

void ExpectPaintsMakeNothing(const std::function<void(int rounds)>& paint, int rounds, long paints) {
    GdiLeakCounter counter;
    if (!counter.Installed()) {
        ADD_FAILURE() << "another leak counter is installed";
        return;
    }
    const GdiCounts before = counter.Live();
    paint(rounds);
    EXPECT_EQ(counter.Live(), before) << counter.Describe();
    EXPECT_EQ(counter.Acquired(), (GdiCounts{0, paints})) << "a paint makes nothing";
}
