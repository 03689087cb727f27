#pragma once
// Counts live GDI objects and device contexts by intercepting the create and
// delete functions this executable imports from gdi32 and user32 (Wine's
// GetGuiResources always answers 0, and the library's own bookkeeping is
// what is under test).
#include <functional>
#include <ostream>
#include <string>

struct GdiCounts {
    long objects = 0;         // pens, brushes, bitmaps, fonts, regions, loaded images
    long deviceContexts = 0;  // memory DCs and GetDC/BeginPaint DCs not yet released
    bool operator==(const GdiCounts& other) const {
        return objects == other.objects && deviceContexts == other.deviceContexts;
    }
    bool operator!=(const GdiCounts& other) const { return !(*this == other); }
};

inline std::ostream& operator<<(std::ostream& out, const GdiCounts& counts) {
    return out << "{objects " << counts.objects << ", DCs " << counts.deviceContexts << "}";
}

// Installs the interception for its lifetime; Live() is the balance since then.
// One counter at a time: a second one while the first lives installs nothing.
class GdiLeakCounter {
public:
    GdiLeakCounter();
    ~GdiLeakCounter();
    GdiLeakCounter(const GdiLeakCounter&) = delete;
    GdiLeakCounter& operator=(const GdiLeakCounter&) = delete;

    GdiCounts Live() const;
    // Successful creates and acquisitions seen since installation, so a test
    // can show the interception saw the traffic it claims to balance.
    GdiCounts Acquired() const;
    // The live handles with their object types, for a failure message.
    std::string Describe() const;
    // Whether this counter installed the interception.
    bool Installed() const { return installed_; }

private:
    bool installed_ = false;
};

// The leak check of a control's painting. `paint(rounds)`, its looks already
// painted once so their pieces and fonts are cached, must leave every GDI
// object and DC as it found them, and acquire nothing but the window DC of
// each of its `paints` paints: a paint makes nothing.
void ExpectPaintsMakeNothing(const std::function<void(int rounds)>& paint, int rounds, long paints);
