#pragma once
// Counts live GDI objects and device contexts by intercepting the create and
// delete functions this executable imports from gdi32 and user32 (Wine's
// GetGuiResources always answers 0, and the library's own bookkeeping is
// what is under test).
struct GdiCounts {
    long objects = 0;         // pens, brushes, bitmaps, fonts, regions, loaded images
    long deviceContexts = 0;  // memory DCs and GetDC/BeginPaint DCs not yet released
    bool operator==(const GdiCounts& other) const {
        return objects == other.objects && deviceContexts == other.deviceContexts;
    }
};

// Installs the interception for its lifetime; Live() is the balance since then.
class GdiLeakCounter {
public:
    GdiLeakCounter();
    ~GdiLeakCounter();
    GdiLeakCounter(const GdiLeakCounter&) = delete;
    GdiLeakCounter& operator=(const GdiLeakCounter&) = delete;
    GdiCounts Live() const;
};
