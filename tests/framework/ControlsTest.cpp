// Control views: text crosses the window boundary as CP932 and comes back byte for byte.
#include "framework/Controls.h"

#include <gtest/gtest.h>

#include "FrameworkTestDialog.h"
#include "framework/App.h"
#include "framework/DialogBase.h"

namespace {

class ControlsTest : public testing::Test {
protected:
    void SetUp() override {
        kor::InitCommonControlClasses();
        ASSERT_TRUE(dialog.Create());
    }
    kor::CDialogBase dialog{IDD_FRAMEWORK_TEST};
};

// Kanji, half-width kana, "ソ" and "表" (second byte 0x5C) and an NEC special character.
const char kJapanese[] = "振込依頼人 ｶﾅ ソ表 ①";
const wchar_t kJapaneseWide[] = L"振込依頼人 ｶﾅ ソ表 ①";

TEST_F(ControlsTest, EditTextRoundTrip) {
    const kor::CEditView edit = dialog.Edit(IDC_FT_EDIT);
    edit.SetText(kJapanese);
    wchar_t shown[64] = {};
    GetWindowTextW(edit.Hwnd(), shown, 64);
    EXPECT_STREQ(shown, kJapaneseWide);
    EXPECT_EQ(edit.GetText(), kJapanese);
    // Typed by a user: what the window holds reads back as CP932.
    SetWindowTextW(edit.Hwnd(), L"ﾃｽﾄ　全角");
    EXPECT_EQ(dialog.GetItemText(IDC_FT_EDIT), "ﾃｽﾄ　全角");
    edit.SetText("");
    EXPECT_EQ(edit.GetText(), "");
}

TEST_F(ControlsTest, ComboItems) {
    const kor::CComboView combo = dialog.Combo(IDC_FT_COMBO);
    EXPECT_EQ(combo.GetCurSel(), -1);
    EXPECT_EQ(combo.AddString("一"), 0);
    EXPECT_EQ(combo.AddString(kJapanese), 1);
    EXPECT_EQ(combo.InsertString(0, "ｾﾞﾛ"), 0);
    EXPECT_EQ(combo.GetCount(), 3);
    EXPECT_EQ(combo.GetLBText(2), kJapanese);
    EXPECT_EQ(combo.GetLBText(5), "");
    EXPECT_EQ(combo.FindStringExact(-1, kJapanese), 2);
    EXPECT_EQ(combo.FindStringExact(-1, "振込"), CB_ERR);
    combo.SetItemData(2, 77);
    EXPECT_EQ(combo.GetItemData(2), 77);
    combo.SetCurSel(2);
    EXPECT_EQ(combo.GetCurSel(), 2);
    EXPECT_EQ(combo.GetText(), kJapanese);
    combo.DeleteString(0);
    EXPECT_EQ(combo.GetLBText(0), "一");
    combo.ResetContent();
    EXPECT_EQ(combo.GetCount(), 0);
}

TEST_F(ControlsTest, EditableComboText) {
    const kor::CComboView combo = dialog.Combo(IDC_FT_COMBO_EDITABLE);
    combo.SetText(kJapanese);
    EXPECT_EQ(combo.GetText(), kJapanese);
}

TEST_F(ControlsTest, ListBoxItems) {
    const kor::CListBoxView list = dialog.ListBox(IDC_FT_LIST);
    EXPECT_EQ(list.AddString("金融機関コード"), 0);
    EXPECT_EQ(list.AddString(kJapanese), 1);
    EXPECT_EQ(list.InsertString(1, "口座番号"), 1);
    EXPECT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list.GetItemText(2), kJapanese);
    EXPECT_EQ(list.FindStringExact(-1, "口座番号"), 1);
    list.SetItemData(1, 5);
    EXPECT_EQ(list.GetItemData(1), 5);
    list.SetCurSel(1);
    EXPECT_EQ(list.GetCurSel(), 1);
    list.DeleteString(0);
    EXPECT_EQ(list.GetItemText(0), "口座番号");
    list.ResetContent();
    EXPECT_EQ(list.GetCount(), 0);
}

TEST_F(ControlsTest, ButtonsStaticsAndProgressBar) {
    const kor::CButtonView radio = dialog.Button(IDC_FT_RADIO2);
    radio.SetCheck(true);
    EXPECT_TRUE(radio.IsChecked());
    radio.SetCheck(false);
    EXPECT_FALSE(radio.IsChecked());
    dialog.Window(IDC_FT_LABEL).SetText("依頼人コード");
    EXPECT_EQ(dialog.GetItemText(IDC_FT_LABEL), "依頼人コード");

    const kor::CProgressView bar = dialog.Progress(IDC_FT_PROGRESS);
    bar.SetRange(0, 50000);
    bar.SetPos(40000);
    EXPECT_EQ(bar.GetPos(), 40000);
    dialog.EnableItem(IDC_FT_EDIT, false);
    EXPECT_FALSE(dialog.Edit(IDC_FT_EDIT).IsEnabled());
}

TEST(ControlViews, AViewOfNoWindowReadsAsEmpty) {
    const kor::CComboView combo;
    EXPECT_EQ(combo.GetText(), "");
    EXPECT_EQ(combo.GetLBText(0), "");
    EXPECT_EQ(combo.GetCount(), 0);
}

}  // namespace
