#include <gtest/gtest.h>

#include <cstring>

#include "transfer/DataSet.h"

namespace {

using xf::CDetailRecord;

TEST(DetailRecord, ItemsByKindHaveTheirWidths) {
    CDetailRecord r;
    for (int kind = 0; kind < xf::kItemCount; ++kind) {
        const xf::ItemRef item = r.Item(kind);
        ASSERT_NE(item.text, nullptr);
        EXPECT_EQ(item.width, xf::kItems[kind].recordWidth) << kind;
        EXPECT_EQ(*item.result, 0);
        EXPECT_EQ(item.text[item.width], '\0');
    }
    EXPECT_EQ(r.Item(xf::kItemCount).text, nullptr);
    r.Item(xf::kAmount).text[0] = '5';
    EXPECT_STREQ(r.amount.text, "5");
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
            *r.Item(kind).result = c.code;
            EXPECT_EQ(r.HasFieldError(), c.error) << "code " << c.code << " kind " << kind;
        }
    }
}

TEST(DetailRecord, CopyTakesEveryField) {
    CDetailRecord a;
    a.serial = 7;
    a.deleteFlag = 1;
    std::strcpy(a.accountName.text, "ﾔﾏﾀﾞ ﾀﾛｳ");
    a.accountName.result = 18;
    a.identification = 'Y';
    CDetailRecord b;
    b = a;
    EXPECT_EQ(b.serial, 7);
    EXPECT_EQ(b.deleteFlag, 1);
    EXPECT_STREQ(b.accountName.text, "ﾔﾏﾀﾞ ﾀﾛｳ");
    EXPECT_EQ(b.accountName.result, 18);
    EXPECT_EQ(b.identification, 'Y');
}

struct CountedRecord : CDetailRecord {
    explicit CountedRecord(int* counter) : m_counter(counter) {}
    ~CountedRecord() override { ++*m_counter; }
    int* m_counter;
};

TEST(DataSet, FreesItsRecordsAndRequester) {
    int destroyed = 0;
    {
        auto set = std::make_unique<xf::CDataSet>();
        EXPECT_EQ(set->patternIndex, -1);
        EXPECT_FALSE(set->requester);
        EXPECT_FALSE(set->outputTime);
        for (int i = 0; i < 3; ++i)
            set->details.push_back(std::make_unique<CountedRecord>(&destroyed));
        set->requester = std::make_unique<xf::CRequesterInfo>();
    }
    EXPECT_EQ(destroyed, 3);
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
