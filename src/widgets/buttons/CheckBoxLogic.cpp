#include "widgets/buttons/CheckBoxLogic.h"

#include <algorithm>
#include <climits>

#include "control/SkinLogic.h"

namespace vo {

namespace {

// Box size and gap are public fields an owner may set to anything; sums of
// them must not overflow.
int SaturatingSum(long long a, long long b, long long c = 0) {
    const long long sum = a + b + c;
    return static_cast<int>(std::clamp<long long>(sum, INT_MIN, INT_MAX));
}

}  // namespace

bool IsPressedState(int visualState) {
    return visualState == kToggleCheckedPressed || visualState == kToggleUncheckedPressed;
}

void SetToggleChecked(ToggleModel& model, bool checked) {
    model.visualState = checked ? kToggleChecked : kToggleUnchecked;
    model.checked = checked;
}

void PressToggle(ToggleModel& model) {
    if (model.visualState == kToggleUnchecked)
        model.visualState = kToggleUncheckedPressed;
    else if (model.visualState == kToggleChecked)
        model.visualState = kToggleCheckedPressed;
    model.pressing = true;
}

void MoveToggle(ToggleModel& model, bool inside, bool anyFlag) {
    if (model.visualState == kToggleUncheckedPressed && !inside) {
        model.visualState = kToggleUnchecked;
        model.checked = false;
    } else if (model.visualState == kToggleCheckedPressed && !inside) {
        model.visualState = kToggleChecked;
        model.checked = true;
    } else if (model.visualState == kToggleUnchecked && inside && anyFlag) {
        model.visualState = kToggleUncheckedPressed;
    } else if (model.visualState == kToggleChecked && inside && anyFlag) {
        model.visualState = kToggleCheckedPressed;
    }
}

ToggleNotice ReleaseToggle(ToggleModel& model, ToggleKind kind, bool inside) {
    model.pressing = false;
    if (!inside) {
        CancelTogglePress(model);
        return {};
    }
    if (model.visualState == kToggleUncheckedPressed) {
        SetToggleChecked(model, true);
        return {true, kToggleBecameChecked};
    }
    if (model.visualState == kToggleCheckedPressed) {
        if (kind == ToggleKind::CheckBox) {
            SetToggleChecked(model, false);
            return {true, kToggleBecameUnchecked};
        }
        SetToggleChecked(model, true);
    }
    return {};
}

void CancelTogglePress(ToggleModel& model) {
    model.pressing = false;
    if (model.visualState == kToggleUncheckedPressed)
        SetToggleChecked(model, false);
    else if (model.visualState == kToggleCheckedPressed)
        SetToggleChecked(model, true);
}

int TogglePieceIndex(int visualState, bool enabled) {
    switch (visualState) {
    case kToggleChecked: return enabled ? kToggleChecked : kToggleCheckedPressed;
    case kToggleCheckedPressed: return kToggleCheckedPressed;
    case kToggleUnchecked: return enabled ? kToggleUnchecked : kToggleUncheckedPressed;
    case kToggleUncheckedPressed: return kToggleUncheckedPressed;
    default: return -1;
    }
}

TogglePieceSource ResolveTogglePieceSource(ToggleKind kind, int skinSource) {
    if (skinSource == 0) return TogglePieceSource::Resources;
    if (kind == ToggleKind::CheckBox || skinSource == 1) return TogglePieceSource::Files;
    return TogglePieceSource::None;
}

ToggleSize InitialToggleSize(int width) {
    return {std::max(width, kToggleMinimumWidth), kToggleInitialHeight};
}

ToggleSize ApplyToggleSizeRule(int width, int height, int boxSize, int gap) {
    const int minimumWidth = SaturatingSum(boxSize, gap);
    // A negative height is as meaningless as 0 and would make the paint
    // bitmap fail: both get the box size.
    return {std::max(width, minimumWidth), height <= 0 ? boxSize : height};
}

ToggleFit FitToggleToText(int measuredWidth, int measuredHeight, int externalLeading,
                          int currentHeight, int boxSize) {
    const int height = std::max(SaturatingSum(measuredHeight, externalLeading), currentHeight);
    const int width = SaturatingSum(boxSize, measuredWidth, kToggleDefaultGap);
    return {ApplyToggleSizeRule(width, height, boxSize, kToggleDefaultGap), kToggleDefaultGap};
}

int ToggleBoxTop(int height, int boxSize) {
    return IconOffset(kAlignCentre, height, boxSize, 0, 0);
}

int ToggleCaptionLeft(int boxSize, int gap) { return SaturatingSum(boxSize, gap); }

}  // namespace vo
