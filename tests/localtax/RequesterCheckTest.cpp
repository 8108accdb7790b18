// The requester record's checks in the requester screen's order: the required lines first, then
// the characters of each line.
#include "localtax/RequesterCheck.h"

#include <gtest/gtest.h>

#include <string>

namespace tx {
namespace {

TEST(RequesterCheck, NamesTheFirstFaultInTheScreensOrder) {
    struct Case {
        const char* name;
        CRequesterInfo record;
        int message;
        int line;
    };
    const Case cases[] = {
        {"every sign allowed", {"ｶ)ﾃｽﾄ", "Ab09", "ﾄｳｷｮｳﾄ", "\\｢｣()-/*&$,.@=%+;･ "}, 0, 0},
        {"both required lines empty", {"", "", "", "ﾏﾙﾉｳﾁ"}, 7, kName1Line},
        {"address line 1 empty", {"ｶ)ﾃｽﾄ", "", "", "ﾏﾙﾉｳﾁ"}, 7, kAddress1Line},
        {"required before characters", {"ｶ)ﾃｽﾄ", "丸", "", ""}, 7, kAddress1Line},
        {"full-width in name line 2", {"ｶ)ﾃｽﾄ", "ﾃｽﾄ丸", "ﾄｳｷｮｳﾄ", "丸"}, 13, kName2Line},
        {"control byte in name line 1", {"ｶ)\tﾃｽﾄ", "", "ﾄｳｷｮｳﾄ", ""}, 13, kName1Line},
        {"quote in address line 2", {"ｶ)ﾃｽﾄ", "", "ﾄｳｷｮｳﾄ", "1\"2"}, 13, kAddress2Line},
    };
    for (const Case& c : cases) {
        const FormFault fault = CheckRequester(c.record);
        EXPECT_EQ(fault.message, c.message) << c.name;
        if (c.message != 0) {
            EXPECT_EQ(fault.field, c.line) << c.name;
        }
    }
    EXPECT_EQ(CheckRequester(cases[2].record).word1, "住所(ｶﾅ)");
    EXPECT_EQ(CheckRequester(cases[1].record).word1, "依頼人名(ｶﾅ)");
}

}  // namespace
}  // namespace tx
