// A direct-debit file read with the patterns as the pattern master holds them: the item places,
// the options and the customer's account-type codes come from the stored line, numbered from 1.
#include <gtest/gtest.h>

#include <string>

#include "common/flow/ReadResult.h"
#include "debit/ConvertEngine.h"
#include "debit/PatternStore.h"
#include "support/TestPaths.h"

namespace {

// Field 3 the file class; fields 5-24 item places (the comma pattern takes item k from column
// 9 - k, the fixed-length one from the bytes below); 25, 26 zero and blank amounts are errors;
// 28 the record length; 29-32 the customer's codes; 33-36 output options, title rows, data row.
const std::string kCommaLine =
    "\"03\",\"口座振込\",\"01\",\"REVERSED\","
    "\"9\",\"a\",\"8\",\"b\",\"7\",\"c\",\"6\",\"d\",\"5\",\"e\",\"4\",\"f\",\"3\",\"g\",\"2\","
    "\"h\","
    "\"1\",\"i\",\"0\",\"j\",\"1\",\"1\",\"1\",\"\",\"ﾌﾂｳ\",\"ﾄｳｻﾞ\",\"ﾉｳｾﾞｲ\",\"ｿﾉﾀ\",\"2\",\"1\","
    "\"1\",\"2\"";
const std::string kFixedLine =
    "\"03\",\"口座振込\",\"03\",\"FIXED\","
    "\"1\",\"4\",\"\",\"\",\"5\",\"3\",\"\",\"\",\"8\",\"1\",\"9\",\"7\",\"16\",\"10\",\"26\","
    "\"6\","
    "\"\",\"\",\"\",\"\",\"2\",\"2\",\"\",\"31\",\"A\",\"B\",\"C\",\"D\",\"3\",\"0\",\"1\",\"2\"";

class DebitPatternRead : public testing::Test {
protected:
    void SetUp() override {
        master = kortest::ScratchFileOfTest("mstKORDB301.ini",
                                            kCommaLine + "\r\n" + kFixedLine + "\r\n");
        ASSERT_EQ(store.Load(master), 1);
        ASSERT_EQ(store.GetList().size(), 2u);
    }

    std::string master;
    db::CPatternStore store;
};

TEST_F(DebitPatternRead, ASeparatedPatternPlacesItemsByItsColumns) {
    const db::CDelimPattern* delim = store.GetDelimPattern(0);
    ASSERT_NE(delim, nullptr);
    db::CConvertEngine engine;
    engine.SetPattern(nullptr, delim, store.GetList()[0].get(), nullptr);
    // The title line goes; items stand in reverse order.
    const std::string input = kortest::ScratchFileOfTest(
        "in.csv", "title\r\nC1,,\"1,200\",ﾔﾏﾀﾞ,12,ﾉｳｾﾞｲ,ﾎﾝﾃﾝ,1,ﾐｽﾞﾎ,998\r\n");
    ASSERT_EQ(engine.ReadFile(0, input), kReadOk);
    const std::unique_ptr<db::CDataSet> set = engine.GetDataSet();
    ASSERT_TRUE(set);
    ASSERT_EQ(set->details.size(), 1u);
    const db::CDetailRecord& r = *set->details[0];
    const char* expected[] = {"0998",    "ﾐｽﾞﾎ", "001",        "ﾎﾝﾃﾝ", "3",
                              "0000012", "ﾔﾏﾀﾞ", "0000001200", "",     "C1"};
    for (int i = 0; i < db::kItemCount; ++i) {
        EXPECT_STREQ(r.Text(i), expected[i]) << i;
        EXPECT_EQ(r.Result(i), 0) << i;
    }
    EXPECT_EQ(set->taxReserveCode, "ﾉｳｾﾞｲ");
    EXPECT_EQ(set->totalText, "1200");
}

TEST_F(DebitPatternRead, AFixedLengthPatternCutsItsRecordsAndItsAmountOptionsHold) {
    const db::CFixedPattern* fixed = store.GetFixedPattern(1);
    ASSERT_NE(fixed, nullptr);
    db::CConvertEngine engine;
    engine.SetPattern(fixed, nullptr, store.GetList()[1].get(), nullptr);
    // 31 bytes a record: code 1-4, branch 5-7, type 8, account 9-15, name 16-25, amount 26-31.
    const std::string input = kortest::ScratchFileOfTest(
        "in.dat",
        "0998001C0001234ﾔﾏﾀﾞ      000500\r\n"
        "0998001A0000001ｽｽﾞｷ      000000\r\n");  // amount 0 leaves the line out
    ASSERT_EQ(engine.ReadFile(0, input), kReadOk);
    const std::unique_ptr<db::CDataSet> set = engine.GetDataSet();
    ASSERT_TRUE(set);
    ASSERT_EQ(set->details.size(), 1u);
    const db::CDetailRecord& r = *set->details[0];
    EXPECT_STREQ(r.Text(db::kAccountType), "3");
    EXPECT_STREQ(r.Text(db::kDepositorName), "ﾔﾏﾀﾞ");
    EXPECT_STREQ(r.Text(db::kAmount), "0000000500");
    EXPECT_EQ(r.serial, 1);
    EXPECT_EQ(set->countText, "1");
}

}  // namespace
