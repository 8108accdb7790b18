// The editor's limit counts CP932 bytes: a double-byte character that would pass it is
// refused whole, and characters CP932 cannot hold are refused.
#include "framework/GridEditor.h"

#include <gtest/gtest.h>

#include <string>

#include "GridTestHost.h"
#include "framework/Cp932.h"

namespace {

using kor::GridEditor;
using kortest::GridTestHost;

struct FitCase {
    const wchar_t* insert;
    int room;
    size_t units;
};

void PrintTo(const FitCase& c, std::ostream* os) {
    *os << "room " << c.room << " units " << c.units;
}

class GridEditorFit : public ::testing::TestWithParam<FitCase> {};

TEST_P(GridEditorFit, CountsTheUnitsThatFit) {
    EXPECT_EQ(GridEditor::FittingUnits(GetParam().insert, GetParam().room), GetParam().units);
}

INSTANTIATE_TEST_SUITE_P(Cases, GridEditorFit,
                         ::testing::Values(FitCase{L"アイウ", 4, 2}, FitCase{L"アイウ", 5, 2},
                                           FitCase{L"Aあ", 2, 1}, FitCase{L"ｶﾅｶﾅ", 3, 3},
                                           FitCase{L"", 5, 0}, FitCase{L"abc", -1, 3},
                                           FitCase{L"abc", 0, 0},
                                           FitCase{L"a\u00E9b", -1, 1},     // é is not CP932
                                           FitCase{L"a\U0001F600", -1, 1},  // nor a surrogate pair
                                           FitCase{L"①Ⅱ", 4, 2}));          // NEC rows are

struct TypeCase {
    int limit;
    const char* initial;  // the cell text (CP932) when F2 opens the editor
    const wchar_t* typed;
    const char* result;  // the cell text after Enter
};

void PrintTo(const TypeCase& c, std::ostream* os) {
    *os << "limit " << c.limit;
}

class GridEditorTyping : public ::testing::TestWithParam<TypeCase> {};

TEST_P(GridEditorTyping, KeepsTheCellWithinTheLimit) {
    const TypeCase& c = GetParam();
    GridTestHost host;
    host.Fill(3, 3);
    host.Grid().SetTextMatrix(1, 1, c.initial);
    host.Grid().SetRow(1);
    host.Grid().SetCol(1);
    // The screen sets the length for the cell about to be edited.
    host.refuse = [&](int, int) {
        host.Grid().SetEditMaxLength(c.limit);
        return false;
    };
    host.Key(VK_F2);
    ASSERT_TRUE(host.EditorShown());
    host.TypeIntoEditor(c.typed);
    host.EditorKey(VK_RETURN);
    EXPECT_EQ(host.Grid().TextMatrix(1, 1), c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GridEditorTyping,
    ::testing::Values(TypeCase{4, "", L"アイウ", "アイ"}, TypeCase{5, "", L"アイｶﾅ", "アイｶ"},
                      TypeCase{4, "", L"ABCあD", "ABCD"}, TypeCase{3, "", L"あいう", "あ"},
                      TypeCase{3, "", L"Aあい", "Aあ"}, TypeCase{4, "ab", L"振込", "ab振"},
                      TypeCase{0, "", L"長い長いテキスト", "長い長いテキスト"},
                      TypeCase{4, "", L"\u00E9A\u00E9B", "AB"},
                      // Backspace shortens a text that was already longer than the limit.
                      TypeCase{4, "ABCDEF", L"\bX", "ABCDE"}));

// Opens the editor on cell (1, 1) holding text, with a limit.
void OpenEditor(GridTestHost& host, const char* text, int limit) {
    host.Fill(3, 3);
    host.Grid().SetTextMatrix(1, 1, text);
    host.Grid().SetEditMaxLength(limit);
    host.Grid().SetRow(1);
    host.Grid().SetCol(1);
    host.Key(VK_F2);
}

TEST(GridEditorLimit, ReplacingASelectionFreesItsBytes) {
    GridTestHost host;
    OpenEditor(host, "ABCD", 4);
    host.EditorChar(L'あ');  // full: refused
    SendMessageW(host.Editor(), EM_SETSEL, 1, 3);
    host.TypeIntoEditor(L"あい");  // "BC" makes room for one double-byte character
    host.EditorKey(VK_RETURN);
    EXPECT_EQ(host.Grid().TextMatrix(1, 1), "AあD");
}

TEST(GridEditorLimit, PasteTakesTheWholeCharactersThatFit) {
    GridTestHost host;
    OpenEditor(host, "", 5);
    const std::wstring clip = L"あいう\r\nX";
    ASSERT_TRUE(OpenClipboard(host.Dialog()));
    EmptyClipboard();
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, (clip.size() + 1) * sizeof(wchar_t));
    ASSERT_TRUE(mem);
    memcpy(GlobalLock(mem), clip.c_str(), (clip.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(mem);
    SetClipboardData(CF_UNICODETEXT, mem);  // the clipboard owns it now
    CloseClipboard();
    SendMessageW(host.Editor(), WM_PASTE, 0, 0);
    host.EditorChar(L'Z');
    host.EditorKey(VK_RETURN);
    EXPECT_EQ(host.Grid().TextMatrix(1, 1), "あいZ");
}

TEST(GridEditorLimit, TextThatBypassesTheKeysIsTakenBackWhenTooLong) {
    // An input method puts its result straight into the EDIT.
    GridTestHost host;
    OpenEditor(host, "AB", 4);
    SendMessageW(host.Editor(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"あいう"));
    SendMessageW(host.Editor(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"\u00E9"));
    SendMessageW(host.Editor(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"ｶﾅ"));
    host.EditorKey(VK_RETURN);
    EXPECT_EQ(host.Grid().TextMatrix(1, 1), "ABｶﾅ");
}

}  // namespace
