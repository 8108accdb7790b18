// Rules of the correction grid: editable cells, text lengths, edited amounts, the order in
// which an update visits a row, and what an update stores in the record.
#include "transfer/CorrectionRules.h"

#include <gtest/gtest.h>

#include <vector>

#include "SampleData.h"
#include "common/base/StrUtil.h"
#include "transfer/RecordCorrection.h"

namespace {

using xftest::SetItem;

struct EditCase {
    int col;
    bool cellYellow;
    bool rowHasYellow;
    bool editable;
};

TEST(CorrectionRules, OnlyYellowCellsAndTheDeleteBoxOfAFlaggedRecordMayBeEdited) {
    const EditCase cases[] = {
        {2, false, true, true},  {2, false, false, false}, {3, true, true, true},
        {3, false, true, false}, {14, true, true, true},   {10, false, false, false},
        {0, true, true, false},  {1, true, true, false},   {15, true, true, false},
    };
    for (const EditCase& c : cases) {
        EXPECT_EQ(xf::MayEditCell(c.col, c.cellYellow, c.rowHasYellow), c.editable)
            << "col " << c.col << " yellow " << c.cellYellow << " row " << c.rowHasYellow;
    }
}

TEST(CorrectionRules, TextLengthsByColumn) {
    const int expected[] = {0, 0, 0, 4, 15, 3, 15, 20, 7, 30, 10, 10, 10, 20, 10, 0};
    for (int col = 0; col < 16; ++col) EXPECT_EQ(xf::CorrectionTextLength(col), expected[col]);
}

TEST(CorrectionRules, EditedAmountsLoseTheirLeadingZeros) {
    const std::pair<const char*, const char*> cases[] = {
        {"0001500", "1500"}, {"1500", "1500"},   {"0000", "0"}, {"0", "0"}, {"", ""},
        {"00a1", "a1"},      {"1,500", "1,500"},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(CStrUtil::StripZeros(in), out) << in;
    EXPECT_EQ(xf::RemoveCommas("1,234,567"), "1234567");
}

TEST(CorrectionRules, UpdateVisitsTheNamesFirstAndGeneralItemsOnlyForGeneralTransfers) {
    const auto general = xf::UpdateColumnOrder(xf::kKindGeneral);
    EXPECT_EQ(std::vector<int>(general.begin(), general.end()),
              (std::vector<int>{2, 4, 6, 3, 5, 7, 8, 9, 10, 11, 12, 13, 14}));
    const auto salary = xf::UpdateColumnOrder(xf::kKindSalaryBonus);
    EXPECT_EQ(std::vector<int>(salary.begin(), salary.end()),
              (std::vector<int>{2, 4, 6, 3, 5, 7, 8, 9, 10, 11, 12}));
}

// --- One row of an update -----------------------------------------------------------------

class RecordCorrectionTest : public testing::Test {
protected:
    void SetUp() override {
        dataSet = xftest::ValidDataSet(1);
        dataSet->ordinaryCode = "ﾌﾂｳ";
        dataSet->checkingCode = "ﾄｳｻﾞ";
        xf::SetUpItemChecks(engine, *dataSet);
        for (int kind = 0; kind < xf::kItemCount; ++kind)
            row.texts[static_cast<size_t>(kind)] = record().Text(kind);
    }
    xf::CDetailRecord& record() { return xftest::Record(*dataSet, 0); }
    std::string& cell(int kind) { return row.texts[static_cast<size_t>(kind)]; }
    void Apply(int kind = xf::kKindGeneral) { xf::ApplyCorrectionRow(engine, record(), row, kind); }

    std::unique_ptr<xf::CDataSet> dataSet;
    xf::CConvertEngine engine;
    xf::CorrectionRow row;
};

struct StoreCase {
    int kind;
    const char* cell;
    const char* stored;
    int result;
};

TEST_F(RecordCorrectionTest, FlaggedItemsAreCheckedAgainAndStored) {
    const StoreCase cases[] = {
        {xf::kBankCode, "0012", "0012", 0},
        {xf::kBankCode, "12x", "12x", 1},
        {xf::kAmount, "1,500", "1500", 0},
        {xf::kAmount, "0", "0", 1},  // zero amounts are errors in this data set
        {xf::kAccountType, "ﾌﾂｳ", "1", 0},
        {xf::kAccountType, "ﾄｳｻﾞ", "2", 0},
        {xf::kAccountType, "3", "3", 1},
        {xf::kAccountName, "　ﾔﾏﾀﾞ･ﾀﾛｳ　", "ﾔﾏﾀﾞ.ﾀﾛｳ", 0},
        {xf::kAccountName, "ﾔﾏﾀﾞﾀﾛｳﾔﾏﾀﾞﾀﾛｳﾔﾏﾀﾞﾀﾛｳﾔﾏﾀﾞﾀﾛｳﾔﾏﾀﾞﾀﾛｳ", "ﾔﾏﾀﾞﾀﾛｳﾔﾏﾀﾞﾀﾛｳﾔﾏﾀﾞﾀﾛｳﾔﾏﾀﾞﾀﾛｳﾔﾏ",
         1},
        {xf::kCustomerCode1, "AB*", "AB*", 1},
        {xf::kEdiInfo, "EDI-1", "EDI-1", 0},
    };
    for (const StoreCase& c : cases) {
        SetUp();
        record().SetResult(c.kind, xf::kResultError);
        cell(c.kind) = c.cell;
        Apply();
        EXPECT_STREQ(record().Text(c.kind), c.stored) << c.cell;
        EXPECT_EQ(record().Result(c.kind), c.result) << c.cell;
    }
}

TEST_F(RecordCorrectionTest, UnflaggedAndUntouchedItemsAreNotCheckedAgain) {
    cell(xf::kBankName) = "changed";  // no flag: the cell is not read
    SetItem(record(), xf::kAccountName, "ﾔﾏﾀﾞﾀﾛｳ", xf::kResultTooLong);  // 0x12: not edited since
    cell(xf::kAccountName) = "ﾔﾏﾀﾞ";
    SetItem(record(), xf::kCustomerCode1, "x*", 0x11);
    cell(xf::kCustomerCode1) = "OK";
    Apply();
    EXPECT_STREQ(record().Text(xf::kBankName), "ｶｴﾃﾞｷﾞﾝｺｳ");
    EXPECT_STREQ(record().Text(xf::kAccountName), "ﾔﾏﾀﾞﾀﾛｳ");
    EXPECT_EQ(record().Result(xf::kAccountName), xf::kResultTooLong);
    EXPECT_STREQ(record().Text(xf::kCustomerCode1), "x*");
    EXPECT_EQ(record().Result(xf::kCustomerCode1), 0x11);
}

TEST_F(RecordCorrectionTest, ACheckedDeleteBoxMarksTheRecordAndReadsNothingElse) {
    record().SetResult(xf::kBankCode, xf::kResultError);
    cell(xf::kBankCode) = "0009";
    row.deleteChecked = true;
    Apply();
    EXPECT_EQ(record().deleteFlag, 1);
    EXPECT_STREQ(record().Text(xf::kBankCode), "0001");
    EXPECT_EQ(record().Result(xf::kBankCode), xf::kResultError);
    row.deleteChecked = false;
    Apply();
    EXPECT_EQ(record().deleteFlag, 0);
    EXPECT_STREQ(record().Text(xf::kBankCode), "0009");
    EXPECT_EQ(record().Result(xf::kBankCode), 0);
}

struct NameCase {
    const char* bankName;
    int bankNameResult;
    const char* branchName;
    int bankCodeResult;  // of an emptied bank code
};

TEST_F(RecordCorrectionTest, EmptyOrInvalidNamesMakeEmptyCodesErrors) {
    const NameCase cases[] = {
        {"ｶｴﾃﾞ", 0, "ﾎﾝﾃﾝ", 0},
        {"", 0, "ﾎﾝﾃﾝ", 1},
        {"ｶｴﾃﾞ", 0, "", 1},
        {"ｶｴﾃﾞ!", xf::kResultError, "ﾎﾝﾃﾝ", 1},  // checked again and still invalid
        {"ｶｴﾃﾞ", xf::kResultError, "ﾎﾝﾃﾝ", 0},   // checked again and now valid
    };
    for (const NameCase& c : cases) {
        SetUp();
        SetItem(record(), xf::kBankName, c.bankName, c.bankNameResult);
        cell(xf::kBankName) = c.bankName;
        SetItem(record(), xf::kBranchName, c.branchName, 0);
        cell(xf::kBranchName) = c.branchName;
        record().SetResult(xf::kBankCode, xf::kResultError);
        cell(xf::kBankCode) = "";
        Apply();
        EXPECT_EQ(record().Result(xf::kBankCode), c.bankCodeResult)
            << "[" << c.bankName << "] [" << c.branchName << "]";
    }
}

TEST_F(RecordCorrectionTest, SalaryTransfersLeaveTheGeneralItemsAlone) {
    SetItem(record(), xf::kEdiInfo, "x*", xf::kResultError);
    cell(xf::kEdiInfo) = "OK";
    SetItem(record(), xf::kRequesterNumber, "x", xf::kResultError);
    cell(xf::kRequesterNumber) = "1";
    Apply(xf::kKindSalaryBonus);
    EXPECT_STREQ(record().Text(xf::kEdiInfo), "x*");
    EXPECT_EQ(record().Result(xf::kEdiInfo), xf::kResultError);
    EXPECT_EQ(record().Result(xf::kRequesterNumber), xf::kResultError);
}

}  // namespace
