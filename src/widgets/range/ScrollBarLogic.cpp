#include "widgets/range/ScrollBarLogic.h"

#include <algorithm>
#include <climits>

namespace vo {

namespace {

constexpr int kMinimumLengthHorizontal = 64;
constexpr int kMinimumLengthVertical = 72;
constexpr int kConstructionArrows = 36;  // both default arrows
constexpr int kHorizontalExtraLength = 28;
constexpr int kThickness = 21;

bool IsHorizontal(const ScrollBarModel& model) {
    return model.orientation == ScrollOrientation::Horizontal;
}

int ClampToInt(long long value) {
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

// 90 % of the track, truncated; integer arithmetic gives the exact trunc().
int MaximumGripFor(int trackLength) {
    return ClampToInt(static_cast<long long>(trackLength) * 9 / 10);
}

// Divided in floating point, rounded to single precision before any product.
float Quotient(double numerator, double denominator) {
    return static_cast<float>(numerator / denominator);
}

// trunc(ratio x limit) for a non-negative ratio, never above limit, so a ratio
// beyond 1 (a position or offset assigned out of range) cannot overflow.
long long TruncatedProduct(float ratio, long long limit) {
    const float product = ratio * static_cast<float>(limit);
    if (!(product < static_cast<float>(limit))) return limit;
    return static_cast<long long>(product);
}

// Position steps saturate instead of wrapping around to a small position.
std::uint32_t SaturatingAdd(std::uint32_t a, std::uint32_t b) {
    const std::uint64_t sum = static_cast<std::uint64_t>(a) + b;
    return sum > UINT32_MAX ? UINT32_MAX : static_cast<std::uint32_t>(sum);
}

std::uint32_t SaturatingSubtract(std::uint32_t a, std::uint32_t b) { return a > b ? a - b : 0; }

void ClampPosition(ScrollBarModel& model) {
    model.position =
        model.total > model.page ? std::min(model.position, model.total - model.page) : 0;
}

bool AnchorOnGrip(const ScrollBarModel& model) {
    const long long gripEnd = static_cast<long long>(model.gripOffset) + model.gripLength;
    return model.gripOffset <= model.anchor && model.anchor <= gripEnd;
}

constexpr unsigned TimerBit(int id) { return 1u << id; }

// The repeat timers a state keeps running.
unsigned TimersOf(int state) {
    switch (state) {
    case kScrollFirstArrowHeld: return TimerBit(1);
    case kScrollSecondArrowHeld: return TimerBit(2);
    case kScrollPaging: return TimerBit(3) | TimerBit(4);
    default: return 0;
    }
}

ScrollEffects Repeat(int timerId, int key, int delay) {
    ScrollEffects effects;
    effects.sendKey = key;
    effects.startTimer = timerId;
    effects.timerDelay = delay;
    return effects;
}

constexpr const wchar_t* kPieceNames[2][kScrollPieceCount] = {
    {L"HScrollBar_Left_Button", L"HScrollBar_Clicked_Left_Button", L"HScrollBar_Right_Button",
     L"HScrollBar_Clicked_Right_Button", L"HScrollBar_Center", L"HScrollBar_Grip",
     L"HScrollBar_Grip_Border", L"HScrollBar_Clicked_Grip"},
    {L"VScrollBar_Up_Button", L"VScrollBar_Clicked_Up_Button", L"VScrollBar_Down_Button",
     L"VScrollBar_Clicked_Down_Button", L"VScrollBar_Center", L"VScrollBar_Grip",
     L"VScrollBar_Grip_Border", L"VScrollBar_Clicked_Grip"},
};

}  // namespace

int ScrollTimerKey(int timerId) {
    for (const ScrollTimer& timer : kScrollTimers)
        if (timer.id == timerId) return timer.key;
    return 0;
}

ScrollBarModel MakeScrollBar(ScrollOrientation orientation, int extent) {
    ScrollBarModel model;
    model.orientation = orientation;
    const bool horizontal = IsHorizontal(model);
    if (!horizontal) std::swap(model.buttonWidth, model.buttonHeight);
    extent = std::max(extent, horizontal ? kMinimumLengthHorizontal : kMinimumLengthVertical);
    model.trackLength = extent - kConstructionArrows;
    model.maximumGripLength = MaximumGripFor(model.trackLength);
    UpdateGripSize(model);
    model.width = horizontal ? extent : kThickness;
    model.height = horizontal ? kThickness : extent;
    return model;
}

int ScrollArrowLength(const ScrollBarModel& model) {
    return IsHorizontal(model) ? model.buttonWidth : model.buttonHeight;
}

int ScrollAlongExtent(const ScrollBarModel& model) {
    return IsHorizontal(model) ? model.width : model.height;
}

int ScrollAcrossExtent(const ScrollBarModel& model) {
    return IsHorizontal(model) ? model.height : model.width;
}

ScrollSize ScrollBarSetSize(ScrollBarModel& model, int width, int height) {
    const int arrow = ScrollArrowLength(model);
    if (IsHorizontal(model)) {
        model.width = std::max(width, ClampToInt(2LL * arrow + kHorizontalExtraLength));
        model.height = model.buttonHeight;
    } else {
        model.height = std::max(height, ClampToInt(4LL * arrow));
        model.width = model.buttonWidth;
    }
    model.trackLength = ClampToInt(static_cast<long long>(ScrollAlongExtent(model)) - 2LL * arrow);
    model.maximumGripLength = MaximumGripFor(model.trackLength);
    UpdateGripSize(model);
    return {model.width, model.height};
}

void UpdateGripSize(ScrollBarModel& model) {
    const int track = std::max(model.trackLength, 0);
    // Total 0: no share to show, and page / 0 must not be computed.
    const float ratio = model.total == 0 ? 0.0f : Quotient(model.page, model.total);
    int grip = static_cast<int>(TruncatedProduct(ratio, track));
    if (grip < model.minimumGripLength)
        grip = model.minimumGripLength;
    else if (grip > model.maximumGripLength)
        grip = model.maximumGripLength;
    // A track shorter than the minimum grip (tiny buttons, a track assigned by
    // hand): the grip fills it rather than overhanging the arrows, and travel,
    // a divisor and a range, never goes negative.
    model.gripLength = std::clamp(grip, 0, track);
    model.travel = track - model.gripLength;
}

void UpdateGripPosition(ScrollBarModel& model) {
    const int arrow = ScrollArrowLength(model);
    long long offset = arrow;
    if (model.total > model.page) {
        const float ratio = Quotient(model.position, model.total - model.page);
        offset += TruncatedProduct(ratio, std::max(model.travel, 0));
    }
    model.gripOffset = offset == arrow ? arrow - 1 : ClampToInt(offset);
}

void SetScrollRange(ScrollBarModel& model, std::uint32_t total, std::uint32_t page,
                    std::uint32_t position) {
    model.total = total;
    model.page = page;
    model.position = position;
    ClampPosition(model);
    UpdateGripSize(model);
    UpdateGripPosition(model);
}

void PixelsToPosition(ScrollBarModel& model) {
    const int arrow = ScrollArrowLength(model);
    if (model.total <= model.page || model.travel <= 0) {
        model.position = 0;
        return;
    }
    const long long p = static_cast<long long>(std::max(model.gripOffset, arrow)) - arrow;
    const std::uint32_t range = model.total - model.page;
    model.position = static_cast<std::uint32_t>(TruncatedProduct(Quotient(p, model.travel), range));
}

std::uint16_t ScrollBarNotificationValue(const ScrollBarModel& model) {
    return static_cast<std::uint16_t>(model.position & 0xFFFFu);
}

ScrollEffects ScrollBarKey(ScrollBarModel& model, int key) {
    switch (key) {
    case kScrollKeyUp: model.position = SaturatingSubtract(model.position, model.lineStep); break;
    case kScrollKeyDown: model.position = SaturatingAdd(model.position, model.lineStep); break;
    case kScrollKeyPageUp:
        if (!AnchorOnGrip(model)) model.position = SaturatingSubtract(model.position, model.page);
        break;
    case kScrollKeyPageDown:
        if (!AnchorOnGrip(model)) model.position = SaturatingAdd(model.position, model.page);
        break;
    default: break;
    }
    ClampPosition(model);
    UpdateGripPosition(model);
    ScrollEffects effects;
    effects.notify = true;
    effects.redraw = true;
    return effects;
}

ScrollHit ScrollBarHitTest(const ScrollBarModel& model, int x, int y) {
    const bool horizontal = IsHorizontal(model);
    const long long along = horizontal ? x : y;
    const long long across = horizontal ? y : x;
    const long long arrow = ScrollArrowLength(model);
    const long long extent = ScrollAlongExtent(model);
    const long long breadth = ScrollAcrossExtent(model);
    // Resource skins draw the grip narrower than the bar; file skins fill it.
    const long long inset = model.skinSource != 1 ? kScrollResourceHitInset : 0;
    const long long gripStart = model.gripOffset;
    const long long gripEnd = gripStart + model.gripLength;

    if (along >= gripStart && along < gripEnd && across >= inset && across < breadth - inset)
        return ScrollHit::Grip;
    const bool acrossInside = across >= 0 && across < breadth;
    if (acrossInside && along >= 0 && along < arrow) return ScrollHit::FirstArrow;
    if (acrossInside && along >= extent - arrow && along < extent) return ScrollHit::SecondArrow;
    if (along > arrow && along < extent - arrow) {
        if (along < gripStart) return ScrollHit::TrackBefore;
        if (along > gripEnd) return ScrollHit::TrackAfter;
    }
    return ScrollHit::None;
}

ScrollEffects ScrollBarPress(ScrollBarModel& model, int x, int y) {
    model.anchor = IsHorizontal(model) ? x : y;
    const ScrollHit hit = ScrollBarHitTest(model, x, y);
    ScrollEffects effects;

    if (hit == ScrollHit::Grip) {
        // A release was missed (capture taken away): the repeat of the old
        // state must not go on stepping during the drag and after it.
        effects.killTimers = TimersOf(model.state);
        model.state = kScrollDragging;
    } else if (hit == ScrollHit::FirstArrow && model.state == kScrollIdle) {
        model.state = kScrollFirstArrowHeld;
        effects = Repeat(1, kScrollKeyUp, kScrollFirstRepeatDelay);
    } else if (model.state == kScrollFirstArrowHeld && hit != ScrollHit::FirstArrow) {
        effects.killTimers = TimerBit(1);
        model.state = kScrollIdle;
    } else if (hit == ScrollHit::SecondArrow && model.state == kScrollIdle) {
        model.state = kScrollSecondArrowHeld;
        effects = Repeat(2, kScrollKeyDown, kScrollFirstRepeatDelay);
    } else if (model.state == kScrollSecondArrowHeld && hit != ScrollHit::SecondArrow) {
        effects.killTimers = TimerBit(2);
        model.state = kScrollIdle;
    } else if ((hit == ScrollHit::TrackBefore || hit == ScrollHit::TrackAfter) &&
               model.state == kScrollIdle) {
        model.state = kScrollPaging;
        effects = hit == ScrollHit::TrackBefore
                      ? Repeat(3, kScrollKeyPageUp, kScrollFirstRepeatDelay)
                      : Repeat(4, kScrollKeyPageDown, kScrollFirstRepeatDelay);
    }
    effects.redraw = true;
    return effects;
}

ScrollEffects ScrollBarMove(ScrollBarModel& model, int x, int y) {
    ScrollEffects effects;
    effects.redraw = true;
    if (model.state != kScrollDragging) return effects;

    const long long arrow = ScrollArrowLength(model);
    const long long extent = ScrollAlongExtent(model);
    const long long end = arrow + model.travel;  // grip offset at the end of the range
    long long c = IsHorizontal(model) ? x : y;
    if (c < arrow)
        c = arrow - 1;
    else if (c >= extent - arrow)
        c = extent - arrow;

    const bool againstStart = model.gripOffset == arrow && c < model.anchor;
    const bool againstEnd = model.gripOffset == end && c > model.anchor;
    if (c == model.anchor || againstStart || againstEnd) {
        effects.redraw = false;
        effects.stop = true;
        return effects;
    }
    long long offset = static_cast<long long>(model.gripOffset) + (c - model.anchor);
    model.anchor = static_cast<int>(c);
    if (offset < arrow)
        offset = arrow - 1;
    else if (offset > end)
        offset = end;
    model.gripOffset = ClampToInt(offset);
    PixelsToPosition(model);
    effects.notify = true;
    return effects;
}

ScrollEffects ScrollBarRelease(ScrollBarModel& model) {
    ScrollEffects effects;
    effects.killTimers = TimersOf(model.state);
    model.state = kScrollIdle;
    effects.notify = true;
    effects.redraw = true;
    return effects;
}

ScrollEffects ScrollBarTimer(const ScrollBarModel& model, int timerId) {
    const int key = ScrollTimerKey(timerId);
    if (key == 0) return {};
    ScrollEffects effects;
    if ((TimersOf(model.state) & TimerBit(timerId)) != 0)
        effects = Repeat(timerId, key, kScrollRepeatInterval);
    effects.killTimers = TimerBit(timerId);
    return effects;
}

ScrollEffects ScrollBarCaptureLost(ScrollBarModel& model) {
    if (model.state == kScrollIdle) return {};
    ScrollEffects effects;
    effects.killTimers = TimersOf(model.state);
    model.state = kScrollIdle;
    effects.redraw = true;
    return effects;
}

ScrollWheelPlan ScrollBarWheelPlan(const ScrollBarModel& model, int wheelDelta) {
    const long long steps = static_cast<long long>(wheelDelta / 120) * model.wheelLines;
    // Away from the user (positive) moves toward the start.
    const int key = steps >= 0 ? kScrollKeyUp : kScrollKeyDown;
    return {key, ClampToInt(steps >= 0 ? steps : -steps)};
}

bool ScrollBarWheelMayStep(const ScrollBarModel& model, int key) {
    const long long arrow = ScrollArrowLength(model);
    if (key == kScrollKeyUp) return model.gripOffset > arrow;
    if (key == kScrollKeyDown) return model.gripOffset < arrow + model.travel;
    return false;
}

ScrollBarPaintLayout ScrollBarPaint(const ScrollBarModel& model) {
    const int arrow = ScrollArrowLength(model);
    const int extent = ScrollAlongExtent(model);
    ScrollBarPaintLayout layout{};
    layout.firstArrowPiece = model.state == kScrollFirstArrowHeld ? 2 : 1;
    layout.secondArrowPiece = model.state == kScrollSecondArrowHeld ? 4 : 3;
    // The horizontal arrow leaves the last column to the background.
    layout.secondArrowAt = extent - arrow - (IsHorizontal(model) ? 1 : 0);
    layout.trackFirst = arrow;
    layout.trackCount = std::max(extent - 2 * arrow, 0);
    layout.gripEndAt[0] = model.gripOffset;
    layout.gripEndAt[1] = model.gripOffset + model.gripLength;
    layout.gripBodyPiece = model.state == kScrollDragging ? 8 : 6;
    layout.gripBodyFirst = model.gripOffset + 1;
    layout.gripBodyCount = std::max(model.gripLength - 1, 0);
    return layout;
}

const wchar_t* ScrollBarPieceName(ScrollOrientation orientation, int index) {
    if (index < 1 || index > kScrollPieceCount) return nullptr;
    return kPieceNames[orientation == ScrollOrientation::Horizontal ? 0 : 1][index - 1];
}

}  // namespace vo
