#pragma once
// Platform-free rules of the horizontal and vertical scroll bars: the range
// arithmetic that turns total, page and position into a grip and back, the key
// steps, the press, drag, release, wheel and repeat-timer transitions, and the
// size rules. One implementation serves both bars: it works "along" the bar's
// axis (x of the horizontal bar, y of the vertical one) and "across" it.
#include <cstdint>

namespace vo {

enum class ScrollOrientation { Horizontal, Vertical };

// The virtual keys one step stands for; the horizontal bar uses the same four.
enum ScrollKey {
    kScrollKeyPageUp = 0x21,    // VK_PRIOR
    kScrollKeyPageDown = 0x22,  // VK_NEXT
    kScrollKeyUp = 0x26,        // VK_UP
    kScrollKeyDown = 0x28,      // VK_DOWN
};

enum ScrollBarState {
    kScrollIdle = 0,
    kScrollFirstArrowHeld = 1,   // left or up
    kScrollSecondArrowHeld = 2,  // right or down
    kScrollDragging = 3,
    kScrollPaging = 4,
};

constexpr int kScrollBarKindCodeHorizontal = 8;
constexpr int kScrollBarKindCodeVertical = 9;
constexpr int kScrollMinimumGripLength = 20;
constexpr int kScrollWheelLines = 2;
constexpr int kScrollResourceHitInset = 4;
constexpr int kScrollPieceCount = 8;

// Repeat schedule: a held arrow or track steps once at the press, then after
// the first delay, then at every interval until the release. Timer n of the
// control's own window stands for the key of entry n.
constexpr int kScrollFirstRepeatDelay = 400;  // ms
constexpr int kScrollRepeatInterval = 100;    // ms
struct ScrollTimer {
    int id;
    int key;
};
constexpr ScrollTimer kScrollTimers[] = {
    {1, kScrollKeyUp}, {2, kScrollKeyDown}, {3, kScrollKeyPageUp}, {4, kScrollKeyPageDown}};

// The key a repeat timer stands for; 0 for any other timer.
int ScrollTimerKey(int timerId);

struct ScrollBarModel {
    ScrollOrientation orientation = ScrollOrientation::Horizontal;
    // The size the control was given (the class passes it on to the base).
    int width = 0;
    int height = 0;
    int skinSource = 0;  // 0 resources, 1 files, anything else no pieces
    int state = kScrollIdle;
    int buttonWidth = 18;
    int buttonHeight = 21;
    std::uint32_t total = 0;
    std::uint32_t page = 0;
    int travel = 0;
    std::uint32_t position = 0;
    int trackLength = 0;
    int gripLength = 0;
    int minimumGripLength = kScrollMinimumGripLength;
    int maximumGripLength = 0;
    int gripOffset = 0;  // along coordinate of the grip's first pixel
    int anchor = 0;      // along coordinate of the press, then of the last drag point
    std::uint32_t lineStep = 0;
    int wheelLines = kScrollWheelLines;
};

// The bar as constructed: extent at least 64 (vertical 72), track extent - 36,
// buttons 18 x 21 (vertical 21 x 18), grip length computed, thickness 21.
ScrollBarModel MakeScrollBar(ScrollOrientation orientation, int extent);

int ScrollArrowLength(const ScrollBarModel& model);  // button width, vertical: height
int ScrollAlongExtent(const ScrollBarModel& model);
int ScrollAcrossExtent(const ScrollBarModel& model);

struct ScrollSize {
    int width;
    int height;
};

// Horizontal: width at least 2 x button width + 28, height = button height
// (the asked height is ignored). Vertical: height at least 4 x button height,
// width = button width. Sets the track, its maximum grip and the grip length;
// the grip offset stays until the caller updates the grip position.
ScrollSize ScrollBarSetSize(ScrollBarModel& model, int width, int height);

// Grip length from page / total, kept between the minimum and 90 % of the
// track, and the travel left to it. Total 0 gives the minimum.
void UpdateGripSize(ScrollBarModel& model);

// Grip offset from position / (total - page). At the start of the range, and
// whenever total does not exceed page, the grip overlaps the first arrow by one
// pixel (arrow length - 1). The caller redraws.
void UpdateGripPosition(ScrollBarModel& model);

// Stores a new range and position, keeps the position within 0 .. total -
// page, and sizes and places the grip. The caller redraws.
void SetScrollRange(ScrollBarModel& model, std::uint32_t total, std::uint32_t page,
                    std::uint32_t position);

// Position from the grip offset (after a drag moved it).
void PixelsToPosition(ScrollBarModel& model);

// What the window class does after a step of the logic, in this order:
// KillTimer for each bit of killTimers, send itself WM_KEYDOWN sendKey,
// SetTimer(startTimer, timerDelay), notify the parent, redraw.
struct ScrollEffects {
    unsigned killTimers = 0;  // bit n: KillTimer(n)
    int sendKey = 0;          // 0: none
    int startTimer = 0;       // 0: none
    int timerDelay = 0;
    bool notify = false;  // WM_COMMAND carrying ScrollBarNotificationValue
    bool redraw = false;
    bool stop = false;  // a mouse move ends here, without cursor or leave tracking
};

// High word of the notification: the position's low 16 bits.
std::uint16_t ScrollBarNotificationValue(const ScrollBarModel& model);

// WM_KEYDOWN: Up and Down move by the line step, PageUp and PageDown by the
// page unless the anchor lies on the grip; any key then clamps the position to
// 0 .. total - page, places the grip and notifies, even when nothing moved.
ScrollEffects ScrollBarKey(ScrollBarModel& model, int key);

enum class ScrollHit { None, Grip, FirstArrow, SecondArrow, TrackBefore, TrackAfter };

// Where a press lands, in the order the press handler tests: the grip (inset
// by 4 pixels across for resource skins), the arrows, then the track strictly
// between the arrows and outside the grip's closed span.
ScrollHit ScrollBarHitTest(const ScrollBarModel& model, int x, int y);

// WM_LBUTTONDOWN (and a double click, which is a second press), after
// SetCapture and SetFocus: records the anchor and changes the state.
ScrollEffects ScrollBarPress(ScrollBarModel& model, int x, int y);

// WM_MOUSEMOVE: while dragging, moves the grip by the pointer's motion,
// clamped to the track even when the pointer is outside the control.
ScrollEffects ScrollBarMove(ScrollBarModel& model, int x, int y);

// WM_LBUTTONUP: back to idle, the state's timers killed, always a notification.
ScrollEffects ScrollBarRelease(ScrollBarModel& model);

// WM_TIMER: a repeat timer is killed, its key sent, and it is set again at the
// repeat interval. A repeat timer the state does not hold (one that was left
// running by a release seen during a notification, or a stray WM_TIMER) is
// only killed: it must not step, nor keep stepping for ever. Other timers do
// nothing.
ScrollEffects ScrollBarTimer(const ScrollBarModel& model, int timerId);

// WM_CAPTURECHANGED to another window: no release will come, so the press ends
// here, its timers killed, without a notification.
ScrollEffects ScrollBarCaptureLost(ScrollBarModel& model);

// WM_MOUSEWHEEL: up to `count` keys; the class sends each only while
// ScrollBarWheelMayStep holds, and stops at the first time it does not.
struct ScrollWheelPlan {
    int key;
    int count;
};
ScrollWheelPlan ScrollBarWheelPlan(const ScrollBarModel& model, int wheelDelta);
bool ScrollBarWheelMayStep(const ScrollBarModel& model, int key);

// Along coordinates and piece indices (1 to 8) of a paint.
struct ScrollBarPaintLayout {
    int firstArrowPiece;
    int secondArrowPiece;
    int secondArrowAt;  // one pixel in from the end on the horizontal bar
    int trackFirst;     // the track piece once per pixel
    int trackCount;
    int gripEndAt[2];  // piece 7
    int gripBodyPiece;
    int gripBodyFirst;
    int gripBodyCount;
};
ScrollBarPaintLayout ScrollBarPaint(const ScrollBarModel& model);

// Resource name of piece 1 to 8; null for other indices.
const wchar_t* ScrollBarPieceName(ScrollOrientation orientation, int index);

}  // namespace vo
