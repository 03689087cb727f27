// The test prefix's fonts: the faces the controls ask for exist, and Japanese
// and Russian text falls back to glyphs rather than empty boxes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "control/Skin.h"

namespace {

// The glyph pixels of `text` in `face`, as a black-on-white picture.
std::vector<COLORREF> Render(const wchar_t* face, const std::wstring& text) {
    WindowDC screen(nullptr);
    MemoryDC memory(screen.Get());
    Bitmap canvas(CreateCompatibleBitmap(screen.Get(), 60, 24));
    SelectedObject selected(memory.Get(), canvas.Get());
    RECT area{0, 0, 60, 24};
    FillRect(memory.Get(), &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    CaptionFont font;
    font.height = 18;
    font.face = face;
    DrawCaption(memory.Get(), text, area, font, CaptionStyle{0, 0, 0, 0});
    std::vector<COLORREF> pixels;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 60; ++x) pixels.push_back(GetPixel(memory.Get(), x, y));
    return pixels;
}

int Inked(const std::vector<COLORREF>& pixels) {
    int inked = 0;
    for (COLORREF pixel : pixels) inked += pixel != RGB(255, 255, 255);
    return inked;
}

std::wstring FaceChosenFor(const wchar_t* face) {
    WindowDC screen(nullptr);
    CaptionFont description;
    description.face = face;
    Font font = CreateCaptionFont(description);
    SelectedObject selected(screen.Get(), font.Get());
    wchar_t chosen[LF_FACESIZE] = {};
    GetTextFaceW(screen.Get(), LF_FACESIZE, chosen);
    return chosen;
}

}  // namespace

TEST(Fonts, TahomaIsRealAndTheOtherFacesResolve) {
    EXPECT_EQ(FaceChosenFor(L"Tahoma"), L"Tahoma");
    for (const wchar_t* face : {L"Georgia", L"Times New Roman", L"Courier New"})
        EXPECT_GT(Inked(Render(face, L"Ag")), 20) << face;
    // Serif and monospace faces differ from Tahoma's sans serif.
    EXPECT_NE(Render(L"Georgia", L"Ag"), Render(L"Tahoma", L"Ag"));
    EXPECT_NE(Render(L"Courier New", L"iiii"), Render(L"Tahoma", L"iiii"));
}

TEST(Fonts, JapaneseAndRussianDrawDistinctGlyphs) {
    for (const wchar_t* face : {L"Tahoma", L"Georgia", L"Times New Roman", L"Courier New"}) {
        // Missing glyphs all draw the same box; real ones differ from each other.
        const auto sun = Render(face, L"\u65E5");
        const auto book = Render(face, L"\u672C");
        EXPECT_GT(Inked(sun), 10) << face;
        EXPECT_NE(sun, book) << face;
        const auto zhe = Render(face, L"\u0416");
        const auto ya = Render(face, L"\u042F");
        EXPECT_GT(Inked(zhe), 10) << face;
        EXPECT_NE(zhe, ya) << face;
    }
}
