// The consignor screen's checks of a save, on consignors as a damaged master may hold them.
#include "debit/ConsignorCheck.h"

#include <gtest/gtest.h>

#include "support/MessageNumber.h"

#include <string>

#include "common/base/StrUtil.h"

namespace db {
namespace {

struct CheckCase {
    const char* note;
    void (*change)(CConsignorInfo& c);
    int message;
    ConsignorField field;
    const char* word;
};
void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << c.note;
}

template <size_t N>
void Set(char (&field)[N], const char* text) {
    CStrUtil::CopyToBuffer(text, field, static_cast<int>(N - 1));
}

// A consignor as the consignor screen saves it.
CConsignorInfo Valid() {
    CConsignorInfo c;
    Set(c.name, "ｶ)ｲﾀｸ ｼｮｳｼﾞ-1");
    Set(c.code, "0123456789");
    Set(c.branchCode, "001");
    Set(c.branchName, "ﾎﾝﾃﾝ");
    Set(c.accountType, "1");
    Set(c.accountNumber, "1234567");
    Set(c.description, "本社の口座");
    return c;
}

using F = ConsignorField;
const CheckCase kCases[] = {
    {"valid", [](CConsignorInfo&) {}, 0, F::kNone, ""},
    {"only description, code and type",
     [](CConsignorInfo& c) {
         Set(c.name, "");
         Set(c.branchCode, "");
         Set(c.branchName, "");
         Set(c.accountNumber, "");
     },
     0, F::kNone, ""},
    {"type 2", [](CConsignorInfo& c) { Set(c.accountType, "2"); }, 0, F::kNone, ""},
    {"type 9", [](CConsignorInfo& c) { Set(c.accountType, "9"); }, 0, F::kNone, ""},
    {"name with every allowed sign",
     [](CConsignorInfo& c) { Set(c.name, "ABC xyz!#$%&'()*+-./:;<=>?@[\\]^_|ｱｰﾟ｡"); }, 0, F::kNone,
     ""},
    {"empty description", [](CConsignorInfo& c) { Set(c.description, ""); }, 10, F::kDescription,
     "委託者登録内容の説明"},
    {"comma in description", [](CConsignorInfo& c) { Set(c.description, "本社,支社"); }, 108,
     F::kDescription, ""},
    {"quote in description", [](CConsignorInfo& c) { Set(c.description, "\"本社\""); }, 108,
     F::kDescription, ""},
    {"empty code before a bad name",
     [](CConsignorInfo& c) {
         Set(c.code, "");
         Set(c.name, "漢字");
     },
     10, F::kCode, "委託者コード"},
    {"empty type", [](CConsignorInfo& c) { Set(c.accountType, ""); }, 11, F::kAccountType, "科目"},
    {"type 3 is not offered", [](CConsignorInfo& c) { Set(c.accountType, "3"); }, 11,
     F::kAccountType, "科目"},
    {"full-width name", [](CConsignorInfo& c) { Set(c.name, "カナ"); }, 18, F::kName, ""},
    {"tilde in name", [](CConsignorInfo& c) { Set(c.name, "ｶ~ﾅ"); }, 18, F::kName, ""},
    {"brace in name", [](CConsignorInfo& c) { Set(c.name, "ｶ{ﾅ"); }, 18, F::kName, ""},
    {"backquote in name", [](CConsignorInfo& c) { Set(c.name, "ｶ`ﾅ"); }, 18, F::kName, ""},
    {"comma in name", [](CConsignorInfo& c) { Set(c.name, "ｶ,ﾅ"); }, 18, F::kName, ""},
    {"tab in name", [](CConsignorInfo& c) { Set(c.name, "ｶ\tﾅ"); }, 18, F::kName, ""},
    {"letter in code", [](CConsignorInfo& c) { Set(c.code, "01234567A9"); }, 18, F::kCode, ""},
    {"blank in code", [](CConsignorInfo& c) { Set(c.code, "01234 6789"); }, 18, F::kCode, ""},
    {"letter in branch code", [](CConsignorInfo& c) { Set(c.branchCode, "0A1"); }, 18,
     F::kBranchCode, ""},
    {"double-byte branch name", [](CConsignorInfo& c) { Set(c.branchName, "本店"); }, 18,
     F::kBranchName, ""},
    {"control byte in branch name", [](CConsignorInfo& c) { Set(c.branchName, "ﾎﾝ\x7Fﾃﾝ"); }, 18,
     F::kBranchName, ""},
    {"minus in account number", [](CConsignorInfo& c) { Set(c.accountNumber, "-123456"); }, 18,
     F::kAccountNumber, ""},
};

class ConsignorCheck : public testing::TestWithParam<CheckCase> {};

TEST_P(ConsignorCheck, FindsTheFirstFailingField) {
    const CheckCase& c = GetParam();
    CConsignorInfo consignor = Valid();
    c.change(consignor);
    const FormFault fault = CheckConsignor(consignor);
    EXPECT_EQ(kortest::NumberOf(fault.message), c.message);
    EXPECT_EQ(fault.field, static_cast<int>(c.field));
    EXPECT_EQ(fault.word1, c.word);
    EXPECT_EQ(fault.word2, "");
}

INSTANTIATE_TEST_SUITE_P(Cases, ConsignorCheck, testing::ValuesIn(kCases));

}  // namespace
}  // namespace db
