#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <type_traits>

#include "transfer/DataSet.h"

namespace {

using xf::CDetailRecord;

TEST(DetailRecord, ItemsByKindHaveTheirWidths) {
    CDetailRecord r;
    const int widths[xf::kItemCount] = {4, 15, 3, 15, 20, 7, 30, 10, 10, 10, 20, 10};
    for (int kind = 0; kind < xf::kItemCount; ++kind) {
        ASSERT_NE(r.Text(kind), nullptr);
        EXPECT_EQ(r.Width(kind), widths[kind]) << kind;
        EXPECT_EQ(r.Width(kind), xf::TransferItems()[static_cast<size_t>(kind)].recordWidth);
        EXPECT_EQ(r.Result(kind), 0);
        EXPECT_EQ(r.Text(kind)[r.Width(kind)], '\0');
    }
    // Filling an item to its width leaves its neighbours alone.
    for (int kind = 0; kind < xf::kItemCount; ++kind) {
        std::memset(r.Text(kind), 'A' + kind, static_cast<size_t>(r.Width(kind)));
        r.SetResult(kind, kind + 1);
    }
    for (int kind = 0; kind < xf::kItemCount; ++kind) {
        EXPECT_EQ(std::string(r.Text(kind)),
                  std::string(static_cast<size_t>(r.Width(kind)), 'A' + kind));
        EXPECT_EQ(r.Result(kind), kind + 1);
    }
    r = CDetailRecord();
    EXPECT_EQ(r.Text(xf::kItemCount), nullptr);
    r.Text(xf::kAmount)[0] = '5';
    EXPECT_STREQ(r.Text(xf::kAmount), "5");
}

TEST(DetailRecord, FieldErrorIsAnyOfTheLowFourBits) {
    struct Case {
        int code;
        bool error;
    };
    const Case cases[] = {{0, false}, {1, true},   {2, true},  {4, true},
                          {8, true},  {16, false}, {18, true}, {32, false}};
    for (const Case& c : cases) {
        for (int kind = 0; kind < xf::kItemCount; ++kind) {
            CDetailRecord r;
            r.SetResult(kind, c.code);
            EXPECT_EQ(r.HasFieldError(), c.error) << "code " << c.code << " kind " << kind;
        }
    }
}

TEST(DetailRecord, CopyTakesEveryField) {
    CDetailRecord a;
    a.serial = 7;
    a.deleteFlag = 1;
    std::strcpy(a.Text(xf::kAccountName), "ﾔﾏﾀﾞ ﾀﾛｳ");
    a.SetResult(xf::kAccountName, 18);
    a.identification = 'Y';
    CDetailRecord b;
    b = a;
    EXPECT_EQ(b.serial, 7);
    EXPECT_EQ(b.deleteFlag, 1);
    EXPECT_STREQ(b.Text(xf::kAccountName), "ﾔﾏﾀﾞ ﾀﾛｳ");
    EXPECT_EQ(b.Result(xf::kAccountName), 18);
    EXPECT_EQ(b.identification, 'Y');
}

// Records and data sets are plain values: nothing derives from them, and the data set owns its
// records and its requester through unique pointers.
static_assert(!std::is_polymorphic_v<CDetailRecord>);
static_assert(!std::is_polymorphic_v<xf::CDataSet>);
static_assert(std::is_same_v<xf::CDetailObList::value_type, std::unique_ptr<CDetailRecord>>);

TEST(DataSet, StartsEmpty) {
    auto set = std::make_unique<xf::CDataSet>();
    EXPECT_EQ(set->patternIndex, -1);
    EXPECT_FALSE(set->requester);
    EXPECT_FALSE(set->outputTime);
    EXPECT_TRUE(set->details.empty());
}

TEST(RequesterInfo, DumpListsBankFields) {
    xf::CRequesterInfo r;
    std::strcpy(r.name, "ｶ)ﾃｽﾄ");
    std::strcpy(r.branchCode, "123");
    const std::string dump = r.Dump();
    EXPECT_NE(dump.find("振り込み依頼人名称 [ｶ)ﾃｽﾄ]"), std::string::npos);
    EXPECT_NE(dump.find("支店コード [123]"), std::string::npos);
}

}  // namespace
