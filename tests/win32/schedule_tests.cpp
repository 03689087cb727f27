// The schedule viewer on a real gradient parent under Wine: the bar and its
// entries drawn from their pieces, hover notifications from real pointer
// moves, a parent deleting it from them, leaks and a message storm.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <map>
#include <memory>
#include <vector>

#include "control/Skin.h"
#include "harness/Deletion.h"
#include "harness/LeakCheck.h"
#include "harness/MessageStorm.h"
#include "harness/Pixels.h"
#include "harness/Pump.h"
#include "widgets/time/voScheduleViewer.h"

namespace {

constexpr std::uint16_t kId = 17;

// The colour of row 12 of a 1 x 24 piece, read from the piece itself.
COLORREF PieceColour(const voScheduleViewer& viewer, const wchar_t* name) {
    Bitmap piece = LoadSkinPiece(viewer.moduleInstance, name, SkinSource::Resource, 1, 24);
    MemoryDC dc;
    SelectedObject selected(dc.Get(), piece.Get());
    return GetPixel(dc.Get(), 0, 12);
}

class ScheduleTest : public ::testing::Test {
protected:
    // The demonstration's entries: 1 to 4, 5 to 7 and 9 to 11 o'clock.
    template <class Viewer = voScheduleViewer>
    Viewer* Make() {
        auto* viewer = parent.Place(new Viewer(parent.window, kId), 20, 20);
        for (auto [start, end] : {std::pair{1, 4}, {5, 7}, {9, 11}}) {
            ScheduleEntry entry;
            entry.startHour = start;
            entry.endHour = end;
            EXPECT_TRUE(viewer->AddEntry(entry));
        }
        return viewer;
    }

    // Puts the real pointer over a column and tells the viewer it moved.
    void MoveTo(voScheduleViewer* viewer, int column) {
        POINT point{column, 12};
        ClientToScreen(viewer->GetHandle(), &point);
        SetCursorPos(point.x, point.y);
        SendMessageW(viewer->GetHandle(), WM_MOUSEMOVE, 0, MAKELPARAM(column, 12));
    }

    std::vector<int> HighWords(const voScheduleViewer* viewer) const {
        std::vector<int> words;
        for (const RecordedMessage& command : parent.Received(WM_COMMAND)) {
            EXPECT_EQ(LOWORD(command.wParam), kId);
            EXPECT_EQ(command.lParam, reinterpret_cast<LPARAM>(viewer));
            words.push_back(HIWORD(command.wParam));
        }
        return words;
    }

    // Held by pointer: a window's destructor may throw, a fixture's may not.
    std::unique_ptr<DeletingParent> owner = std::make_unique<DeletingParent>();
    DeletingParent& parent = *owner;
};

}  // namespace

TEST_F(ScheduleTest, DrawsTheDivisionsAndEachEntryFromItsPieces) {
    voScheduleViewer* viewer = Make();
    viewer->Redraw(true);
    const PixelImage image = ReadWindowPixels(viewer->GetHandle());
    ASSERT_EQ(std::pair(image.width, image.height), std::pair(288, 24));
    const std::map<char, COLORREF> colour{
        {'b', PieceColour(*viewer, L"ScheduleViewer_LeftRight")},
        {'l', PieceColour(*viewer, L"ScheduleViewer_Center_Line")},
        {'d', PieceColour(*viewer, L"ScheduleViewer_Hour_Line")},
        {'g', PieceColour(*viewer, L"ScheduleViewer_Green_Line")}};
    ASSERT_TRUE(colour.at('l') != colour.at('d') && colour.at('l') != colour.at('g'));
    // Border, line, division or green at these columns:
    const int columns[] = {0,   23,  24,  48,  94,  95,  118, 119, 166,
                           167, 189, 215, 261, 262, 283, 286, 287};
    const char expected[] = "blgggdlggldggldlb";
    for (std::size_t i = 0; i < std::size(columns); ++i)
        EXPECT_TRUE(ColourNear(image.At(columns[i], 12), colour.at(expected[i]), 1)) << columns[i];

    viewer->SetSize(300, 99);  // entries keep their columns
    RECT client{};
    GetClientRect(viewer->GetHandle(), &client);
    EXPECT_EQ(std::pair(client.right, client.bottom), std::pair(302L, 24L));
    EXPECT_EQ(viewer->entries[0].endPixel, 95);
}

TEST_F(ScheduleTest, HoverNotifiesOverAnEntryOnEveryMoveAndOnceWhenItLeaves) {
    voScheduleViewer* viewer = Make();
    parent.Clear();
    MoveTo(viewer, 50);
    ASSERT_TRUE(viewer->entries[0].hovered);
    viewer->Redraw(true);
    EXPECT_TRUE(ColourNear(ReadWindowPixels(viewer->GetHandle()).At(50, 12),
                           PieceColour(*viewer, L"ScheduleViewer_Hovered_Green_Line"), 1));
    for (int column : {60, 100, 101, 130})
        MoveTo(viewer, column);  // 100 and 101 are between entries
    EXPECT_FALSE(viewer->entries[0].hovered);
    EXPECT_TRUE(viewer->entries[1].hovered);
    SendMessageW(viewer->GetHandle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(viewer->entries[1].hovered);
    EXPECT_FALSE(viewer->mouseTracking);
    EXPECT_EQ(HighWords(viewer), (std::vector<int>{1, 1, 0, 1, 0}));
}

TEST_F(ScheduleTest, AParentMayDeleteTheViewerInsideAHoverNotification) {
    for (bool onLeave : {false, true}) {  // over an entry, then leaving the bar
        auto* viewer = Make<Doomed<voScheduleViewer>>();
        const HWND window = viewer->GetHandle();
        parent.Clear();
        parent.deleteOn = 1;
        FaultCounter faults;
        if (onLeave)
            SendMessageW(window, WM_MOUSELEAVE, 0, 0);
        else
            MoveTo(viewer, 50);
        PumpMessages(20);
        EXPECT_EQ(faults.Faults(), 0)
            << "a deleted viewer was touched (on leave " << onLeave << ")";
        EXPECT_FALSE(IsWindow(window));
    }
}

TEST_F(ScheduleTest, PaintingMakesAndLeaksNothing) {
    voScheduleViewer* viewer = Make();
    auto paint = [&](int times) {
        for (int i = 0; i < times; ++i) {
            viewer->entries[i % 3].hovered = !viewer->entries[i % 3].hovered;  // composed again
            viewer->Redraw(true);
        }
    };
    paint(6);
    PumpMessages();
    ExpectPaintsMakeNothing(paint, 10002, 10002);
}

TEST_F(ScheduleTest, AMessageStormKeepsTheEntriesAtAnyWidth) {
    voScheduleViewer* viewer = Make();
    unsigned seed = 5;
    for (int asked : {288, 5, 50000}) {  // too narrow for divisions, wider than a second a pixel
        viewer->SetSize(asked, 0);
        StormOptions options;
        options.seed = seed++;
        options.messages = 800;
        options.checkInvariants = [viewer] {
            ASSERT_TRUE(viewer->width >= 3 && viewer->width <= 43202) << viewer->width;
            ASSERT_GE(viewer->secondsPerPixel, 1u);
            ASSERT_EQ(viewer->entries.size(), 3u);
        };
        EXPECT_TRUE(RunMessageStorm(viewer->GetHandle(), options)) << asked;
    }
    for (int word : HighWords(viewer)) EXPECT_TRUE(word == 0 || word == 1);
}

// Two bars for a person to look at: VO_HOLD_MS keeps them on screen.
TEST_F(ScheduleTest, DISABLED_ShowTheLooks) {
    voScheduleViewer* viewer = Make();
    viewer->entries[1].hovered = true;
    viewer->Redraw(true);
    ScheduleEntry whole;
    whole.kind = vo::kWholeSpan;
    parent.Place(new voScheduleViewer(parent.window, kId + 1), 20, 60)->AddEntry(whole);
    PumpMessages(50);
    if (const char* hold = std::getenv("VO_HOLD_MS"))
        PumpMessages(static_cast<DWORD>(std::atoi(hold)));
}
