// The direct-debit consignor master with lines ended by LF alone.
#include <gtest/gtest.h>

#include <string>

#include "common/base/MasterText.h"
#include "debit/ConsignorLine.h"
#include "debit/ConsignorStore.h"
#include "support/TestPaths.h"
#include "transfer/MasterStoreTest.h"

namespace {

TEST(DebitMasterLineEnds, AConsignorMasterWithLfLinesLoadsEveryConsignor) {
    const std::string path = kortest::ScratchDirOfTest() + db::CConsignorStore::kFileName;
    const auto line = [](const char* description) {
        return xftest::Line({"ｶ)ｲﾀｸ", "0123456789", "001", "ﾎﾝﾃﾝ", "1", "1234567", description});
    };
    xftest::ExpectLfLinesReadAsCrLf<db::CConsignorStore>(
        path, {line("甲"), line("乙")}, 2, [](db::CConsignorStore& s) {
            EXPECT_STREQ(s.GetList()[1]->description, "乙");
            db::CConsignorInfo c = *s.GetList()[0];
            c.description[0] = 'X';
            c.description[1] = '\0';
            EXPECT_EQ(s.Update(0, c, 0), 1);
            return *db::FormatConsignorLine(c);
        });
}

}  // namespace
