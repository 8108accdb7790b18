// The requester record's checks in the requester screen's order: the required lines first, then
// the characters of each line.
#include "localtax/RequesterForm.h"

#include <gtest/gtest.h>

#include "support/MessageNumber.h"

#include <string>

namespace tx {
namespace {

TEST(RequesterCheck, NamesTheFirstFaultInTheScreensOrder) {
    struct Case {
        const char* name;
        CRequesterInfo record;
        int message;
        RequesterField field;
    };
    const Case cases[] = {
        {"every sign allowed",
         {"ｶ)ﾃｽﾄ", "Ab09", "ﾄｳｷｮｳﾄ", "\\｢｣()-/*&$,.@=%+;･ "},
         0,
         RequesterField::kNone},
        {"both required lines empty", {"", "", "", "ﾏﾙﾉｳﾁ"}, 7, RequesterField::kName1},
        {"address line 1 empty", {"ｶ)ﾃｽﾄ", "", "", "ﾏﾙﾉｳﾁ"}, 7, RequesterField::kAddress1},
        {"required before characters", {"ｶ)ﾃｽﾄ", "丸", "", ""}, 7, RequesterField::kAddress1},
        {"full-width in name line 2",
         {"ｶ)ﾃｽﾄ", "ﾃｽﾄ丸", "ﾄｳｷｮｳﾄ", "丸"},
         13,
         RequesterField::kName2},
        {"control byte in name line 1", {"ｶ)\tﾃｽﾄ", "", "ﾄｳｷｮｳﾄ", ""}, 13, RequesterField::kName1},
        {"quote in address line 2", {"ｶ)ﾃｽﾄ", "", "ﾄｳｷｮｳﾄ", "1\"2"}, 13, RequesterField::kAddress2},
    };
    for (const Case& c : cases) {
        const FormFault fault = CheckRequesterForm(c.record);
        EXPECT_EQ(kortest::NumberOf(fault.message), c.message) << c.name;
        if (c.message != 0) {
            EXPECT_EQ(fault.field, static_cast<int>(c.field)) << c.name;
        }
    }
    EXPECT_EQ(CheckRequesterForm(cases[2].record).word1, "住所(ｶﾅ)");
    EXPECT_EQ(CheckRequesterForm(cases[1].record).word1, "依頼人名(ｶﾅ)");
    // The word of the main screen's message on a stored record: the label of the field's line.
    EXPECT_STREQ(RequesterFieldLabel(static_cast<int>(RequesterField::kName2)), "依頼人名(ｶﾅ)");
    EXPECT_STREQ(RequesterFieldLabel(static_cast<int>(RequesterField::kAddress2)), "住所(ｶﾅ)");
}

}  // namespace
}  // namespace tx
