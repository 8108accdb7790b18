#include "transfer/ItemCheck.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "transfer/ConvertEngine.h"
#include "transfer/DetailRecord.h"

namespace {

using namespace xf;

TEST(ItemCheck, SignSetsAreTheBankFormatsBytes) {
    EXPECT_EQ(std::string(kWideSigns),
              "\x5C\xA2\xA3\x28\x29\x2D\x2F\x2A\x26\x24\x2C\x2E\x40\x3D\x25\x2B\x3B\xA5\x20");
    EXPECT_EQ(std::string(kNarrowSigns), "\x5C\xA2\xA3\x28\x29\x2D\x2F\x2E\x20");
}

TEST(ItemCheck, NormalizeReplacesWholeCharactersOnly) {
    std::string text = "\x81\x40ﾐｽﾞﾎ･ｷﾞﾝｺｳ\x81\x40\x81\x40";
    NormalizeItemText(text);
    EXPECT_EQ(text, "ﾐｽﾞﾎ.ｷﾞﾝｺｳ");
    // "ぇ" is 82 A5 and "Ｘ" 82 77: their second bytes are no middle dot; 88 81 40 is a
    // double-byte character and '@', no full-width space.
    text = " ぇ\x88\x81\x40 ";
    NormalizeItemText(text);
    EXPECT_EQ(text, "ぇ\x88\x81\x40");
    text = "\x81\x40 \x81\x40";
    NormalizeItemText(text);
    EXPECT_EQ(text, "");
}

TEST(ItemCheck, MapAccountTypeComparesWholeTrimmedTexts) {
    const AccountTypeCodes codes{"ﾌﾂｳ", "ﾄｳｻﾞ", "ﾁｮﾁｸ", "ｿﾉﾀ"};
    EXPECT_EQ(MapAccountTypeCode(" ﾌﾂｳ ", codes), "1");
    EXPECT_EQ(MapAccountTypeCode("ﾄｳｻﾞ", codes), "2");
    EXPECT_EQ(MapAccountTypeCode("ﾁｮﾁｸ", codes), "4");
    EXPECT_EQ(MapAccountTypeCode("ｿﾉﾀ", codes), "9");
    EXPECT_EQ(MapAccountTypeCode("ﾌﾂ", codes), "ﾌﾂ");
    EXPECT_EQ(MapAccountTypeCode("  ", codes), "");
    // An empty customer code never matches; the first equal code wins.
    EXPECT_EQ(MapAccountTypeCode("1", AccountTypeCodes{"2", "1", "", ""}), "2");
    EXPECT_EQ(MapAccountTypeCode("1", AccountTypeCodes{}), "1");
}

}  // namespace

namespace {

using namespace xf;

constexpr int G = kKindGeneral;
constexpr int S = kKindSalaryBonus;

struct FieldCase {
    const char* note;
    const char* text;
    int kind;
    int transferKind;
    int codesRequired;
    int zeroOption;
    int blankOption;
    const char* expectedText;
    int expected;
    int skip;
};

void PrintTo(const FieldCase& c, std::ostream* os) {
    *os << c.note;
}

class ValidateFieldTest : public testing::TestWithParam<FieldCase> {};

// One engine as the correction screen sets it up: options and the customer's account codes.
TEST_P(ValidateFieldTest, NormalisesAndChecks) {
    const FieldCase& c = GetParam();
    CConvertEngine engine;
    engine.SetConvertInfo(c.zeroOption, c.blankOption, "ﾌﾂｳ", "ﾄｳｻﾞ", "ﾁｮﾁｸ", "ｿﾉﾀ");
    std::string text = c.text;
    int skip = 0;
    EXPECT_EQ(engine.ValidateField(text, c.kind, c.transferKind, c.codesRequired, &skip),
              c.expected);
    EXPECT_EQ(text, c.expectedText);
    EXPECT_EQ(skip, c.skip);
    EXPECT_EQ(engine.GetErrorCount(), (c.expected & 0x0F) ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ValidateFieldTest,
    testing::Values(
        // bank code
        FieldCase{"bank code", "0001", kBankCode, G, 0, 0, 0, "0001", 0, 0},
        FieldCase{"bank code 5 digits", "00012", kBankCode, G, 0, 0, 0, "00012", 18, 0},
        FieldCase{"bank code letter", "00A1", kBankCode, G, 0, 0, 0, "00A1", 1, 0},
        FieldCase{"bank code long+letter", "00A12", kBankCode, G, 0, 0, 0, "00A12", 19, 0},
        FieldCase{"bank code empty, names", " ", kBankCode, G, 0, 0, 0, "", 0, 0},
        FieldCase{"bank code empty, no name", "\x81\x40", kBankCode, G, 1, 0, 0, "", 1, 0},
        FieldCase{"branch code empty, no name", "", kBranchCode, S, 1, 0, 0, "", 1, 0},
        FieldCase{"branch code 4 digits", "1234", kBranchCode, G, 0, 0, 0, "1234", 18, 0},
        // names: the wide sign set
        FieldCase{"bank name middle dot", " ﾐｽﾞﾎ･ｷﾞﾝｺｳ ", kBankName, G, 0, 0, 0, "ﾐｽﾞﾎ.ｷﾞﾝｺｳ", 0,
                  0},
        FieldCase{"bank name kanji", "銀行", kBankName, G, 0, 0, 0, "銀行", 1, 0},
        FieldCase{"bank name empty", "", kBankName, G, 0, 0, 0, "", 0, 0},
        FieldCase{"branch name 16", "ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀ", kBranchName, G, 0, 0, 0, "ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀ",
                  18, 0},
        FieldCase{"account name full-width spaces", "\x81\x40ﾔﾏﾀﾞ\x81\x40ﾀﾛｳ\x81\x40", kAccountName,
                  G, 0, 0, 0, "ﾔﾏﾀﾞ ﾀﾛｳ", 0, 0},
        FieldCase{"account name signs", "ｶ)ABC*&$,.@=%+;/-(\\｢｣", kAccountName, G, 0, 0, 0,
                  "ｶ)ABC*&$,.@=%+;/-(\\｢｣", 0, 0},
        FieldCase{"account name empty", "  ", kAccountName, G, 0, 0, 0, "", 1, 0},
        FieldCase{"account name lower case", "abc", kAccountName, G, 0, 0, 0, "abc", 0, 0},
        FieldCase{"account name 31", "ｱｲｳｴｵｶｷｸｹｺｱｲｳｴｵｶｷｸｹｺｱｲｳｴｵｶｷｸｹｺｱ", kAccountName, G, 0, 0, 0,
                  "ｱｲｳｴｵｶｷｸｹｺｱｲｳｴｵｶｷｸｹｺｱｲｳｴｵｶｷｸｹｺｱ", 18, 0},
        FieldCase{"account name ぇ (82 A5)", "ぇ", kAccountName, G, 0, 0, 0, "ぇ", 1, 0},
        FieldCase{"account name quote", "ﾔﾏﾀﾞ\"", kAccountName, G, 0, 0, 0, "ﾔﾏﾀﾞ\"", 1, 0},
        // account type
        FieldCase{"type 1", "1", kAccountType, S, 0, 0, 0, "1", 0, 0},
        FieldCase{"type 4 general", "4", kAccountType, G, 0, 0, 0, "4", 0, 0},
        FieldCase{"type 4 salary", "4", kAccountType, S, 0, 0, 0, "4", 1, 0},
        FieldCase{"type 9 salary", "9", kAccountType, S, 0, 0, 0, "9", 1, 0},
        FieldCase{"type 3 general", "3", kAccountType, G, 0, 0, 0, "3", 1, 0},
        FieldCase{"type 12", "12", kAccountType, G, 0, 0, 0, "12", 3, 0},
        FieldCase{"type 01", "01", kAccountType, G, 0, 0, 0, "01", 2, 0},
        FieldCase{"type mapped, text kept", " ﾁｮﾁｸ ", kAccountType, G, 0, 0, 0, "ﾁｮﾁｸ", 0, 0},
        FieldCase{"type mapped salary", "ﾁｮﾁｸ", kAccountType, S, 0, 0, 0, "ﾁｮﾁｸ", 1, 0},
        FieldCase{"type unmapped", "ﾌﾂ", kAccountType, G, 0, 0, 0, "ﾌﾂ", 3, 0},
        FieldCase{"type empty", "", kAccountType, G, 0, 0, 0, "", 1, 0},
        FieldCase{"type long, no length rule", "ｿﾉﾀ", kAccountType, G, 0, 0, 0, "ｿﾉﾀ", 0, 0},
        // account number
        FieldCase{"account number", "1234567", kAccountNumber, G, 0, 0, 0, "1234567", 0, 0},
        FieldCase{"account number 8", "12345678", kAccountNumber, G, 0, 0, 0, "12345678", 18, 0},
        FieldCase{"account number dash", "123-456", kAccountNumber, G, 0, 0, 0, "123-456", 1, 0},
        FieldCase{"account number empty", "", kAccountNumber, G, 0, 0, 0, "", 1, 0},
        // amount under the options
        FieldCase{"amount", " 1000 ", kAmount, G, 0, 0, 0, "1000", 0, 0},
        FieldCase{"amount 11 digits", "12345678901", kAmount, G, 0, 0, 0, "12345678901", 18, 0},
        FieldCase{"amount minus", "-5", kAmount, G, 0, 0, 0, "-5", 1, 0},
        FieldCase{"amount blank accepted", " ", kAmount, G, 0, 0, 0, "", 0, 0},
        FieldCase{"amount blank error", " ", kAmount, G, 0, 0, 1, "", 1, 0},
        FieldCase{"amount blank skips", "", kAmount, G, 0, 0, 2, "", 0, 1},
        FieldCase{"amount blank, zero option", "", kAmount, G, 0, 1, 0, "", 0, 0},
        FieldCase{"amount zero accepted", "0", kAmount, G, 0, 0, 0, "0", 0, 0},
        FieldCase{"amount zero error", "000", kAmount, G, 0, 1, 0, "000", 1, 0},
        FieldCase{"amount zero skips", "0", kAmount, S, 0, 2, 0, "0", 0, 1},
        FieldCase{"amount zero, blank option", "0", kAmount, G, 0, 0, 1, "0", 0, 0},
        FieldCase{"amount letters never skip", "O", kAmount, G, 0, 2, 0, "O", 1, 0},
        // codes and EDI: the narrow sign set
        FieldCase{"customer code", "AB-12/(.)", kCustomerCode1, G, 0, 0, 0, "AB-12/(.)", 0, 0},
        FieldCase{"customer code asterisk", "AB*1", kCustomerCode2, G, 0, 0, 0, "AB*1", 1, 0},
        FieldCase{"customer code 11", "12345678901", kCustomerCode1, G, 0, 0, 0, "12345678901", 18,
                  0},
        FieldCase{"EDI 20", "ｱｲｳｴｵｶｷｸｹｺｱｲｳｴｵｶｷｸｹｺ", kEdiInfo, G, 0, 0, 0, "ｱｲｳｴｵｶｷｸｹｺｱｲｳｴｵｶｷｸｹｺ", 0,
                  0},
        FieldCase{"EDI 21", "ｱｲｳｴｵｶｷｸｹｺｱｲｳｴｵｶｷｸｹｺｱ", kEdiInfo, G, 0, 0, 0, "ｱｲｳｴｵｶｷｸｹｺｱｲｳｴｵｶｷｸｹｺｱ",
                  18, 0},
        FieldCase{"EDI comma", "A,B", kEdiInfo, G, 0, 0, 0, "A,B", 1, 0},
        // requester number
        FieldCase{"requester number", " 123 ", kRequesterNumber, G, 0, 0, 0, "123", 0, 0},
        FieldCase{"requester number letter", "12a", kRequesterNumber, G, 0, 0, 0, "12a", 1, 0},
        FieldCase{"requester number 11", "12345678901", kRequesterNumber, G, 0, 0, 0, "12345678901",
                  18, 0}));

TEST(ValidateField, WithoutSkipFlagAZeroAmountStaysValid) {
    CConvertEngine engine;
    engine.SetConvertInfo(2, 2, "", "", "", "");
    std::string text = "0";
    EXPECT_EQ(engine.ValidateField(text, kAmount, kKindGeneral, 0), 0);
    text = "";
    EXPECT_EQ(engine.ValidateField(text, kAmount, kKindGeneral, 0), 0);
}

TEST(ValidateField, ErrorCountCountsFlaggedItemsUntilReset) {
    CConvertEngine engine;
    std::string a = "12a", b = "1", c = "12345";
    engine.ValidateField(a, kBankCode, kKindGeneral, 0);
    engine.ValidateField(b, kAccountType, kKindGeneral, 0);
    engine.ValidateField(c, kBankCode, kKindGeneral, 0);
    EXPECT_EQ(engine.GetErrorCount(), 2);
    engine.ResetErrorCount();
    EXPECT_EQ(engine.GetErrorCount(), 0);
}

}  // namespace

namespace {

using namespace xf;

std::unique_ptr<CDetailRecord> Record(const char* amount, int amountResult, int deleteFlag) {
    auto r = std::make_unique<CDetailRecord>();
    std::strcpy(r->Text(xf::kAmount), amount);
    r->SetResult(xf::kAmount, amountResult);
    r->deleteFlag = deleteFlag;
    return r;
}

TEST(RevalidateRecord, CountsRecordsNeitherDeletedNorInError) {
    CDataSet set;
    set.details.push_back(Record("0000001000", 0, 0));
    set.details.push_back(Record("0000000500", 0, 1));  // deleted
    set.details.push_back(Record("00000000x0", 1, 0));  // in error
    set.details.push_back(Record("0000000020", 0, 0));
    set.details.push_back(Record("", 0, 0));             // counted, adds nothing
    set.details.push_back(Record("0000000007", 18, 1));  // deleted, in error
    CConvertEngine engine;
    int hasError = 0;
    engine.RevalidateRecord(set, &hasError);
    EXPECT_EQ(hasError, 1);
    EXPECT_EQ(set.countText, "3");
    EXPECT_EQ(set.totalText, "1020");
    EXPECT_EQ(set.totalsOverflow, 0);

    set.details[2]->deleteFlag = 1;
    CConvertEngine again;
    hasError = 0;
    again.RevalidateRecord(set);
    again.RevalidateRecord(set, &hasError);  // the totals go on from the engine's own
    EXPECT_EQ(hasError, 0);
    EXPECT_EQ(set.countText, "6");
    EXPECT_EQ(set.totalText, "2040");
}

TEST(RevalidateRecord, FlagsATotalTheTrailerCannotCarry) {
    CDataSet set;
    for (int i = 0; i < 101; ++i) set.details.push_back(Record("9999999999", 0, 0));
    CConvertEngine engine;
    engine.RevalidateRecord(set);
    EXPECT_EQ(set.totalText, "999999999999");
    EXPECT_EQ(set.totalsOverflow, 1);
    EXPECT_TRUE(engine.HasTotalOverflow());
    set.details.pop_back();
    CConvertEngine fits;
    fits.RevalidateRecord(set);
    EXPECT_EQ(set.totalText, "999999999900");
    EXPECT_EQ(set.totalsOverflow, 0);
}

// Codes and amount options come from the separated pattern first, then the fixed one.
TEST(SetPattern, TakesOptionsAndCodesFromTheSeparatedPatternFirst) {
    CFixedPattern fixed;
    fixed.SetField(28, "1");
    fixed.SetField(29, "2");
    fixed.SetField(32, "F1");
    CDelimPattern delim;
    delim.SetField(28, "2");
    delim.SetField(29, "3");
    delim.SetField(32, "D1");

    CConvertEngine engine;
    engine.SetPattern(&fixed, &delim, nullptr, nullptr);
    EXPECT_EQ(engine.MapAccountType("D1"), "1");
    EXPECT_EQ(engine.MapAccountType("F1"), "F1");
    std::string zero = "0", blank = "";
    int skip = 0;
    engine.ValidateField(zero, kAmount, kKindGeneral, 0, &skip);  // separated: skip
    EXPECT_EQ(skip, 1);
    skip = 0;
    engine.ValidateField(blank, kAmount, kKindGeneral, 0, &skip);  // "3" is none: fixed "2"
    EXPECT_EQ(skip, 1);

    engine.SetPattern(&fixed, nullptr, nullptr, nullptr);
    EXPECT_EQ(engine.MapAccountType(" F1 "), "1");
    zero = "0";
    EXPECT_EQ(engine.ValidateField(zero, kAmount, kKindGeneral, 0), kResultError);

    // The correction screen's set-up forgets the pattern.
    engine.SetConvertInfo(0, 0, "S1", "S2", "S4", "S9");
    EXPECT_EQ(engine.MapAccountType("F1"), "F1");
    EXPECT_EQ(engine.MapAccountType("S9"), "9");
    zero = "0";
    EXPECT_EQ(engine.ValidateField(zero, kAmount, kKindGeneral, 0), kResultValid);
}

}  // namespace
