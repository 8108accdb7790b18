// Sort keys of the check screen.
#include "transfer/RecordOrder.h"

#include <gtest/gtest.h>

#include "SampleData.h"

namespace {

using xftest::SetItem;

struct KeyCase {
    int order;
    const char* a;  // serial as text for order 0
    const char* b;
    bool less;
};

TEST(RecordOrder, KeysCompareAsNumbersOrUnsignedBytes) {
    const KeyCase cases[] = {
        {xf::kOrderSerial, "2", "10", true},
        {xf::kOrderSerial, "10", "2", false},
        {xf::kOrderSerial, "3", "3", false},
        {xf::kOrderAccountNumber, "0123456", "1000000", true},
        {xf::kOrderAccountNumber, "123", "1234567", true},  // a prefix is smaller
        {xf::kOrderAccountNumber, "1234567", "123", false},
        {xf::kOrderAccountNumber, "1234567", "1234567", false},
        {xf::kOrderAccountName, "ZZZ", "ｱｲｳ", true},  // 0xB1 is above every ASCII byte
        {xf::kOrderAccountName, "ｱｲｳ", "ZZZ", false},
        {xf::kOrderAccountName, "ﾔﾏﾀﾞ", "ﾔﾏﾀﾞ ﾀﾛｳ", true},
        {7, "1", "2", false},
    };
    for (const KeyCase& c : cases) {
        xf::CDetailRecord a, b;
        if (c.order == xf::kOrderSerial) {
            a.serial = std::stoi(c.a);
            b.serial = std::stoi(c.b);
        }
        const int kind = c.order == xf::kOrderAccountName ? xf::kAccountName : xf::kAccountNumber;
        SetItem(a, kind, c.a, 0);
        SetItem(b, kind, c.b, 0);
        EXPECT_EQ(xf::RecordKeyLess(a, b, c.order), c.less)
            << "order " << c.order << ": " << c.a << " < " << c.b;
    }
}

std::vector<int> Serials(const xf::CDataSet& set) {
    std::vector<int> serials;
    for (const auto& r : set.details) serials.push_back(r->serial);
    return serials;
}

TEST(RecordOrder, SortKeepsTheOrderOfEqualKeysAndSerialOrderRestoresTheList) {
    auto set = xftest::ValidDataSet(5);
    const char* numbers[] = {"7000000", "1000000", "5000000", "1000000", "0500000"};
    const char* names[] = {"ﾀﾅｶ", "ｲﾄｳ", "ABC", "ﾀﾅｶ", "ｲﾄｳ"};
    for (int i = 0; i < 5; ++i) {
        SetItem(xftest::Record(*set, i), xf::kAccountNumber, numbers[i], 0);
        SetItem(xftest::Record(*set, i), xf::kAccountName, names[i], 0);
    }
    xf::SortRecords(set->details, xf::kOrderAccountNumber);
    EXPECT_EQ(Serials(*set), (std::vector<int>{5, 2, 4, 3, 1}));
    xf::SortRecords(set->details, xf::kOrderAccountName);
    EXPECT_EQ(Serials(*set), (std::vector<int>{3, 5, 2, 4, 1}));
    xf::SortRecords(set->details, xf::kOrderSerial);
    EXPECT_EQ(Serials(*set), (std::vector<int>{1, 2, 3, 4, 5}));
}

}  // namespace
