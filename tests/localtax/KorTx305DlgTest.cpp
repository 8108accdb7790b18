// Requester screen TX305 on its real template over a requester master in a folder of its own: the
// stored record shown, the checks of 更新 in their order with message and focus, the master's
// bytes after a save, a failed write, the question before leaving, the kana input method on
// every line, and the screen opened from the main screen.
#include "localtax/KorTx305Dlg.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "framework/App.h"
#include "framework/Cp932.h"
#include "framework/UniqueHandle.h"
#include "localtax/KorTx300Dlg.h"
#include "resources/localtax/KorTx300DlgRes.h"
#include "resources/localtax/KorTx305DlgRes.h"
#include "support/FormCase.h"
#include "support/HeaderRecordScreenTest.h"
#include "support/MessageScript.h"
#include "support/ScreenActions.h"
#include "support/ScreenTest.h"
#include "support/SubScreen.h"
#include "support/TestPaths.h"

namespace {

using kortest::MessageIds;
using Ids = std::vector<int>;

constexpr char kMaster[] = "mstKORTX302.ini";
// A record as the program writes it: four quoted fields, the line ended by CR CR LF.
constexpr char kStored[] = "\"ｶ)ﾁﾎｳｾﾞｲ\",\"ｼｼﾔ\",\"ﾄｳｷｮｳﾄ ﾁﾖﾀﾞｸ\",\"1-2-3\"\r\r\n";

class Tx305Test : public testing::Test {
protected:
    void SetUp() override {
        kor::InitCommonControlClasses();
        folder = kortest::ScratchDirOfTest();
        folder.pop_back();  // the program folder as the main screen hands it over
        screen = std::make_unique<tx::CKorTx305Dlg>(kor::kScreenColor, nullptr, &messages, folder);
    }
    std::string MasterPath() const { return folder + "\\" + kMaster; }
    void Store(const std::string& bytes) const {
        ASSERT_TRUE(kortest::WriteBytes(MasterPath(), bytes));
    }
    std::string Stored() const { return kortest::ReadBytes(MasterPath()); }
    void Open() {
        ASSERT_TRUE(screen->Create());
        hwnd = screen->GetSafeHwnd();
        kortest::ShowScreen(hwnd);
    }
    void Set(int id, const char* text) const { screen->SetItemText(id, text); }
    std::string Get(int id) const { return screen->GetItemText(id); }
    // A record that passes every check, its second lines empty.
    static tx::CRequesterInfo ValidRecord() { return {"ｶ)ｼﾝｷ", "", "ｵｵｻｶﾌ", ""}; }
    // Types record into the four lines.
    void Fill(const tx::CRequesterInfo& record) const {
        Set(IDC_TX305_NAME1, record.name1.c_str());
        Set(IDC_TX305_NAME2, record.name2.c_str());
        Set(IDC_TX305_ADDRESS1, record.address1.c_str());
        Set(IDC_TX305_ADDRESS2, record.address2.c_str());
    }
    void FillValid() const { Fill(ValidRecord()); }

    std::string folder;
    kortest::MessageScript unexpected;  // answers any box that a test does not script
    kortest::TaggedMessages messages{KOR_TX_PROGRAM_DIR "\\mstKORTX001.ini"};
    std::unique_ptr<tx::CKorTx305Dlg> screen;
    HWND hwnd = nullptr;
};

TEST_F(Tx305Test, OpensWithTheStoredRecordAndLinesLimitedInBytes) {
    Store(kStored);
    Open();
    EXPECT_EQ(Get(IDC_TX305_VERSION), "(Ver4.01)");
    EXPECT_EQ(Get(IDC_TX305_NAME1), "ｶ)ﾁﾎｳｾﾞｲ");
    EXPECT_EQ(Get(IDC_TX305_NAME2), "ｼｼﾔ");
    EXPECT_EQ(Get(IDC_TX305_ADDRESS1), "ﾄｳｷｮｳﾄ ﾁﾖﾀﾞｸ");
    EXPECT_EQ(Get(IDC_TX305_ADDRESS2), "1-2-3");
    EXPECT_EQ(screen->FieldInError(), 0);
    // A double-byte character counts twice: typing stops at the master field's width.
    const struct {
        int id;
        size_t width;
    } lines[] = {{IDC_TX305_NAME1, 20},
                 {IDC_TX305_NAME2, 20},
                 {IDC_TX305_ADDRESS1, 25},
                 {IDC_TX305_ADDRESS2, 25}};
    for (const auto& line : lines) {
        kortest::Type(screen->Item(line.id), L"ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎ");
        EXPECT_EQ(Get(line.id).size(), line.width) << line.id;
        kortest::Type(screen->Item(line.id), L"漢字漢字漢字漢字漢字漢字漢字");
        EXPECT_EQ(Get(line.id).size(), line.width - line.width % 2) << line.id;
    }
}

TEST_F(Tx305Test, WithoutAMasterTheLinesStayEmpty) {
    Open();
    for (int id : {IDC_TX305_NAME1, IDC_TX305_NAME2, IDC_TX305_ADDRESS1, IDC_TX305_ADDRESS2})
        EXPECT_EQ(Get(id), "") << id;
}

// A change made to a valid record typed into the lines, the message 更新 then shows first with
// its word, and the line in error and focused (0 for none).
using CheckCase = kortest::FormCase<tx::CRequesterInfo>;

class Tx305CheckTest : public Tx305Test, public testing::WithParamInterface<CheckCase> {};

TEST_P(Tx305CheckTest, FirstFailingCheckShowsItsMessageAndMarksItsLine) {
    const CheckCase& c = GetParam();
    Store(kStored);
    Open();
    tx::CRequesterInfo form = ValidRecord();
    c.change(form);
    Fill(form);
    kortest::MessageScript script({IDCANCEL});
    kortest::Click(hwnd, IDC_TX305_UPDATE);
    ASSERT_EQ(MessageIds(script.Shown()), Ids{c.message});
    EXPECT_EQ(script.Shown()[0].text, messages.Text(c.message, c.word1));
    EXPECT_EQ(screen->FieldInError(), c.field);
    if (c.field != 0) {
        EXPECT_EQ(kortest::FocusedId(hwnd), c.field);
    }
    EXPECT_EQ(Stored(), kStored);
}

constexpr char kWide[] = "ｶﾅ漢字";
using R = tx::CRequesterInfo;
INSTANTIATE_TEST_SUITE_P(
    Cases, Tx305CheckTest,
    testing::Values(
        // Emptiness comes before every character check.
        CheckCase{"EmptyName1First",
                  [](R& r) { r.name1.clear(), r.address1.clear(), r.name2 = kWide; }, 7,
                  "依頼人名(ｶﾅ)", "", IDC_TX305_NAME1},
        CheckCase{"EmptyAddress1BeforeCharacters",
                  [](R& r) { r.address1.clear(), r.name1 = kWide; }, 7, "住所(ｶﾅ)", "",
                  IDC_TX305_ADDRESS1},
        CheckCase{"WideName1", [](R& r) { r.name1 = kWide, r.address2 = kWide; }, 13, "", "",
                  IDC_TX305_NAME1},
        CheckCase{"WideName2", [](R& r) { r.name2 = kWide, r.address1 = kWide; }, 13, "", "",
                  IDC_TX305_NAME2},
        CheckCase{"WideAddress1", [](R& r) { r.address1 = kWide, r.address2 = kWide; }, 13, "", "",
                  IDC_TX305_ADDRESS1},
        CheckCase{"QuoteInAddress2", [](R& r) { r.address2 = "1\"2"; }, 13, "", "",
                  IDC_TX305_ADDRESS2},
        CheckCase{"TildeInAddress2", [](R& r) { r.address2 = "1~2"; }, 13, "", "",
                  IDC_TX305_ADDRESS2},
        // Digits, letters, half-width katakana and every listed sign pass; the second lines may
        // stay empty: the save is asked for.
        CheckCase{"EveryAllowedCharacter",
                  [](R& r) { r.name1 = "AZaz09ｱﾝﾞﾟ\\｢｣()-/*&$", r.address2 = ",.@=%+;･ "; }, 3, "",
                  "", 0},
        CheckCase{"SecondLinesEmpty", [](R&) {}, 3, "", "", 0}),
    kortest::CaseName<tx::CRequesterInfo>);

TEST_F(Tx305Test, SaveWritesTheMasterLineAndShowsTheLinesAsWritten) {
    Open();
    Set(IDC_TX305_NAME1, "ｶ)ﾃｽﾄ");
    Set(IDC_TX305_ADDRESS1, "ﾄｳｷｮｳﾄ");
    Set(IDC_TX305_ADDRESS2, "1-2-3");
    kortest::MessageScript script({IDOK});
    kortest::Click(hwnd, IDC_TX305_UPDATE);
    ASSERT_EQ(MessageIds(script.Shown()), (Ids{3, 50}));
    EXPECT_EQ(script.Shown()[1].text, messages.Text(50, "依頼人情報", "ファイル読込"));
    EXPECT_EQ(Stored(), "\"ｶ)ﾃｽﾄ\",\"\",\"ﾄｳｷｮｳﾄ\",\"1-2-3\"\r\r\n");
    EXPECT_EQ(Get(IDC_TX305_NAME1), "ｶ)ﾃｽﾄ");
    EXPECT_EQ(screen->FieldInError(), 0);
}

TEST_F(Tx305Test, CancelOnTheQuestionWritesNothing) {
    Store(kStored);
    Open();
    FillValid();
    kortest::MessageScript script({IDCANCEL});
    kortest::Click(hwnd, IDC_TX305_UPDATE);
    EXPECT_EQ(MessageIds(script.Shown()), Ids{3});
    EXPECT_EQ(Stored(), kStored);
}

TEST_F(Tx305Test, AFailedWriteIsReportedKeepsTheOldMasterAndIsNeverCalledASuccess) {
    Store(kStored);
    Open();
    FillValid();
    kortest::MessageScript script({IDOK});
    {
        // Another program holds the master open without sharing it: it cannot be replaced.
        const kor::UniqueFile held(CreateFileW(kor::ToWide(MasterPath()).c_str(), GENERIC_READ, 0,
                                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                               nullptr));
        ASSERT_NE(held.get(), INVALID_HANDLE_VALUE);
        kortest::Click(hwnd, IDC_TX305_UPDATE);
    }
    ASSERT_EQ(MessageIds(script.Shown()), (Ids{3, 47}));
    EXPECT_EQ(script.Shown()[1].text, messages.Text(47, "KorTx305Dlg", "438"));
    EXPECT_EQ(Stored(), kStored);
    EXPECT_EQ(Get(IDC_TX305_NAME1), "ｶ)ｼﾝｷ");  // the form stays as typed
}

// Leaving by 戻る or the close box after some changes, with the boxes answered.
struct LeaveCase {
    const char* name;
    bool stored;     // a requester master is there
    int changed;     // a line set to "ｶﾜﾘ" first, 0 for none
    bool saveFirst;  // 更新 confirmed before leaving
    bool closeBox;   // WM_CLOSE instead of 戻る
    std::vector<int> answers;
    std::vector<int> messages;
    INT_PTR result;
};
void PrintTo(const LeaveCase& c, std::ostream* os) {
    *os << c.name;
}

class Tx305LeaveTest : public Tx305Test, public testing::WithParamInterface<LeaveCase> {};

TEST_P(Tx305LeaveTest, AsksOnlyWhenALineDiffersFromTheMaster) {
    const LeaveCase& c = GetParam();
    if (c.stored) Store(kStored);
    kortest::MessageScript script({c.answers.begin(), c.answers.end()});
    const INT_PTR result = kortest::RunModal(*screen, [&](HWND dialog) {
        if (c.changed != 0) Set(c.changed, "ｶﾜﾘ");
        if (c.saveFirst) kortest::Click(dialog, IDC_TX305_UPDATE);
        if (c.closeBox) {
            SendMessageW(dialog, WM_CLOSE, 0, 0);
        } else {
            kortest::Click(dialog, IDC_TX305_BACK);
        }
    });
    EXPECT_EQ(MessageIds(script.Shown()), c.messages);
    EXPECT_EQ(result, c.result);
    if (!c.messages.empty() && c.messages.back() == 43) {
        EXPECT_EQ(script.Shown().back().text, messages.Text(43, "更新"));
    }
    if (!c.saveFirst && c.stored) {
        EXPECT_EQ(Stored(), kStored);
    }
}

constexpr INT_PTR kOpen = kortest::kStillOpen;
INSTANTIATE_TEST_SUITE_P(
    Cases, Tx305LeaveTest,
    testing::Values(
        LeaveCase{"NoMasterEmptyForm", false, 0, false, false, {}, {}, 1},
        LeaveCase{"StoredUnchanged", true, 0, false, false, {}, {}, 1},
        LeaveCase{"Address2ChangedOk", true, IDC_TX305_ADDRESS2, false, false, {IDOK}, {43}, 1},
        LeaveCase{"Name1ChangedCancelStays",
                  true,
                  IDC_TX305_NAME1,
                  false,
                  false,
                  {IDCANCEL},
                  {43},
                  kOpen},
        LeaveCase{
            "NoMasterTypedLine", false, IDC_TX305_NAME2, false, false, {IDCANCEL}, {43}, kOpen},
        LeaveCase{"CloseBoxChangedCancelStays",
                  true,
                  IDC_TX305_ADDRESS1,
                  false,
                  true,
                  {IDCANCEL},
                  {43},
                  kOpen},
        LeaveCase{"CloseBoxUnchanged", true, 0, false, true, {}, {}, 1},
        LeaveCase{"SavedChanges", true, IDC_TX305_NAME2, true, false, {IDOK}, {3, 50}, 1}),
    [](const testing::TestParamInfo<LeaveCase>& info) { return std::string(info.param.name); });

TEST_F(Tx305Test, EveryLineSwitchesTheInputMethodToHalfWidthKatakana) {
    Open();
    const int lines[] = {IDC_TX305_NAME1, IDC_TX305_NAME2, IDC_TX305_ADDRESS1, IDC_TX305_ADDRESS2};
    kortest::ExpectKanaInput(*screen, lines);
}

// The main screen's 依頼人情報登録 button runs the screen over the program folder's master.
class Tx305FromMainTest : public kortest::ScreenTest {
protected:
    void SetUp() override {
        kor::InitCommonControlClasses();
        MakeProgramFolder(std::string(KOR_TX_PROGRAM_DIR) + "\\mstKORTX001.ini", "mstKORTX001.ini");
    }
    void TearDown() override { main.reset(); }
    HWND Hwnd() const override { return main->GetSafeHwnd(); }

    std::unique_ptr<CKorTx300Dlg> main;
};

TEST_F(Tx305FromMainTest, TheRequesterButtonOpensTheScreenOnTheStoredRecord) {
    WriteFile(kMaster, kStored);
    main = std::make_unique<CKorTx300Dlg>(folder);
    ASSERT_TRUE(main->Create());
    kortest::ShowScreen(Hwnd());
    std::string shown;
    const int found =
        kortest::SubScreen::Run(Hwnd(), IDC_TX300_REQUESTER, IDC_TX305_NAME1, [&](HWND dialog) {
            wchar_t text[64] = {};
            GetDlgItemTextW(dialog, IDC_TX305_NAME1, text, 64);
            shown = kor::ToCp932(text);
            kortest::PressBack(IDC_TX305_BACK)(dialog);
        });
    EXPECT_EQ(found, 1);
    EXPECT_EQ(shown, "ｶ)ﾁﾎｳｾﾞｲ");
    EXPECT_TRUE(TakeShown().empty());
    EXPECT_TRUE(IsWindowEnabled(Hwnd()));
}

}  // namespace
