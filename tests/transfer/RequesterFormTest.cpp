// The requester form: the checks of a save in their order, the padding of the number fields and
// the comparison with the stored requester.
#include "transfer/RequesterForm.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "FormCase.h"

namespace {

using xf::RequesterForm;

RequesterForm ValidForm() {
    RequesterForm f;
    f.description = "本社口座";
    f.name = "ｶﾌﾞｼｷｶﾞｲｼﾔ ﾃｽﾄ(ｶ)";
    f.branchCode = "001";
    f.branchName = "ﾎﾝﾃﾝ";
    f.accountNumber = "0001234";
    f.requesterCode = "0000000123";
    return f;
}

using CheckCase = xftest::FormCase<RequesterForm>;

class RequesterCheckTest : public testing::TestWithParam<CheckCase> {};

TEST_P(RequesterCheckTest, FirstFault) {
    xftest::ExpectFirstFault(GetParam(), ValidForm(), xf::CheckRequesterForm);
}

using F = RequesterForm;
INSTANTIATE_TEST_SUITE_P(
    Cases, RequesterCheckTest,
    testing::Values(
        CheckCase{"Valid", [](F&) {}, 0, "", "", F::kNone},
        CheckCase{"EmptyCodeAndBranchNameAreAccepted",
                  [](F& f) { f.requesterCode.clear(), f.branchName.clear(); }, 0, "", "", F::kNone},
        CheckCase{"EveryListedSignInTheName",
                  [](F& f) { f.name = "AZaz09ｱﾝﾞﾟ\\｢｣()-/*&$,.@=%+;･ "; }, 0, "", "", F::kNone},
        // Emptiness comes before every character check, whatever the order of the fields.
        CheckCase{"EmptyDescriptionFirst",
                  [](F& f) { f.description.clear(), f.name = "全角", f.accountNumber.clear(); }, 10,
                  "振込依頼人登録内容の説明", "", F::kDescription},
        // The field takes 74 characters; the record holds 74 bytes.
        CheckCase{"DescriptionOf75Bytes",
                  [](F& f) { f.description = std::string(73, 'a') + "口", f.name.clear(); }, 48,
                  "振込依頼人登録内容の説明", "74", F::kDescription},
        CheckCase{"DescriptionOf74Bytes", [](F& f) { f.description = std::string(72, 'a') + "口"; },
                  0, "", "", F::kNone},
        CheckCase{"QuoteInDescription", [](F& f) { f.description = "a\"b"; }, 108, "", "",
                  F::kDescription},
        CheckCase{"CommaInDescription", [](F& f) { f.description = "a,b"; }, 108, "", "",
                  F::kDescription},
        CheckCase{"EmptyName", [](F& f) { f.name.clear(), f.branchCode.clear(); }, 10,
                  "振込依頼人名（カナ）", "", F::kName},
        CheckCase{"EmptyBranchCode", [](F& f) { f.branchCode.clear(), f.name = "全角"; }, 10,
                  "支店コード", "", F::kBranchCode},
        CheckCase{"EmptyAccountNumber", [](F& f) { f.accountNumber.clear(), f.accountType = -1; },
                  10, "口座番号", "", F::kAccountNumber},
        CheckCase{"NoAccountType", [](F& f) { f.accountType = -1, f.name = "全角"; }, 11, "科目",
                  "", F::kAccountType},
        CheckCase{"FullWidthInName", [](F& f) { f.name = "ｶﾅ全角", f.branchCode = "x"; }, 18, "",
                  "", F::kName},
        CheckCase{"LetterInRequesterCode", [](F& f) { f.requesterCode = "12a"; }, 18, "", "",
                  F::kRequesterCode},
        CheckCase{"BlankInBranchCode", [](F& f) { f.branchCode = "0 1"; }, 18, "", "",
                  F::kBranchCode},
        CheckCase{"FullWidthInBranchName", [](F& f) { f.branchName = "本店"; }, 18, "", "",
                  F::kBranchName},
        CheckCase{"SignInAccountNumber", [](F& f) { f.accountNumber = "123-4"; }, 18, "", "",
                  F::kAccountNumber}),
    xftest::CaseName<RequesterForm>);

TEST(RequesterPadding, AccountNumberAndRequesterCode) {
    EXPECT_EQ(xf::PadAccountNumber("123"), "0000123");
    EXPECT_EQ(xf::PadAccountNumber(""), "");
    EXPECT_EQ(xf::PadAccountNumber("1234567"), "1234567");
    EXPECT_EQ(PadCustomerCode("1 23"), "0000000123");
    EXPECT_EQ(PadCustomerCode(" "), "");
    EXPECT_EQ(PadCustomerCode(""), "");
    EXPECT_EQ(PadCustomerCode("1234567890"), "1234567890");
}

TEST(RequesterRecord, FormAndRecordMapOntoEachOther) {
    RequesterForm form = ValidForm();
    form.accountType = 2;
    form.kind = "";
    const xf::CRequesterInfo r = xf::ToRequester(form);
    EXPECT_STREQ(r.accountType, "2");
    EXPECT_STREQ(r.transferKind, "");
    EXPECT_STREQ(r.description, "本社口座");
    EXPECT_FALSE(xf::IsRequesterModified(form, &r));
    const RequesterForm back = xf::FromRequester(r);
    EXPECT_EQ(back.accountType, 2);
    EXPECT_EQ(back.name, form.name);
    // A description longer than its field is cut on a character boundary.
    form.description = std::string(73, 'a') + "本";
    EXPECT_EQ(std::string(xf::ToRequester(form).description), std::string(73, 'a'));
}

TEST(RequesterRecord, AccountTypeChoiceAndKind) {
    EXPECT_EQ(xf::AccountTypeIndex("1"), 0);
    EXPECT_EQ(xf::AccountTypeIndex("9"), 2);
    EXPECT_EQ(xf::AccountTypeIndex(""), 0);
    EXPECT_EQ(xf::AccountTypeIndex("4"), -1);
    xf::CRequesterInfo r;
    r.transferKind[0] = '3';
    EXPECT_EQ(xf::FromRequester(r).kind, "");
}

TEST(RequesterModified, AgainstTheStoredRecordAndAgainstAnEmptyForm) {
    EXPECT_FALSE(xf::IsRequesterModified(RequesterForm{}, nullptr));
    RequesterForm typed;
    typed.description = "新規";
    EXPECT_TRUE(xf::IsRequesterModified(typed, nullptr));
    RequesterForm other;
    other.accountType = 9;
    EXPECT_TRUE(xf::IsRequesterModified(other, nullptr));
    other = {};
    other.kind = "1";
    EXPECT_TRUE(xf::IsRequesterModified(other, nullptr));

    const RequesterForm form = ValidForm();
    xf::CRequesterInfo stored = xf::ToRequester(form);
    stored.transferKind[0] = '2';
    EXPECT_TRUE(xf::IsRequesterModified(form, &stored));
    stored.transferKind[0] = '\0';
    stored.accountType[0] = '\0';  // counts as "-1": differs from the chosen 1
    EXPECT_TRUE(xf::IsRequesterModified(form, &stored));
    RequesterForm none = form;
    none.accountType = -1;
    EXPECT_FALSE(xf::IsRequesterModified(none, &stored));
}

// A stored requester reaches the header record of the bank file: what the screen would not save
// is refused, naming the field; whatever it saves passes.
TEST(StoredRequester, ADamagedFieldIsRefusedWithTheFieldAndASavedOnePasses) {
    struct Case {
        const char* name;
        void (*damage)(xf::CRequesterInfo&);
        int field;
    };
    const Case cases[] = {
        {"as saved", [](xf::CRequesterInfo&) {}, F::kNone},
        {"CR in the name", [](xf::CRequesterInfo& r) { std::strcpy(r.name, "ﾃｽﾄ\rｼｮｳｼﾞ"); },
         F::kName},
        {"LF in the name", [](xf::CRequesterInfo& r) { std::strcpy(r.name, "ﾃｽﾄ\n"); }, F::kName},
        {"end byte in the account number",
         [](xf::CRequesterInfo& r) { std::strcpy(r.accountNumber, "12345\x1A"); },
         F::kAccountNumber},
        {"letter in the account number",
         [](xf::CRequesterInfo& r) { std::strcpy(r.accountNumber, "12O4567"); }, F::kAccountNumber},
        {"double-byte branch code", [](xf::CRequesterInfo& r) { std::strcpy(r.branchCode, "１"); },
         F::kBranchCode},
        {"lead byte cut off at the end of the branch name",
         [](xf::CRequesterInfo& r) { std::strcpy(r.branchName, "ﾎﾝﾃﾝ\x82"); }, F::kBranchName},
        {"letter in the requester code",
         [](xf::CRequesterInfo& r) { std::strcpy(r.requesterCode, "00000A0123"); },
         F::kRequesterCode},
        {"no name", [](xf::CRequesterInfo& r) { r.name[0] = '\0'; }, F::kName},
        {"no account type", [](xf::CRequesterInfo& r) { r.accountType[0] = '\0'; },
         F::kAccountType},
        {"account type of no choice", [](xf::CRequesterInfo& r) { r.accountType[0] = '4'; },
         F::kAccountType},
    };
    for (const Case& c : cases) {
        xf::CRequesterInfo r = xf::ToRequester(ValidForm());
        c.damage(r);
        EXPECT_EQ(xf::CheckStoredRequester(r).field, c.field) << c.name;
    }
    // Every choice of the screen's lists passes.
    for (const xf::AccountTypeChoice& type : xf::kRequesterAccountTypes) {
        for (const char* kind : {"", "1", "2"}) {
            RequesterForm form = ValidForm();
            form.accountType = type.value;
            form.kind = kind;
            EXPECT_FALSE(xf::CheckStoredRequester(xf::ToRequester(form))) << type.text << kind;
        }
    }
}

}  // namespace
