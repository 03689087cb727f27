// The sliders on a real gradient parent under Wine: sizes, press, drag and
// release with their notifications, focus, the grip and the labels on screen,
// leaks, storms, and a parent that deletes a slider in its notification.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "harness/Compose.h"
#include "harness/Deletion.h"
#include "harness/LeakCheck.h"
#include "harness/MessageStorm.h"
#include "harness/Pieces.h"
#include "harness/Pump.h"
#include "widgets/range/voHSlider.h"
#include "widgets/range/voVSlider.h"

namespace {

constexpr std::uint16_t kId = 32;

void Send(voSlider* slider, UINT message, WPARAM keys, int x, int y) {
    SendMessageW(slider->GetHandle(), message, keys,
                 MAKELPARAM(static_cast<WORD>(static_cast<short>(x)),
                            static_cast<WORD>(static_cast<short>(y))));
}

// The count a slider keeps to itself.
struct Hidden : voSlider {
    using voSlider::positionCount;
};
std::uint32_t Count(voSlider* slider) { return slider->*(&Hidden::positionCount); }

std::vector<LONG> Sizes(std::initializer_list<voAbstractControl*> controls) {
    std::vector<LONG> sizes;
    for (voAbstractControl* control : controls) {
        RECT client{};
        GetClientRect(control->GetHandle(), &client);
        sizes.insert(sizes.end(), {client.right, client.bottom});
    }
    return sizes;
}

class SliderTest : public ::testing::Test {
protected:
    // Ten positions labelled 0% ... 90%, configured before it is shown.
    template <class Slider>
    Slider* Make(int x, int y, std::uint16_t id = kId) {
        auto* slider = new Slider(parent.window, id);
        slider->SetSize(10, 10);
        slider->labelStep = 10;
        slider->labelSuffix = L'%';
        return parent.Place(slider, x, y);
    }
    std::vector<RecordedMessage> Commands() const { return parent.Received(WM_COMMAND); }

    std::unique_ptr<DeletingParent> owner = std::make_unique<DeletingParent>();
    DeletingParent& parent = *owner;
};

}  // namespace

TEST_F(SliderTest, SetSizeCountsPositionsAlongTheAxisNeverFewerThanTwo) {
    auto* h = parent.Place(new voHSlider(parent.window, kId), 10, 10);
    auto* v = parent.Place(new voVSlider(parent.window, kId + 1), 300, 10);
    EXPECT_EQ(h->kind + v->kind, 20);
    EXPECT_EQ(Sizes({h, v}), (std::vector<LONG>{57, 27, 41, 57}));
    h->SetSize(10, 0);
    v->SetSize(0, 10);
    EXPECT_EQ(Count(h), 10u);
    EXPECT_EQ(Sizes({h, v}), (std::vector<LONG>{257, 27, 41, 257}));
    h->SetSize(1, 50);
    EXPECT_EQ(Count(h), 2u);
    EXPECT_EQ(Sizes({h}), (std::vector<LONG>{57, 27}));
}

TEST_F(SliderTest, APressSelectsSilentlyADragNotifiesEachNewPositionAndEveryReleaseNotifies) {
    auto* h = Make<voHSlider>(20, 20);
    auto* v = Make<voVSlider>(300, 20, kId + 1);
    Send(h, WM_LBUTTONDOWN, MK_LBUTTON, 83, 10);  // position 3
    EXPECT_EQ(h->selectedIndex, 3u);
    EXPECT_EQ(GetCapture(), h->GetHandle());
    EXPECT_EQ(GetFocus(), h->GetHandle());
    EXPECT_TRUE(Commands().empty());
    const int moves[][2] = {{90, 10}, {110, 10}, {135, 10}, {140, 5}, {400, -30}, {20, 80}};
    const unsigned selected[] = {3, 4, 5, 5, 5, 0};  // only x counts; far past the end is none
    for (int i = 0; i < 6; ++i) {
        Send(h, WM_MOUSEMOVE, MK_LBUTTON, moves[i][0], moves[i][1]);
        EXPECT_EQ(h->selectedIndex, selected[i]) << "move " << i;
    }
    EXPECT_EQ(Commands().size(), 3u);
    Send(h, WM_LBUTTONUP, 0, 20, 80);
    EXPECT_NE(GetCapture(), h->GetHandle());
    Send(h, WM_LBUTTONDOWN, MK_LBUTTON, 100, 22);  // on the labels: nothing selected
    Send(h, WM_LBUTTONUP, 0, 100, 22);
    EXPECT_EQ(h->selectedIndex, 0u);
    ASSERT_EQ(Commands().size(), 5u);
    for (const auto& command : Commands()) {
        EXPECT_EQ(command.wParam, MAKEWPARAM(kId, 0));
        EXPECT_EQ(command.lParam, reinterpret_cast<LPARAM>(h->GetHandle()));
    }

    // The vertical slider works on y; its loss of focus reaches the parent.
    parent.Clear();
    Send(v, WM_LBUTTONDOWN, MK_LBUTTON, 10, 58);
    Send(v, WM_MOUSEMOVE, MK_LBUTTON, 200, 160);
    EXPECT_EQ(v->selectedIndex, 6u);
    Send(v, WM_LBUTTONUP, 0, 200, 160);
    SetFocus(nullptr);
    ASSERT_EQ(Commands().size(), 2u);
    EXPECT_EQ(Commands()[1].lParam, reinterpret_cast<LPARAM>(v->GetHandle()));
    ASSERT_EQ(parent.Received(WM_KILLFOCUS).size(), 1u);
    EXPECT_EQ(parent.Received(WM_KILLFOCUS)[0].wParam, 0u);
}

namespace {

// `image` with the label of each position i drawn as it should be: `prefix`
// 10 i %, 12-pixel Tahoma, black, one line, vertically centred in `area(i)`.
template <class Area>
PixelImage WithLabels(const PixelImage& image, const std::wstring& prefix, UINT alignment,
                      Area area) {
    Font font(CreateFontW(12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                          OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, 0, L"Tahoma"));
    return DrawOver(image, [&](HDC dc) {
        SelectedObject selected(dc, font.Get());
        SetBkMode(dc, TRANSPARENT);
        for (int i = 0; i < 10; ++i) {
            const std::wstring text = prefix + std::to_wstring(10 * i) + L"%";
            RECT rect = area(i);
            DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect,
                      alignment | DT_VCENTER | DT_SINGLELINE);
        }
    });
}

PieceLayer Rail(int length) {
    return {L"HSlider_Center_Line", SkinSource::Resource, 9, 1, 1, 18, length - 18};
}
PieceLayer Grip(int x) { return {L"HSlider_Grip", SkinSource::Resource, x, 0, 5, 19}; }

}  // namespace

TEST_F(SliderTest, TheGripSitsOnTheSelectedPositionAndTheLabelsReadPrefixNumberSuffix) {
    auto* h = Make<voHSlider>(20, 20);
    auto* v = Make<voVSlider>(300, 20, kId + 1);
    h->labelPrefix = L'-';
    h->selectedIndex = 3;
    h->Redraw(true);
    const PixelImage shown = ReadWindowPixels(h->GetHandle());
    const PixelImage background = BackgroundBehind(*h);
    // Above the labels, between two separators: the rail under the grip.
    EXPECT_TRUE(
        SameImage(CropImage(shown, 80, 0, 20, 17),
                  CropImage(ComposePieces(background, {Rail(257), Grip(88)}), 80, 0, 20, 17), 2));

    // Below the rail: the band and -0% ... -90%, centred under the positions.
    const PixelImage band = ComposePieces(
        background, {{L"HSlider_Vertical_Bkg", SkinSource::Resource, 8, 17, 1, 11, 241}});
    auto under = [](int i) { return RECT{8 + 25 * i, 17, 29 + 25 * i, 27}; };
    const PixelImage labels = CropImage(shown, 0, 19, 257, 8);
    EXPECT_TRUE(
        SameImage(labels, CropImage(WithLabels(band, L"-", DT_CENTER, under), 0, 19, 257, 8), 2));
    EXPECT_FALSE(
        SameImage(labels, CropImage(WithLabels(band, L"", DT_CENTER, under), 0, 19, 257, 8), 2))
        << "the oracle must see a missing prefix";

    // The vertical labels are left-aligned beside the positions, right of the grip.
    const PixelImage vBand =
        ComposePieces(BackgroundBehind(*v),
                      {{L"VSlider_Horizontal_Bkg", SkinSource::Resource, 17, 8, 11, 1, 241, true}});
    auto beside = [](int i) { return RECT{16, 17 + 25 * i, 41, 27 + 25 * i}; };
    EXPECT_TRUE(SameImage(CropImage(ReadWindowPixels(v->GetHandle()), 19, 0, 22, 257),
                          CropImage(WithLabels(vBand, L"", DT_LEFT, beside), 19, 0, 22, 257), 2));

    // A selection beyond a shrunk count shows the grip on the last position.
    h->selectedIndex = 9;
    h->SetSize(3, 0);
    EXPECT_TRUE(SameImage(
        CropImage(ReadWindowPixels(h->GetHandle()), 55, 0, 15, 17),
        CropImage(ComposePieces(BackgroundBehind(*h), {Rail(82), Grip(63)}), 55, 0, 15, 17), 2));
    EXPECT_EQ(h->selectedIndex, 9u);
}

TEST_F(SliderTest, TenThousandPaintsOfEveryPositionMakeAndLeakNothing) {
    voSlider* sliders[] = {Make<voHSlider>(20, 20), Make<voVSlider>(300, 20, kId + 1)};
    auto paint = [&](int rounds) {
        for (int round = 0; round < rounds; ++round)
            for (voSlider* slider : sliders)
                for (std::uint32_t index = 0; index < 10; ++index) {
                    slider->selectedIndex = index;
                    slider->Redraw(true);  // composes anew
                }
    };
    paint(1);
    PumpMessages();
    ExpectPaintsMakeNothing(paint, 500, 10000);  // 10,000 paints
}

TEST_F(SliderTest, MessageStormsKeepTheSelectionOnAPosition) {
    unsigned seed = 5;
    for (voSlider* slider : {static_cast<voSlider*>(Make<voHSlider>(20, 20)),
                             static_cast<voSlider*>(Make<voVSlider>(300, 20, kId + 1))}) {
        const std::vector<LONG> size = Sizes({slider});
        StormOptions options;
        options.seed = seed++;
        options.checkInvariants = [&] {
            EXPECT_LT(slider->selectedIndex, 10u);
            EXPECT_EQ(Count(slider), 10u);
            EXPECT_EQ(Sizes({slider}), size);
        };
        EXPECT_TRUE(RunMessageStorm(slider->GetHandle(), options));
    }
    for (const auto& command : Commands()) EXPECT_EQ(HIWORD(command.wParam), 0);
    EXPECT_FALSE(Commands().empty());
}

TEST_F(SliderTest, AParentThatDeletesTheSliderInItsNotificationStopsItThere) {
    for (UINT second : {WM_MOUSEMOVE, WM_LBUTTONUP}) {  // a drag to another position, a release
        voSlider* slider = Make<Doomed<voHSlider>>(20, 20);
        const HWND window = slider->GetHandle();
        parent.Clear();
        parent.deleteOn = 1;
        Send(slider, WM_LBUTTONDOWN, MK_LBUTTON, 10, 10);
        Send(slider, second, MK_LBUTTON, 60, 10);  // a touch of the deleted slider faults
        PumpMessages(50);
        EXPECT_FALSE(IsWindow(window));
        EXPECT_EQ(Commands().size(), 1u);
    }
}
