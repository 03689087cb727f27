// The skin set as the controls will load it: every named resource from the
// built program, every file from resources\, and the context menu.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "control/Skin.h"

namespace {

struct Piece {
    bool isFile;
    std::wstring name;
    int width;
    int height;
};

std::vector<Piece> ListedPieces() {
    std::ifstream list(VO_SOURCE_DIR "/tools/skingen/skins.tsv");
    std::vector<Piece> pieces;
    std::string line;
    std::getline(list, line);  // column names
    while (std::getline(list, line)) {
        std::istringstream fields(line);
        std::string source, name, width, height;
        if (!std::getline(fields, source, '\t') || !std::getline(fields, name, '\t') ||
            !std::getline(fields, width, '\t') || !std::getline(fields, height, '\t'))
            continue;
        pieces.push_back({source == "file", std::wstring(name.begin(), name.end()), std::stoi(width),
                          std::stoi(height)});
    }
    return pieces;
}

// The loaded piece is a 32-bit DIB section of exactly the listed size.
::testing::AssertionResult IsPieceOfSize(const Bitmap& piece, const Piece& listed) {
    if (!piece) return ::testing::AssertionFailure() << "did not load";
    DIBSECTION section{};
    if (GetObjectW(piece.Get(), sizeof(section), &section) != sizeof(section))
        return ::testing::AssertionFailure() << "is not a DIB section";
    const BITMAP& bm = section.dsBm;
    if (bm.bmWidth != listed.width || bm.bmHeight != listed.height || bm.bmBitsPixel != 32)
        return ::testing::AssertionFailure()
               << bm.bmWidth << " x " << bm.bmHeight << " at " << bm.bmBitsPixel << " bpp";
    return ::testing::AssertionSuccess();
}

class BuiltProgram : public ::testing::Test {
protected:
    void SetUp() override {
        program = LoadLibraryExW(VO_BIN_DIR L"/VoDemo.exe", nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(program, nullptr);
        pieces = ListedPieces();
    }
    void TearDown() override { FreeLibrary(program); }
    HMODULE program = nullptr;
    std::vector<Piece> pieces;
};

}  // namespace

TEST_F(BuiltProgram, EveryNamedResourceLoadsAtItsSize) {
    int resources = 0;
    for (const Piece& piece : pieces) {
        if (piece.isFile) continue;
        ++resources;
        Bitmap loaded = LoadSkinPiece(program, piece.name, SkinSource::Resource, piece.width, piece.height);
        EXPECT_TRUE(IsPieceOfSize(loaded, piece)) << std::string(piece.name.begin(), piece.name.end());
    }
    EXPECT_EQ(resources, 152);
}

TEST_F(BuiltProgram, ResourceNamesMatchWithoutRegardToCase) {
    Bitmap lower = LoadSkinPiece(program, L"button_gray_callendar_icon", SkinSource::Resource, 14, 14);
    EXPECT_TRUE(lower);
    Bitmap missing = LoadSkinPiece(program, L"No_Such_Piece", SkinSource::Resource, 14, 14);
    EXPECT_FALSE(missing);
}

TEST_F(BuiltProgram, EveryFileLoadsFromTheResourcesFolder) {
    // The listed names are paths relative to where the program runs from.
    ASSERT_TRUE(SetCurrentDirectoryW(L"" VO_BIN_DIR));
    int files = 0;
    for (const Piece& piece : pieces) {
        if (!piece.isFile) continue;
        ++files;
        Bitmap loaded = LoadSkinPiece(nullptr, piece.name, SkinSource::File, piece.width, piece.height);
        EXPECT_TRUE(IsPieceOfSize(loaded, piece)) << std::string(piece.name.begin(), piece.name.end());
    }
    EXPECT_EQ(files, 65);
}

TEST_F(BuiltProgram, TheContextMenuHasItsFiveCommandsAndASeparator) {
    HMENU menu = LoadMenuW(program, MAKEINTRESOURCEW(200));
    ASSERT_NE(menu, nullptr);
    HMENU popup = GetSubMenu(menu, 0);
    ASSERT_NE(popup, nullptr);
    ASSERT_EQ(GetMenuItemCount(popup), 6);
    const UINT expectedIds[] = {201, 202, 203, 204, 0, 205};
    const wchar_t* expectedTexts[] = {L"Cut", L"Copy", L"Paste", L"Delete", L"", L"Select All"};
    for (int item = 0; item < 6; ++item) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_ID;
        ASSERT_TRUE(GetMenuItemInfoW(popup, item, TRUE, &info));
        if (item == 4) {
            EXPECT_TRUE(info.fType & MFT_SEPARATOR);
            continue;
        }
        EXPECT_EQ(info.wID, expectedIds[item]);
        wchar_t text[32] = {};
        GetMenuStringW(popup, item, text, 32, MF_BYPOSITION);
        EXPECT_STREQ(text, expectedTexts[item]);
    }
    DestroyMenu(menu);
}

TEST_F(BuiltProgram, TheManifestAsksForTheInvokersLevelWithoutUiAccess) {
    HRSRC found = FindResourceW(program, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));  // RT_MANIFEST
    ASSERT_NE(found, nullptr);
    const auto* text = static_cast<const char*>(LockResource(LoadResource(program, found)));
    ASSERT_NE(text, nullptr);
    const std::string manifest(text, SizeofResource(program, found));
    EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
    EXPECT_NE(manifest.find("uiAccess=\"false\""), std::string::npos);
}
