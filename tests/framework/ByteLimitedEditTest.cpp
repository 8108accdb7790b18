// An edit limited in CP932 bytes: typing and pasting stop where the next character would pass
// the limit, a double-byte character counting twice and never cut in half.
#include "framework/ByteLimitedEdit.h"

#include <gtest/gtest.h>

#include <string>

#include "FrameworkTestDialog.h"
#include "framework/App.h"
#include "framework/Cp932.h"
#include "framework/DialogBase.h"

namespace {

class Dialog : public kor::CDialogBase {
public:
    Dialog() : CDialogBase(IDD_FRAMEWORK_TEST) {}
    ~Dialog() override { DestroyWindow(); }
};

enum class Input { kType, kPaste };

struct LimitCase {
    const char* name;
    int control;           // an edit or an editable combo box
    const wchar_t* start;  // the text before; the caret at its end
    Input input;
    const wchar_t* text;  // typed one character at a time, or pasted at once
    const wchar_t* expected;
};

void PrintTo(const LimitCase& c, std::ostream* os) {
    *os << c.name;
}

constexpr int kLimit = 6;

class ByteLimitedEditTest : public testing::TestWithParam<LimitCase> {
protected:
    void SetUp() override {
        kor::InitCommonControlClasses();
        ASSERT_TRUE(dialog.Create());
    }

    static void Paste(HWND edit, const wchar_t* text) {
        ASSERT_TRUE(OpenClipboard(edit));
        EmptyClipboard();
        const size_t bytes = (wcslen(text) + 1) * sizeof(wchar_t);
        HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, bytes);
        ASSERT_NE(mem, nullptr);
        memcpy(GlobalLock(mem), text, bytes);
        GlobalUnlock(mem);
        SetClipboardData(CF_UNICODETEXT, mem);  // the clipboard owns it now
        CloseClipboard();
        SendMessageW(edit, WM_PASTE, 0, 0);
    }

    Dialog dialog;
    kor::CByteLimitedEdit limited;
};

TEST_P(ByteLimitedEditTest, StopsAtTheLimitInBytes) {
    const LimitCase& c = GetParam();
    ASSERT_TRUE(limited.Attach(dialog.Item(c.control), kLimit));
    HWND edit = limited.Edit();
    // Text set by the program is not limited.
    SetWindowTextW(edit, c.start);
    const auto end = static_cast<WPARAM>(wcslen(c.start));
    SendMessageW(edit, EM_SETSEL, end, end);
    if (c.input == Input::kType) {
        for (const wchar_t* ch = c.text; *ch; ++ch) SendMessageW(edit, WM_CHAR, *ch, 0);
    } else {
        Paste(edit, c.text);
    }
    EXPECT_EQ(dialog.GetItemText(c.control), kor::ToCp932(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ByteLimitedEditTest,
    testing::Values(LimitCase{"TypedSingleBytesUpToTheLimit", IDC_FT_EDIT, L"", Input::kType,
                              L"abcdefg", L"abcdef"},
                    LimitCase{"TypedDoubleBytesCountTwice", IDC_FT_EDIT, L"", Input::kType,
                              L"あいうえ", L"あいう"},
                    LimitCase{"ADoubleByteThatWouldPassIsRefusedWhole", IDC_FT_EDIT, L"abcde",
                              Input::kType, L"あb", L"abcdeb"},
                    LimitCase{"HalfWidthKanaIsOneByte", IDC_FT_EDIT, L"あい", Input::kType, L"ｱｲｳ",
                              L"あいｱｲ"},
                    LimitCase{"PastedTextIsCutAtACharacter", IDC_FT_EDIT, L"a", Input::kPaste,
                              L"あいう", L"aあい"},
                    LimitCase{"PastedTextThatFitsGoesInWhole", IDC_FT_EDIT, L"", Input::kPaste,
                              L"aあい", L"aあい"},
                    LimitCase{"APasteAtTheLimitAddsNothing", IDC_FT_EDIT, L"あいう", Input::kPaste,
                              L"x", L"あいう"},
                    LimitCase{"APasteTakesTheFirstLineOnly", IDC_FT_EDIT, L"", Input::kPaste,
                              L"ab\r\ncd", L"ab"},
                    LimitCase{"TheComboBoxFieldIsLimitedToo", IDC_FT_COMBO_EDITABLE, L"ab",
                              Input::kType, L"あいう", L"abあい"},
                    LimitCase{"APasteIntoTheComboBoxField", IDC_FT_COMBO_EDITABLE, L"",
                              Input::kPaste, L"ｶﾅｶﾅあい", L"ｶﾅｶﾅあ"}),
    [](const testing::TestParamInfo<LimitCase>& info) { return std::string(info.param.name); });

TEST_F(ByteLimitedEditTest, TypingOverASelectionCountsOnlyWhatStays) {
    ASSERT_TRUE(limited.Attach(dialog.Item(IDC_FT_EDIT), kLimit));
    HWND edit = limited.Edit();
    SetWindowTextW(edit, L"あいう");
    SendMessageW(edit, EM_SETSEL, 1, 2);  // い
    SendMessageW(edit, WM_CHAR, L'え', 0);
    EXPECT_EQ(dialog.GetItemText(IDC_FT_EDIT), "あえう");
    // Backspace and the other control keys keep their meaning at the limit.
    SendMessageW(edit, EM_SETSEL, 3, 3);
    SendMessageW(edit, WM_CHAR, VK_BACK, 0);
    EXPECT_EQ(dialog.GetItemText(IDC_FT_EDIT), "あえ");
}

TEST_F(ByteLimitedEditTest, AnEditLetGoTakesAsManyCharactersAsItsCharacterLimit) {
    ASSERT_TRUE(limited.Attach(dialog.Item(IDC_FT_EDIT), kLimit));
    limited.Detach();
    HWND edit = dialog.Item(IDC_FT_EDIT);
    for (const wchar_t* ch = L"あいうえおか"; *ch; ++ch) SendMessageW(edit, WM_CHAR, *ch, 0);
    EXPECT_EQ(dialog.GetItemText(IDC_FT_EDIT), "あいうえおか");
}

TEST_F(ByteLimitedEditTest, AControlWithoutAnEditIsRefused) {
    EXPECT_FALSE(limited.Attach(dialog.Item(IDC_FT_LIST), kLimit));
    EXPECT_EQ(limited.Edit(), nullptr);
}

}  // namespace
