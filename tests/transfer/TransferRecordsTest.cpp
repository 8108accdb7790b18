#include "transfer/TransferRecords.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/base/StrUtil.h"

namespace {

using xf::CDataSet;
using xf::CDetailRecord;

// A field of the expected bytes: text followed by blanks up to width.
std::string F(std::string_view text, size_t width) {
    EXPECT_LE(text.size(), width) << text;
    return std::string(text) + std::string(width - std::min(width, text.size()), ' ');
}

// One expected record: its fields in order, then blanks up to the record size.
std::string Record(std::initializer_list<std::string> fields, size_t size) {
    std::string r;
    for (const std::string& f : fields) r += f;
    EXPECT_LE(r.size(), size);
    r.resize(size, ' ');
    return r;
}

template <size_t N>
void Set(char (&text)[N], const char* value) {
    CStrUtil::CopyToBuffer(value, text, static_cast<int>(N - 1));
}

struct Detail {
    const char* bankCode;
    const char* bankName;
    const char* branchCode;
    const char* branchName;
    const char* accountType;
    const char* accountNumber;
    const char* accountName;
    const char* amount;
    const char* code1;
    const char* code2;
    const char* edi;
    const char* requesterNumber;
    int deleted;
};

// The example data set: the requester, a date and five transfers of which one is deleted.
std::unique_ptr<CDataSet> Example(int kind, int bonus, int lengthCode, int lineBreak) {
    auto data = std::make_unique<CDataSet>();
    data->requester = std::make_unique<xf::CRequesterInfo>();
    xf::CRequesterInfo& r = *data->requester;
    Set(r.name, "ｶ)ﾃｽﾄｼｮｳｼﾞ");
    Set(r.branchCode, "12");
    Set(r.branchName, "ﾎﾝﾃﾝ");
    Set(r.accountType, "1");
    Set(r.accountNumber, "1234");
    Set(r.requesterCode, "123456789");
    data->transferKind = kind;
    data->bonusFlag = bonus;
    data->month = "3";
    data->day = "15";
    data->outputLengthCode = lengthCode;
    data->lineBreak = lineBreak;
    const Detail details[] = {
        {"5", "ﾐｽﾞﾎ", "1", "ﾄｳｷﾖｳ", "1", "12345", "ﾔﾏﾀﾞ ﾀﾛｳ", "10000", "C1", "C2", "", "", 0},
        {"0009", "ﾐﾂｲｽﾐﾄﾓ", "123", "ｼﾝｼﾞﾕｸ", "2", "7654321", "ｽｽﾞｷ ﾊﾅｺ", "2500", "", "", "EDI-0001",
         "", 0},
        {"0001", "ﾐｽﾞﾎ", "001", "ﾎﾝﾃﾝ", "1", "1111111", "ｻｸｼﾞﾖ ｻﾚﾀ", "999", "", "", "", "", 1},
        {"0005", "", "002", "", "1", "2", "ｻﾄｳ ｼﾞﾛｳ", "1", "K1", "K2", "", "42", 0},
        {"    ", "ﾕｳﾁﾖ", "", "ｾﾞﾝｺｸ", "1", "3", "ﾀﾅｶ", "0", "", "", "", "", 0},
    };
    for (const Detail& d : details) {
        auto rec = std::make_unique<CDetailRecord>();
        rec->Store(xf::kBankCode, d.bankCode);
        rec->Store(xf::kBankName, d.bankName);
        rec->Store(xf::kBranchCode, d.branchCode);
        rec->Store(xf::kBranchName, d.branchName);
        rec->Store(xf::kAccountType, d.accountType);
        rec->Store(xf::kAccountNumber, d.accountNumber);
        rec->Store(xf::kAccountName, d.accountName);
        rec->Store(xf::kAmount, d.amount);
        rec->Store(xf::kCustomerCode1, d.code1);
        rec->Store(xf::kCustomerCode2, d.code2);
        rec->Store(xf::kEdiInfo, d.edi);
        rec->Store(xf::kRequesterNumber, d.requesterNumber);
        rec->deleteFlag = d.deleted;
        data->details.push_back(std::move(rec));
    }
    return data;
}

// The expected records of the example, built field by field from the record tables.
std::vector<std::string> ExpectedRecords(int kind, int bonus, size_t size) {
    const bool general = kind == xf::kKindGeneral;
    const std::string type = general ? "21" : (bonus ? "12" : "11");
    std::vector<std::string> records;
    //                 0    1-2   3    4-13            14-53                     54-55 56-57
    records.push_back(Record({"1", type, "0", F("123456789", 10), F("ｶ)ﾃｽﾄｼｮｳｼﾞ", 40), "03", "15",
                              // 58-61 62-76                        77-79  80-94          95
                              "0998", F("ｶｴﾃﾞｷﾞﾝｺｳﾎﾝﾃﾝ", 15), "012", F("ﾎﾝﾃﾝ", 15), "1",
                              // 96-102
                              "0001234"},
                             size));
    // Data records: 0, bank code 1-4, bank name 5-19, branch code 20-22, branch name 23-37,
    // "0000" 38-41, type 42, number 43-49, name 50-79, amount 80-89, "0" 90, then 91-112.
    const std::string tail1 = general ? F("C1", 10) + F("C2", 10) + "7" : F("C1", 10) + F("C2", 10);
    records.push_back(Record({"2", "0005", F("ﾐｽﾞﾎ", 15), "001", F("ﾄｳｷﾖｳ", 15), "0000", "1",
                              "0012345", F("ﾔﾏﾀﾞ ﾀﾛｳ", 30), "0000010000", "0", tail1},
                             size));
    const std::string tail2 = general ? F("EDI-0001", 20) + "7" + "Y" : F("", 20);
    records.push_back(Record({"2", "0009", F("ﾐﾂｲｽﾐﾄﾓ", 15), "123", F("ｼﾝｼﾞﾕｸ", 15), "0000", "2",
                              "7654321", F("ｽｽﾞｷ ﾊﾅｺ", 30), "0000002500", "0", tail2},
                             size));
    // (the third transfer is deleted)
    const std::string tail4 =
        general ? F("K1", 10) + "0000000042" + "7" + "X" : F("K1", 10) + F("K2", 10);
    records.push_back(Record({"2", "0005", F("", 15), "002", F("", 15), "0000", "1", "0000002",
                              F("ｻﾄｳ ｼﾞﾛｳ", 30), "0000000001", "0", tail4},
                             size));
    const std::string tail5 = general ? F("", 20) + "7" : F("", 20);
    records.push_back(Record({"2", "    ", F("ﾕｳﾁﾖ", 15), "   ", F("ｾﾞﾝｺｸ", 15), "0000", "1",
                              "0000003", F("ﾀﾅｶ", 30), "0000000000", "0", tail5},
                             size));
    // Trailer: 4 records, 10000 + 2500 + 1 + 0.
    records.push_back(Record({"8", "000004", "000000012501"}, size));
    records.push_back(Record({"9"}, size));
    return records;
}

struct LayoutCase {
    int kind;
    int bonus;
    int lengthCode;
    int lineBreak;
    size_t size;
};
void PrintTo(const LayoutCase& c, std::ostream* os) {
    *os << (c.kind == 1 ? "general"
            : c.bonus   ? "bonus"
                        : "salary")
        << " " << c.size << (c.lineBreak ? " CR LF" : "");
}

class TransferLayoutTest : public testing::TestWithParam<LayoutCase> {};

TEST_P(TransferLayoutTest, FileMatchesTheRecordTables) {
    const LayoutCase& c = GetParam();
    const auto data = Example(c.kind, c.bonus, c.lengthCode, c.lineBreak);
    ASSERT_EQ(CRecordFrame::RecordSizeOfLengthCode(c.lengthCode), static_cast<int>(c.size));
    const xf::TransferTotals totals = xf::CountTransfers(*data);
    EXPECT_EQ(totals.count, 4);
    EXPECT_EQ(totals.total, 12501u);

    CRecordFrame frame(static_cast<int>(c.size), c.lineBreak == 1);
    int steps = 0;
    xf::BuildTransferFile(*data, totals, frame, [&](int n) { EXPECT_EQ(n, ++steps); });

    std::string expected;
    for (const std::string& r : ExpectedRecords(c.kind, c.bonus, c.size))
        expected += r + (c.lineBreak ? "\r\n" : "");
    expected += '\x1A';
    const std::string_view bytes = frame.Bytes();
    ASSERT_EQ(bytes.size(), expected.size());
    const size_t slot = c.size + (c.lineBreak ? 2 : 0);
    for (size_t at = 0; at < expected.size(); at += slot)
        EXPECT_EQ(bytes.substr(at, slot), std::string_view(expected).substr(at, slot))
            << "record " << at / slot;
    EXPECT_EQ(steps, 7);
}

INSTANTIATE_TEST_SUITE_P(AllLayouts, TransferLayoutTest,
                         testing::Values(LayoutCase{1, 0, 1, 0, 120}, LayoutCase{1, 0, 1, 1, 120},
                                         LayoutCase{1, 0, 2, 0, 126}, LayoutCase{1, 0, 2, 1, 126},
                                         LayoutCase{1, 0, 3, 0, 128}, LayoutCase{1, 0, 3, 1, 128},
                                         LayoutCase{2, 0, 1, 0, 120}, LayoutCase{2, 0, 1, 1, 120},
                                         LayoutCase{2, 0, 2, 0, 126}, LayoutCase{2, 1, 2, 1, 126},
                                         LayoutCase{2, 1, 3, 0, 128}, LayoutCase{2, 0, 3, 1, 128}));

TEST(TransferRecords, EmptyRequesterCodeIsTenZeros) {
    auto data = Example(1, 0, 1, 0);
    data->requester->requesterCode[0] = '\0';
    CRecordFrame frame(120, false);
    xf::BuildTransferFile(*data, xf::CountTransfers(*data), frame);
    EXPECT_EQ(frame.Bytes().substr(4, 10), "0000000000");
}

TEST(TransferRecords, EveryRecordDeletedLeavesHeaderTrailerAndEnd) {
    auto data = Example(1, 0, 3, 1);
    for (auto& d : data->details) d->deleteFlag = 1;
    const xf::TransferTotals totals = xf::CountTransfers(*data);
    EXPECT_EQ(totals.count, 0);
    EXPECT_EQ(totals.total, 0u);
    CRecordFrame frame(128, true);
    xf::BuildTransferFile(*data, totals, frame);
    const std::string_view bytes = frame.Bytes();
    ASSERT_EQ(bytes.size(), 3u * 130 + 1);
    EXPECT_EQ(bytes.substr(130, 19), "8000000000000000000");
    EXPECT_EQ(bytes.substr(260, 1), "9");
    EXPECT_EQ(bytes.substr(388), "\r\n\x1A");
}

TEST(TransferRecords, AccountTypeLongerThanItsByteDoesNotOverrun) {
    auto data = Example(1, 0, 1, 0);
    data->details[0]->Store(xf::kAccountType, "ﾌﾂｳ");  // a customer text that matched no code
    CRecordFrame frame(120, false);
    xf::BuildTransferFile(*data, xf::CountTransfers(*data), frame);
    EXPECT_EQ(frame.Bytes().substr(120 + 42, 8), "ﾌ0012345");
}

TEST(TransferRecords, TrailerLimits) {
    struct Case {
        int count;
        std::uint64_t total;
        bool fits;
    };
    const Case cases[] = {
        {999999, 999999999999u, true}, {1000000, 0, false}, {1, 1000000000000u, false}};
    for (const Case& c : cases)
        EXPECT_EQ(FitsTrailer({c.count, c.total}), c.fits) << c.count << " " << c.total;

    // 100 transfers of the largest amount fit, 101 do not.
    auto data = Example(1, 0, 1, 0);
    data->details.clear();
    for (int i = 0; i < 101; ++i) {
        auto d = std::make_unique<CDetailRecord>();
        d->Store(xf::kAmount, "9999999999");
        data->details.push_back(std::move(d));
    }
    EXPECT_FALSE(FitsTrailer(xf::CountTransfers(*data)));
    data->details.back()->deleteFlag = 1;
    EXPECT_EQ(xf::CountTransfers(*data).total, 999999999900u);
    EXPECT_TRUE(FitsTrailer(xf::CountTransfers(*data)));
}

TEST(TransferRecords, RecordSizeOfEachLengthCode) {
    EXPECT_EQ(CRecordFrame::RecordSizeOfLengthCode(0), 0);
    EXPECT_EQ(CRecordFrame::RecordSizeOfLengthCode(4), 0);
}

}  // namespace
