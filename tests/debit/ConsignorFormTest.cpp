// The consignor form: texts longer than their master fields, the checks in their order on the
// record the form stores, the record it stores and shows, and the comparison with the stored one.
#include "debit/ConsignorForm.h"

#include <gtest/gtest.h>

#include <string>

#include "support/FormCase.h"

namespace {

using db::ConsignorForm;
using F = db::ConsignorField;

ConsignorForm ValidForm() {
    ConsignorForm f;
    f.description = "本社口座";
    f.name = "ｶ)ｲﾀｸ ｼｮｳｼﾞ";
    f.code = "0123456789";
    f.branchCode = "001";
    f.branchName = "ﾎﾝﾃﾝ";
    f.accountNumber = "1234567";
    return f;
}

using CheckCase = kortest::FormCase<ConsignorForm>;

class ConsignorFormCheckTest : public testing::TestWithParam<CheckCase> {};

TEST_P(ConsignorFormCheckTest, FirstFault) {
    kortest::ExpectFirstFault(GetParam(), ValidForm(), db::CheckConsignorForm);
}

constexpr int kDescription = static_cast<int>(F::kDescription);
constexpr int kName = static_cast<int>(F::kName);
constexpr int kCode = static_cast<int>(F::kCode);
constexpr int kBranchCode = static_cast<int>(F::kBranchCode);
constexpr int kBranchName = static_cast<int>(F::kBranchName);
constexpr int kAccountType = static_cast<int>(F::kAccountType);
constexpr int kAccountNumber = static_cast<int>(F::kAccountNumber);

INSTANTIATE_TEST_SUITE_P(
    Cases, ConsignorFormCheckTest,
    testing::Values(
        CheckCase{"Valid", [](ConsignorForm&) {}, 0, "", "", 0},
        CheckCase{"OnlyDescriptionCodeAndType",
                  [](ConsignorForm& f) {
                      f.name.clear(), f.branchCode.clear(), f.branchName.clear(),
                          f.accountNumber.clear();
                  },
                  0, "", "", 0},
        // Every field at its width in bytes passes; one byte more is refused, never cut.
        CheckCase{"EveryFieldAtItsWidth",
                  [](ConsignorForm& f) {
                      f.description = std::string(72, 'a') + "口";
                      f.name = std::string(40, 'A');
                      f.branchName = std::string(15, 'A');
                  },
                  0, "", "", 0},
        CheckCase{"DescriptionOf75Bytes",
                  [](ConsignorForm& f) { f.description = std::string(73, 'a') + "口"; }, 48,
                  "委託者登録内容の説明", "74", kDescription},
        CheckCase{"NameOf41Bytes", [](ConsignorForm& f) { f.name = std::string(41, 'A'); }, 48,
                  "委託者名(ｶﾅ)", "40", kName},
        CheckCase{"CodeOf11Digits", [](ConsignorForm& f) { f.code = "01234567890"; }, 48,
                  "委託者コード", "10", kCode},
        CheckCase{"BranchCodeOf4Digits", [](ConsignorForm& f) { f.branchCode = "0001"; }, 48,
                  "支店コード", "3", kBranchCode},
        CheckCase{"BranchNameOf16Bytes",
                  [](ConsignorForm& f) { f.branchName = std::string(16, 'A'); }, 48, "支店名(ｶﾅ)",
                  "15", kBranchName},
        CheckCase{"AccountNumberOf8Digits", [](ConsignorForm& f) { f.accountNumber = "12345678"; },
                  48, "口座番号", "7", kAccountNumber},
        // The widths come before the other checks.
        CheckCase{"LongNameBeforeEmptyDescription",
                  [](ConsignorForm& f) { f.description.clear(), f.name = std::string(41, 'A'); },
                  48, "委託者名(ｶﾅ)", "40", kName},
        CheckCase{"EmptyDescription", [](ConsignorForm& f) { f.description.clear(); }, 10,
                  "委託者登録内容の説明", "", kDescription},
        CheckCase{"EmptyCode", [](ConsignorForm& f) { f.code.clear(); }, 10, "委託者コード", "",
                  kCode},
        CheckCase{"NoTypeChosen", [](ConsignorForm& f) { f.accountType = -1; }, 11, "科目", "",
                  kAccountType},
        CheckCase{"HyphenAndSpaceInNameAreAccepted", [](ConsignorForm& f) { f.name = "ｶ-ﾅ ｶﾅ"; }, 0,
                  "", "", 0},
        CheckCase{"TildeInName", [](ConsignorForm& f) { f.name = "ｶ~ﾅ"; }, 18, "", "", kName},
        CheckCase{"FullWidthInBranchName", [](ConsignorForm& f) { f.branchName = "本店"; }, 18, "",
                  "", kBranchName},
        CheckCase{"LetterInAccountNumber", [](ConsignorForm& f) { f.accountNumber = "12A"; }, 18,
                  "", "", kAccountNumber}),
    kortest::CaseName<ConsignorForm>);

TEST(ConsignorForm, StoresAndShowsEveryField) {
    ConsignorForm form = ValidForm();
    form.accountType = 9;
    const db::CConsignorInfo record = db::ToConsignor(form);
    EXPECT_STREQ(record.description, "本社口座");
    EXPECT_STREQ(record.code, "0123456789");
    EXPECT_STREQ(record.accountType, "9");
    const ConsignorForm shown = db::FromConsignor(record);
    EXPECT_EQ(shown.name, form.name);
    EXPECT_EQ(shown.branchCode, form.branchCode);
    EXPECT_EQ(shown.branchName, form.branchName);
    EXPECT_EQ(shown.accountNumber, form.accountNumber);
    EXPECT_EQ(shown.accountType, 9);
    EXPECT_FALSE(db::IsConsignorModified(shown, &record));

    // A stored type the list does not offer shows no choice.
    db::CConsignorInfo other = record;
    other.accountType[0] = '3';
    EXPECT_EQ(db::FromConsignor(other).accountType, -1);
}

struct ModifiedCase {
    const char* name;
    void (*change)(ConsignorForm&);
    bool modified;
};

TEST(ConsignorForm, ModifiedAgainstTheStoredConsignorOrAnEmptyForm) {
    const db::CConsignorInfo stored = db::ToConsignor(ValidForm());
    const ModifiedCase againstStored[] = {
        {"unchanged", [](ConsignorForm&) {}, false},
        {"description", [](ConsignorForm& f) { f.description = "別"; }, true},
        {"name", [](ConsignorForm& f) { f.name = "ｱ"; }, true},
        {"code", [](ConsignorForm& f) { f.code = "1"; }, true},
        {"branch code", [](ConsignorForm& f) { f.branchCode = "002"; }, true},
        {"branch name", [](ConsignorForm& f) { f.branchName.clear(); }, true},
        {"account number", [](ConsignorForm& f) { f.accountNumber = "7654321"; }, true},
        {"type", [](ConsignorForm& f) { f.accountType = 2; }, true},
        {"no type", [](ConsignorForm& f) { f.accountType = -1; }, true},
    };
    for (const ModifiedCase& c : againstStored) {
        ConsignorForm form = ValidForm();
        c.change(form);
        EXPECT_EQ(db::IsConsignorModified(form, &stored), c.modified) << c.name;
    }
    // Without a stored consignor: an untouched form (type 1, the first choice) is unchanged.
    const ModifiedCase againstEmpty[] = {
        {"untouched", [](ConsignorForm&) {}, false},
        {"a description", [](ConsignorForm& f) { f.description = "新規"; }, true},
        {"type 2", [](ConsignorForm& f) { f.accountType = 2; }, true},
        {"a name", [](ConsignorForm& f) { f.name = "ｱ"; }, true},
    };
    for (const ModifiedCase& c : againstEmpty) {
        ConsignorForm form;
        c.change(form);
        EXPECT_EQ(db::IsConsignorModified(form, nullptr), c.modified) << c.name;
    }
}

}  // namespace
