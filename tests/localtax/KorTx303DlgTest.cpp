// The local-tax fixed-length pattern form and screen TX303: the checks of a save in their order
// with the item-set rules, the pattern stored (kind "99", the set flags), the screen on its real
// template (the fixed-length patterns listed, the required marks and the zero and blank handling
// following the sets in use, saving, replacing and deleting with their messages, a master that
// cannot be written), and the screen opened from TX300, whose pattern list follows the change.
#include "localtax/KorTx303Dlg.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "common/base/MasterText.h"
#include "framework/App.h"
#include "framework/Cp932.h"
#include "localtax/KorTx300Dlg.h"
#include "localtax/PatternStore.h"
#include "resources/localtax/KorTx300DlgRes.h"
#include "resources/localtax/KorTx303DlgRes.h"
#include "support/FixedScreenTest.h"
#include "support/FormCase.h"
#include "support/MessageScript.h"
#include "support/ScreenActions.h"
#include "support/ScreenTest.h"
#include "support/SettingsScreenTest.h"
#include "support/SubScreen.h"
#include "support/TestPaths.h"

namespace {

using tx::FixedPatternForm;
using F = FixedFormField;
using Ids = std::vector<int>;
using Fields = std::vector<std::string>;
using Form = FixedPatternForm;

// --- The form ----------------------------------------------------------------------------------

// Municipality code, the salary set and the payment set (forced by it) of a 40-byte record.
FixedPatternForm ValidForm() {
    FixedPatternForm f;
    f.name = "固定A";
    f.recordLength = "40";
    const std::pair<int, std::pair<const char*, const char*>> positions[] = {
        {tx::kMunicipalityCode, {"1", "6"}},
        {tx::kSalaryTaxCount, {"7", "5"}},
        {tx::kSalaryTaxAmount, {"12", "9"}},
        {tx::kPaymentCount, {"21", "5"}},
        {tx::kTaxPaid, {"26", "9"}}};
    for (const auto& [k, p] : positions) f.start[k] = p.first, f.length[k] = p.second;
    return f;
}

// Adds the retirement set in bytes 41 to 100 and makes the record 100 bytes long.
void WithRetirement(Form& f) {
    f.recordLength = "100";
    const std::pair<int, std::pair<const char*, const char*>> positions[] = {
        {tx::kRetirementTaxCount, {"41", "5"}},
        {tx::kRetirementTaxAmount, {"46", "9"}},
        {tx::kRetirees, {"55", "3"}},
        {tx::kRetirementAllowance, {"58", "10"}},
        {tx::kMunicipalRetirementTax, {"68", "9"}},
        {tx::kPrefecturalRetirementTax, {"77", "9"}}};
    for (const auto& [k, p] : positions) f.start[k] = p.first, f.length[k] = p.second;
}

void Unplace(Form& f, int item) {
    f.start[item].clear(), f.length[item].clear();
}

using CheckCase = kortest::FormCase<FixedPatternForm>;

class TaxFixedCheckTest : public testing::TestWithParam<CheckCase> {};

TEST_P(TaxFixedCheckTest, FirstFault) {
    kortest::ExpectFirstFault(GetParam(), ValidForm(), tx::CheckFixedPatternForm);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TaxFixedCheckTest,
    testing::Values(
        CheckCase{"Valid", [](Form&) {}, 0, "", "", F::kNone},
        CheckCase{"ValidWithRetirementAnd4000Bytes",
                  [](Form& f) { WithRetirement(f), f.recordLength = "4000"; }, 0, "", "", F::kNone},
        CheckCase{"NameOf75Bytes", [](Form& f) { f.name = std::string(75, 'a'); }, 38,
                  "変換パターン名", "74", F::kName},
        CheckCase{"NameEmpty", [](Form& f) { f.name.clear(); }, 7, "変換パターン名", "", F::kName},
        CheckCase{"QuoteInName", [](Form& f) { f.name = "A\"B"; }, 85, "", "", F::kName},
        CheckCase{"RecordLengthEmpty", [](Form& f) { f.recordLength.clear(); }, 7,
                  "変換前データレコード長", "", F::kRecordLength},
        CheckCase{"MunicipalityCodeStartEmpty", [](Form& f) { f.start[0].clear(); }, 7,
                  "市区町村コード", "", F::StartField(0)},
        CheckCase{"MunicipalityCodeLengthEmpty", [](Form& f) { f.length[0].clear(); }, 7,
                  "市区町村コード", "", F::LengthField(0)},
        CheckCase{"OptionalStartWithoutLength", [](Form& f) { f.start[1] = "0"; }, 7, "市区町村名",
                  "", F::LengthField(1)},
        CheckCase{"OptionalLengthWithoutStart", [](Form& f) { f.length[3] = "1"; }, 7, "異動", "",
                  F::StartField(3)},
        CheckCase{"SalaryItemLeftOutOfItsSet", [](Form& f) { Unplace(f, tx::kSalaryTaxAmount); }, 7,
                  "給与税額", "", F::StartField(tx::kSalaryTaxAmount)},
        // One retirement item puts the whole set in use.
        CheckCase{"RetirementSetStartedByItsLastItem",
                  [](Form& f) { f.length[tx::kPrefecturalRetirementTax] = "9"; }, 7, "退職税件数",
                  "", F::StartField(tx::kRetirementTaxCount)},
        CheckCase{"PaymentSetForcedBySalary", [](Form& f) { Unplace(f, tx::kPaymentCount); }, 7,
                  "納入件数", "", F::StartField(tx::kPaymentCount)},
        CheckCase{"PaymentSetForcedByRetirement",
                  [](Form& f) {
                      WithRetirement(f), Unplace(f, tx::kSalaryTaxCount);
                      Unplace(f, tx::kSalaryTaxAmount), Unplace(f, tx::kTaxPaid);
                  },
                  7, "納税額", "", F::StartField(tx::kTaxPaid)},
        CheckCase{
            "PaymentSetAlone",
            [](Form& f) { Unplace(f, tx::kSalaryTaxCount), Unplace(f, tx::kSalaryTaxAmount); }, 80,
            "入力", "", F::StartField(tx::kSalaryTaxCount) + F::kUnmarked},
        CheckCase{"PresenceBeforeStartZero", [](Form& f) { f.start[2] = "0", f.length[1] = "15"; },
                  7, "市区町村名", "", F::StartField(1)},
        CheckCase{"StartZero", [](Form& f) { f.start[2] = "0", f.length[2] = "15"; }, 84, "", "",
                  F::StartField(2)},
        CheckCase{"RetireesStartZero",
                  [](Form& f) { WithRetirement(f), f.start[tx::kRetirees] = "0"; }, 84, "", "",
                  F::StartField(tx::kRetirees)},
        CheckCase{"StartZeroBeforeLengths", [](Form& f) { f.start[0] = "0", f.length[0] = "5"; },
                  84, "", "", F::StartField(0)},
        CheckCase{"MunicipalityCodeLength5", [](Form& f) { f.length[0] = "5"; }, 79, "", "",
                  F::LengthField(0)},
        CheckCase{"MunicipalityCodeLength0", [](Form& f) { f.length[0] = "0"; }, 79, "", "",
                  F::LengthField(0)},
        CheckCase{"SalaryCountLength6", [](Form& f) { f.length[tx::kSalaryTaxCount] = "6"; }, 38,
                  "給与税件数", "5", F::LengthField(tx::kSalaryTaxCount)},
        // The payment set's lengths are checked before 退職税額's.
        CheckCase{"TaxPaidBeforeRetirementAmount",
                  [](Form& f) {
                      WithRetirement(f), f.length[tx::kRetirementTaxAmount] = "10";
                      f.length[tx::kTaxPaid] = "10";
                  },
                  38, "納税額", "9", F::LengthField(tx::kTaxPaid)},
        CheckCase{"AllowanceLength11",
                  [](Form& f) { WithRetirement(f), f.length[tx::kRetirementAllowance] = "11"; }, 38,
                  "退職明細退職手当等支払金額", "10", F::LengthField(tx::kRetirementAllowance)},
        CheckCase{"ChangeMarkLength0", [](Form& f) { f.start[3] = "36", f.length[3] = "0"; }, 58,
                  "", "", F::LengthField(3)},
        CheckCase{"RecordLength4001", [](Form& f) { f.recordLength = "4001"; }, 82,
                  "変換前データレコード長", "4000 byte", F::kRecordLength}),
    kortest::CaseName<FixedPatternForm>);

TEST(TaxFixedPatternForm, StoresTheTaxKindAndTheSetsInUseAndLoadsThemBack) {
    FixedPatternForm form = ValidForm();
    form.zeroCheck = 2, form.blankCheck = 1, form.outputLength = 3, form.lineBreak = 0;
    const tx::CFixedPattern p = tx::ToFixedPattern(form);
    // The fields by their numbers, from 0.
    const std::pair<int, const char*> expected[] = {{0, "99"}, {1, "特別徴収地方税"},
                                                    {2, "03"}, {3, "固定A"},
                                                    {4, "1"},  {5, "6"},
                                                    {6, ""},   {12, "7"},
                                                    {13, "5"}, {32, "2"},
                                                    {33, "1"}, {35, "40"},
                                                    {36, "1"}, {37, "0"},
                                                    {38, "1"}, {39, "3"},
                                                    {40, "0"}, {41, "1"},
                                                    {42, "2"}};
    for (const auto& [number, text] : expected) EXPECT_EQ(p.GetField(number), text) << number;

    FixedPatternForm loaded;
    tx::LoadFixedPattern(p, loaded);
    EXPECT_EQ(loaded.name, "固定A");
    EXPECT_EQ(loaded.start, form.start);
    EXPECT_EQ(loaded.length, form.length);
    EXPECT_EQ(loaded.zeroCheck, 2);
    EXPECT_EQ(loaded.outputLength, 3);
    EXPECT_EQ(loaded.lineBreak, 0);
    EXPECT_FALSE(tx::IsFixedPatternModified(loaded, &p));
    loaded.length[tx::kTaxPaid] = "8";
    EXPECT_TRUE(tx::IsFixedPatternModified(loaded, &p));
    // A cleared form is no change from nothing stored.
    EXPECT_FALSE(tx::IsFixedPatternModified(FixedPatternForm{}, nullptr));
}

// --- The screen --------------------------------------------------------------------------------

class TaggedMessages : public kortest::TaggedMessages {
public:
    TaggedMessages() : kortest::TaggedMessages(KOR_TX_PROGRAM_DIR "\\mstKORTX001.ini") {}
};

// A stored fixed-length line of the salary and payment sets of a 150-byte record.
std::string FixedLine(const std::string& name) {
    Fields f = {"99", "特別徴収地方税", "03", name};
    for (const char* p : {"1", "6", "",   "",  "",   "",  "", "", "7", "5", "12", "9", "", "",
                          "",  "",  "21", "5", "26", "9", "", "", "",  "",  "",   "",  "", ""})
        f.push_back(p);
    for (const char* o : {"1", "2", "", "150", "1", "0", "1", "2", "0", "1", "2"}) f.push_back(o);
    return CMasterText::FormatFields(f) + "\r\n";
}

std::string DelimLine(const std::string& name) {
    Fields f = {"99", "特別徴収地方税", "01", name};
    for (int k = 0; k < tx::kItemCount; ++k) {
        f.push_back(std::to_string(k + 1));
        f.push_back("見本");
    }
    for (const char* o : {"1", "1", "1", "", "1", "1", "1", "1", "1", "0", "1"}) f.push_back(o);
    return CMasterText::FormatFields(f) + "\r\n";
}

constexpr int kMarks[] = {IDC_TX303_MARK_SALARY_COUNT,     IDC_TX303_MARK_SALARY_AMOUNT,
                          IDC_TX303_MARK_RETIREMENT_COUNT, IDC_TX303_MARK_RETIREMENT_AMOUNT,
                          IDC_TX303_MARK_PAYMENT_COUNT,    IDC_TX303_MARK_TAX_PAID,
                          IDC_TX303_MARK_RETIREES,         IDC_TX303_MARK_ALLOWANCE,
                          IDC_TX303_MARK_MUNICIPAL_TAX,    IDC_TX303_MARK_PREFECTURAL_TAX};
constexpr int kZeroBlankOptions[] = {IDC_TX303_ZERO_GROUP,  IDC_TX303_BLANK_GROUP,
                                     IDC_TX303_ZERO_ERROR,  IDC_TX303_ZERO_SKIP,
                                     IDC_TX303_BLANK_ERROR, IDC_TX303_BLANK_SKIP};

// The fields of a new pattern of the municipality code and the salary and payment sets of a
// 40-byte record.
const std::pair<int, const char*> kNewPatternFields[] = {
    {IDC_TX303_RECORD_LENGTH, "40"},           {IDC_TX303_MUNICIPALITY_CODE_START, "1"},
    {IDC_TX303_MUNICIPALITY_CODE_LENGTH, "6"}, {IDC_TX303_SALARY_COUNT_START, "7"},
    {IDC_TX303_SALARY_COUNT_LENGTH, "5"},      {IDC_TX303_SALARY_AMOUNT_START, "12"},
    {IDC_TX303_SALARY_AMOUNT_LENGTH, "9"},     {IDC_TX303_PAYMENT_COUNT_START, "21"},
    {IDC_TX303_PAYMENT_COUNT_LENGTH, "5"},     {IDC_TX303_TAX_PAID_START, "26"},
    {IDC_TX303_TAX_PAID_LENGTH, "9"}};

class Tx303Test
    : public kortest::FixedScreenTest<tx::CPatternStore, TaggedMessages, tx::CKorTx303Dlg> {
protected:
    Tx303Test() : FixedScreenTest(tx::kKorTx303Controls.shared) {}
    void SetUp() override { LoadMaster(DelimLine("CSVA") + FixedLine("固定A")); }
    // Sets an edit and leaves it.
    void SetAndLeave(int id, const char* text) {
        Set(id, text);
        kortest::Notify(hwnd, id, EN_KILLFOCUS);
    }
    // A new pattern named name.
    void FillNew(const wchar_t* name) {
        kortest::Type(screen.Item(IDC_TX303_NAME), name);
        for (const auto& [id, text] : kNewPatternFields) Set(id, text);
    }
    std::vector<std::string> Marks() const {
        std::vector<std::string> marks;
        for (int id : kMarks) marks.push_back(Get(id));
        return marks;
    }
    // True when every zero and blank option is enabled, false when none is (else a failure).
    bool ZeroBlankEnabled() const {
        const bool first = screen.Window(kZeroBlankOptions[0]).IsEnabled();
        for (int id : kZeroBlankOptions) EXPECT_EQ(screen.Window(id).IsEnabled(), first) << id;
        return first;
    }
};

const std::string kOpt = "(任意)";
const std::string kReq = "(必須)";

TEST_F(Tx303Test, ListsTheFixedLengthPatternsAndShowsTheChosenOneWithItsSets) {
    Open();
    // Every local-tax pattern is of kind 99: the list goes by the file class.
    const kor::CComboView names = screen.Combo(IDC_TX303_NAME);
    ASSERT_EQ(names.GetCount(), 1);
    EXPECT_EQ(names.GetLBText(0), "固定A");
    EXPECT_EQ(Get(IDC_TX303_VERSION), "(Ver4.01)");
    EXPECT_EQ(Get(IDC_TX303_DELETE), "作成済変換\nパターン削除");
    EXPECT_EQ(Marks(), std::vector<std::string>(10, kOpt));
    EXPECT_FALSE(ZeroBlankEnabled());
    EXPECT_TRUE(screen.Button(IDC_TX303_ZERO_ERROR).IsChecked());
    EXPECT_TRUE(screen.Button(IDC_TX303_OUTPUT_120).IsChecked());
    EXPECT_FALSE(screen.Window(IDC_TX303_DELETE).IsEnabled());

    Choose(0);
    EXPECT_EQ(Get(IDC_TX303_RECORD_LENGTH), "150");
    EXPECT_EQ(Get(IDC_TX303_SALARY_AMOUNT_START), "12");
    EXPECT_EQ(Get(IDC_TX303_TAX_PAID_LENGTH), "9");
    EXPECT_EQ(Marks(), (std::vector<std::string>{kReq, kReq, kOpt, kOpt, kReq, kReq, kOpt, kOpt,
                                                 kOpt, kOpt}));
    EXPECT_TRUE(ZeroBlankEnabled());
    EXPECT_TRUE(screen.Button(IDC_TX303_BLANK_SKIP).IsChecked());
    EXPECT_TRUE(screen.Button(IDC_TX303_OUTPUT_126).IsChecked());
    EXPECT_TRUE(screen.Button(IDC_TX303_NO_LINE_BREAK).IsChecked());
    EXPECT_TRUE(screen.Window(IDC_TX303_DELETE).IsEnabled());

    // クリア empties the form and takes the sets out of use.
    kortest::Click(hwnd, IDC_TX303_CLEAR);
    EXPECT_EQ(Get(IDC_TX303_RECORD_LENGTH), "");
    EXPECT_EQ(Marks(), std::vector<std::string>(10, kOpt));
    EXPECT_FALSE(ZeroBlankEnabled());
}

TEST_F(Tx303Test, LeavingAnEditOfASetMarksItsItemsAndThePaymentSet) {
    Open();
    SetAndLeave(IDC_TX303_SALARY_COUNT_LENGTH, "5");
    EXPECT_EQ(Marks(), (std::vector<std::string>{kReq, kReq, kOpt, kOpt, kReq, kReq, kOpt, kOpt,
                                                 kOpt, kOpt}));
    EXPECT_TRUE(ZeroBlankEnabled());

    SetAndLeave(IDC_TX303_PREFECTURAL_TAX_START, "90");
    SetAndLeave(IDC_TX303_SALARY_COUNT_LENGTH, "");
    EXPECT_EQ(Marks(), (std::vector<std::string>{kOpt, kOpt, kReq, kReq, kReq, kReq, kReq, kReq,
                                                 kReq, kReq}));
    SetAndLeave(IDC_TX303_PREFECTURAL_TAX_START, "");
    EXPECT_EQ(Marks(), std::vector<std::string>(10, kOpt));
    EXPECT_FALSE(ZeroBlankEnabled());

    // The payment set alone is in use by itself.
    SetAndLeave(IDC_TX303_TAX_PAID_LENGTH, "9");
    EXPECT_EQ(Marks(), (std::vector<std::string>{kOpt, kOpt, kOpt, kOpt, kReq, kReq, kOpt, kOpt,
                                                 kOpt, kOpt}));
    EXPECT_TRUE(ZeroBlankEnabled());
}

struct CheckStep {
    const char* name;
    std::vector<std::pair<int, const char*>> changes;  // made to a valid new form
    Ids messages;                                      // the boxes shown (every question declined)
    int marked;                                        // the control in error, 0 for none
    int focus;  // the control with the focus afterwards, 0 for any
};
void PrintTo(const CheckStep& c, std::ostream* os) {
    *os << c.name;
}

class Tx303CheckTest : public Tx303Test, public testing::WithParamInterface<CheckStep> {};

TEST_P(Tx303CheckTest, MessageAndFocus) {
    const CheckStep& c = GetParam();
    Open();
    FillNew(L"新規");
    for (const auto& [id, text] : c.changes) {
        if (id == IDC_TX303_NAME) {
            kortest::Type(screen.Item(id), kor::ToWide(text).c_str());
        } else {
            Set(id, text);
        }
    }
    kortest::MessageScript script({IDCANCEL});
    kortest::Click(hwnd, IDC_TX303_UPDATE);
    EXPECT_EQ(kortest::MessageIds(script.Shown()), c.messages);
    EXPECT_EQ(screen.FieldInError(), c.marked);
    if (c.focus != 0) {
        EXPECT_EQ(kortest::FocusedId(hwnd), c.focus);
    }
    EXPECT_EQ(store.GetList().size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Cases, Tx303CheckTest,
                         testing::Values(CheckStep{"Valid", {}, {3}, 0, 0},
                                         CheckStep{"MunicipalityCodeLengthEmpty",
                                                   {{IDC_TX303_MUNICIPALITY_CODE_LENGTH, ""}},
                                                   {7},
                                                   IDC_TX303_MUNICIPALITY_CODE_LENGTH,
                                                   IDC_TX303_MUNICIPALITY_CODE_LENGTH},
                                         CheckStep{"PaymentSetAloneFocusesTheSalaryCountUnmarked",
                                                   {{IDC_TX303_SALARY_COUNT_START, ""},
                                                    {IDC_TX303_SALARY_COUNT_LENGTH, ""},
                                                    {IDC_TX303_SALARY_AMOUNT_START, ""},
                                                    {IDC_TX303_SALARY_AMOUNT_LENGTH, ""}},
                                                   {80},
                                                   0,
                                                   IDC_TX303_SALARY_COUNT_START},
                                         CheckStep{"RetireesStartZero",
                                                   {{IDC_TX303_RECORD_LENGTH, "100"},
                                                    {IDC_TX303_RETIREMENT_COUNT_START, "41"},
                                                    {IDC_TX303_RETIREMENT_COUNT_LENGTH, "5"},
                                                    {IDC_TX303_RETIREMENT_AMOUNT_START, "46"},
                                                    {IDC_TX303_RETIREMENT_AMOUNT_LENGTH, "9"},
                                                    {IDC_TX303_RETIREES_START, "0"},
                                                    {IDC_TX303_RETIREES_LENGTH, "3"},
                                                    {IDC_TX303_ALLOWANCE_START, "58"},
                                                    {IDC_TX303_ALLOWANCE_LENGTH, "10"},
                                                    {IDC_TX303_MUNICIPAL_TAX_START, "68"},
                                                    {IDC_TX303_MUNICIPAL_TAX_LENGTH, "9"},
                                                    {IDC_TX303_PREFECTURAL_TAX_START, "77"},
                                                    {IDC_TX303_PREFECTURAL_TAX_LENGTH, "9"}},
                                                   {84},
                                                   IDC_TX303_RETIREES_START,
                                                   IDC_TX303_RETIREES_START},
                                         CheckStep{"MunicipalityCodeLength5",
                                                   {{IDC_TX303_MUNICIPALITY_CODE_LENGTH, "5"}},
                                                   {79},
                                                   IDC_TX303_MUNICIPALITY_CODE_LENGTH,
                                                   IDC_TX303_MUNICIPALITY_CODE_LENGTH},
                                         CheckStep{"DesignationLength16",
                                                   {{IDC_TX303_DESIGNATION_START, "36"},
                                                    {IDC_TX303_DESIGNATION_LENGTH, "16"}},
                                                   {38},
                                                   IDC_TX303_DESIGNATION_LENGTH,
                                                   IDC_TX303_DESIGNATION_LENGTH},
                                         CheckStep{"RecordLength4001",
                                                   {{IDC_TX303_RECORD_LENGTH, "4001"}},
                                                   {82},
                                                   IDC_TX303_RECORD_LENGTH,
                                                   IDC_TX303_RECORD_LENGTH},
                                         CheckStep{"TaxPaidBeyondTheRecord",
                                                   {{IDC_TX303_RECORD_LENGTH, "33"}},
                                                   {10},
                                                   IDC_TX303_TAX_PAID_START,
                                                   IDC_TX303_TAX_PAID_START},
                                         CheckStep{"PaymentCountOverlapsTheSalaryAmount",
                                                   {{IDC_TX303_PAYMENT_COUNT_START, "20"}},
                                                   {9},
                                                   IDC_TX303_PAYMENT_COUNT_START,
                                                   IDC_TX303_PAYMENT_COUNT_START},
                                         CheckStep{"NameOfASeparatedPattern",
                                                   {{IDC_TX303_NAME, "CSVA"}},
                                                   {81},
                                                   IDC_TX303_NAME,
                                                   IDC_TX303_NAME}),
                         [](const testing::TestParamInfo<CheckStep>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(Tx303Test, ANewPatternIsAddedAfterMessage3WithItsSetsAndListed) {
    Open();
    FillNew(L"新規");
    screen.CheckRadio(IDC_TX303_OUTPUT_120, IDC_TX303_OUTPUT_128, IDC_TX303_OUTPUT_128);
    kortest::MessageScript script({IDOK});
    kortest::Click(hwnd, IDC_TX303_UPDATE);
    ASSERT_EQ(kortest::MessageIds(script.Shown()), (Ids{3, 50}));
    EXPECT_EQ(script.Shown()[1].text, messages.Text(50, "パターン情報", "「ファイル読込」"));
    const tx::CFixedPattern* p = Stored("新規");
    ASSERT_NE(p, nullptr);
    EXPECT_STREQ(p->kindCode, "99");
    EXPECT_STREQ(p->kindName, "特別徴収地方税");
    EXPECT_EQ(p->FileClass(), 3);
    EXPECT_EQ(p->Start(tx::kTaxPaid), 26);
    EXPECT_TRUE(p->UsesItemSet(tx::kSalarySet));
    EXPECT_FALSE(p->UsesItemSet(tx::kRetirementSet));
    EXPECT_TRUE(p->UsesItemSet(tx::kPaymentSet));
    EXPECT_EQ(p->OutputLengthCode(), 3);
    EXPECT_EQ(screen.Combo(IDC_TX303_NAME).GetCount(), 2);
    EXPECT_TRUE(screen.Window(IDC_TX303_DELETE).IsEnabled());
}

TEST_F(Tx303Test, ReplacingAStoredPatternAsksWith11) {
    Open();
    Choose(0);
    Set(IDC_TX303_RECORD_LENGTH, "80");
    kortest::MessageScript script({IDOK});
    kortest::Click(hwnd, IDC_TX303_UPDATE);
    ASSERT_EQ(kortest::MessageIds(script.Shown()), (Ids{11, 50}));
    const tx::CFixedPattern* p = Stored("固定A");
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->RecordLength(), 80);
    EXPECT_EQ(fresh.GetList().size(), 2u);
}

TEST_F(Tx303Test, AFailedWriteIsReportedAndNeverCalledASuccess) {
    Open();
    FillNew(L"新規");
    BreakTheMasterFolder();
    kortest::MessageScript script({IDOK});
    kortest::Click(hwnd, IDC_TX303_UPDATE);
    ASSERT_EQ(kortest::MessageIds(script.Shown()), (Ids{3, 47}));
    EXPECT_EQ(script.Shown()[1].text, messages.Text(47, "KorTx303Dlg", "更新処理"));
    EXPECT_EQ(store.GetList().size(), 2u);
    EXPECT_EQ(screen.Combo(IDC_TX303_NAME).GetCount(), 1);
}

TEST_F(Tx303Test, DeleteAsksFirstAndReportsAFailedWrite) {
    Open();
    Choose(0);
    {
        kortest::MessageScript script({IDCANCEL});
        kortest::Click(hwnd, IDC_TX303_DELETE);
        EXPECT_EQ(kortest::MessageIds(script.Shown()), (Ids{2}));
        EXPECT_EQ(store.GetList().size(), 2u);
    }
    BreakTheMasterFolder();
    kortest::MessageScript script({IDOK});
    kortest::Click(hwnd, IDC_TX303_DELETE);
    EXPECT_EQ(kortest::MessageIds(script.Shown()), (Ids{2, 47}));
    EXPECT_EQ(script.Shown()[1].text, messages.Text(47, "KorTx303Dlg", "削除処理"));
    EXPECT_EQ(store.GetList().size(), 2u);
    EXPECT_EQ(Get(IDC_TX303_RECORD_LENGTH), "150");
}

TEST_F(Tx303Test, DeleteRemovesThePatternAndClearsTheForm) {
    Open();
    Choose(0);
    kortest::MessageScript script({IDOK});
    kortest::Click(hwnd, IDC_TX303_DELETE);
    EXPECT_EQ(kortest::MessageIds(script.Shown()), (Ids{2}));
    EXPECT_EQ(Stored("固定A"), nullptr);
    EXPECT_EQ(fresh.GetList().size(), 1u);
    EXPECT_EQ(screen.Combo(IDC_TX303_NAME).GetCount(), 0);
    EXPECT_EQ(Get(IDC_TX303_RECORD_LENGTH), "");
    EXPECT_EQ(Marks(), std::vector<std::string>(10, kOpt));
    EXPECT_FALSE(ZeroBlankEnabled());
}

using LeaveCase = kortest::FixedLeaveCase;

class Tx303LeaveTest : public Tx303Test, public testing::WithParamInterface<LeaveCase> {};

TEST_P(Tx303LeaveTest, QuestionAndResult) {
    Leave(GetParam());
}

// The discarding question is 56 here.
INSTANTIATE_TEST_SUITE_P(
    Cases, Tx303LeaveTest,
    testing::Values(LeaveCase{"Untouched", -1, nullptr, {}, {}, IDOK},
                    LeaveCase{"Unchanged", 0, nullptr, {}, {}, IDOK},
                    LeaveCase{"ChangedDeclined", 0, "99", {IDCANCEL}, {56}, kortest::kStillOpen},
                    LeaveCase{"ChangedAccepted", -1, "99", {IDOK}, {56}, IDOK}),
    kortest::FixedLeaveCaseName);

// --- Opened from TX300 -------------------------------------------------------------------------

class Tx300FixedPatternTest : public kortest::ScreenTest {
protected:
    void SetUp() override {
        kor::InitCommonControlClasses();
        MakeProgramFolder(KOR_TX_PROGRAM_DIR "\\mstKORTX001.ini", "mstKORTX001.ini");
        WriteFile("mstKORTX301.ini", DelimLine("CSVA"));
        main = std::make_unique<CKorTx300Dlg>(folder);
        ASSERT_TRUE(main->Create());
        ShowWindow(Hwnd(), SW_SHOWNA);
    }
    void TearDown() override { main.reset(); }
    HWND Hwnd() const override { return main->GetSafeHwnd(); }
    std::vector<std::string> PatternNames() const {
        std::vector<std::string> names;
        const int count =
            static_cast<int>(SendMessageW(Item(IDC_TX300_PATTERN), CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            wchar_t text[128] = {};
            SendMessageW(Item(IDC_TX300_PATTERN), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            names.push_back(kor::ToCp932(text));
        }
        return names;
    }

    std::unique_ptr<CKorTx300Dlg> main;
};

// Saves "新しい固定長" on TX303 with the fields of a new pattern.
void SaveFixedPattern(HWND dialog) {
    kortest::Type(GetDlgItem(dialog, IDC_TX303_NAME), L"新しい固定長");
    kortest::Notify(dialog, IDC_TX303_NAME, CBN_KILLFOCUS);
    for (const auto& [id, text] : kNewPatternFields)
        SetDlgItemTextW(dialog, id, kor::ToWide(text).c_str());
    SendMessageW(GetDlgItem(dialog, IDC_TX303_UPDATE), BM_CLICK, 0, 0);
    PostMessageW(GetDlgItem(dialog, IDC_TX303_BACK), BM_CLICK, 0, 0);
}

TEST_F(Tx300FixedPatternTest, APatternSavedOnTx303IsListedOnTheMainScreen) {
    ASSERT_EQ(PatternNames(), std::vector<std::string>{"CSVA"});
    ASSERT_EQ(kortest::SubScreen::Run(Hwnd(), IDC_TX300_FIXED_PATTERN, IDC_TX303_UPDATE,
                                      SaveFixedPattern),
              1);
    EXPECT_EQ(TakeShown(), (std::vector<std::string>{
                               Message(3), Message(50, "パターン情報", "「ファイル読込」")}));
    EXPECT_EQ(PatternNames(), (std::vector<std::string>{"CSVA", "新しい固定長"}));
    // The main screen's store holds it too.
    EXPECT_NE(kortest::ReadBytes(folder + "mstKORTX301.ini").find("新しい固定長"),
              std::string::npos);
}

}  // namespace
