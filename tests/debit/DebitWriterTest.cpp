// The direct-debit file as the bank reads it, byte for byte, and the writer's refusals.
#include "debit/DebitWriter.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "common/base/StrUtil.h"
#include "framework/Cp932.h"
#include "support/TestPaths.h"

namespace {

using db::CDebitWriter;
using kortest::ReadBytes;
using kortest::WriteBytes;

// A record of size bytes: blanks, with each text placed at its position.
std::string Record(size_t size, std::vector<std::pair<size_t, std::string>> fields) {
    std::string r(size, ' ');
    for (const auto& [at, text] : fields) r.replace(at, text.size(), text);
    return r;
}

void Put(db::CDetailRecord& d, int item, const char* text) {
    d.Store(item, text);
}

// A consignor, three debits (the second deleted), debit date month 1 day 5.
std::unique_ptr<db::CDataSet> Example(int lengthCode, int lineBreak) {
    auto data = std::make_unique<db::CDataSet>();
    data->consignor = std::make_unique<db::CConsignorInfo>();
    std::strcpy(data->consignor->name, "ｶｴﾃﾞｼｮｳｼﾞ");
    std::strcpy(data->consignor->code, "1234567890");
    std::strcpy(data->consignor->branchCode, "12");
    std::strcpy(data->consignor->branchName, "ﾎﾝﾃﾝ");
    std::strcpy(data->consignor->accountType, "1");
    std::strcpy(data->consignor->accountNumber, "123");
    data->month = "1";
    data->day = "5";
    data->outputLengthCode = lengthCode;
    data->lineBreak = lineBreak;
    auto d1 = std::make_unique<db::CDetailRecord>();
    Put(*d1, db::kBankCode, "0998");
    Put(*d1, db::kBankName, "ｶｴﾃﾞ");
    Put(*d1, db::kBranchCode, "1");
    Put(*d1, db::kBranchName, "ｼﾃﾝ");
    Put(*d1, db::kAccountType, "1");
    Put(*d1, db::kAccountNumber, "123");
    Put(*d1, db::kDepositorName, "ﾔﾏﾀﾞ ﾀﾛｳ");
    Put(*d1, db::kAmount, "2500");
    Put(*d1, db::kNewCode, "1");
    Put(*d1, db::kCustomerNumber, "CUST0001");
    auto d2 = std::make_unique<db::CDetailRecord>(*d1);
    Put(*d2, db::kAmount, "9999");
    d2->deleteFlag = 1;
    auto d3 = std::make_unique<db::CDetailRecord>();
    Put(*d3, db::kBankCode, "  ");  // blanks only: written as blanks, as an empty code
    Put(*d3, db::kAccountType, "2");
    Put(*d3, db::kAccountNumber, "7654321");
    Put(*d3, db::kDepositorName, "ｽｽﾞｷ");
    Put(*d3, db::kAmount, "10");
    data->details.push_back(std::move(d1));
    data->details.push_back(std::move(d2));
    data->details.push_back(std::move(d3));
    return data;
}

// The file of Example, from the bank's record tables.
std::string ExpectedFile(size_t size, bool lineBreak) {
    const std::vector<std::string> records = {
        Record(size, {{0, "1"},
                      {1, "91"},
                      {3, "0"},
                      {4, "1234567890"},
                      {14, "ｶｴﾃﾞｼｮｳｼﾞ"},
                      {54, "01"},
                      {56, "05"},
                      {58, "0998"},
                      {62, "ｶｴﾃﾞｷﾞﾝｺｳﾎﾝﾃﾝ"},
                      {77, "012"},
                      {80, "ﾎﾝﾃﾝ"},
                      {95, "1"},
                      {96, "0000123"}}),
        Record(size, {{0, "2"},
                      {1, "0998"},
                      {5, "ｶｴﾃﾞ"},
                      {20, "001"},
                      {23, "ｼﾃﾝ"},
                      {42, "1"},
                      {43, "0000123"},
                      {50, "ﾔﾏﾀﾞ ﾀﾛｳ"},
                      {80, "0000002500"},
                      {90, "1"},
                      {91, "CUST0001"},
                      {111, "0"}}),
        Record(
            size,
            {{0, "2"}, {42, "2"}, {43, "7654321"}, {50, "ｽｽﾞｷ"}, {80, "0000000010"}, {111, "0"}}),
        Record(size, {{0, "8"}, {1, "000002"}, {7, "000000002510"}, {19, std::string(36, '0')}}),
        Record(size, {{0, "9"}}),
    };
    std::string file;
    for (const std::string& r : records) file += r + (lineBreak ? "\r\n" : "");
    return file + '\x1A';
}

class DebitWriterTest : public testing::Test {
protected:
    void SetUp() override {
        dir = kortest::ScratchDir(std::string("DebitWriter_") +
                                  testing::UnitTest::GetInstance()->current_test_info()->name());
        path = dir + "out.txt";
    }
    int Write(const db::CDataSet* data) {
        writer.SetData(data, path);
        return writer.Run();
    }

    std::string dir, path;
    CDebitWriter writer;
};

TEST_F(DebitWriterTest, WholeFileOfEveryRecordLength) {
    struct Case {
        int lengthCode;
        size_t size;
    };
    for (const Case c : {Case{1, 120}, Case{2, 126}, Case{3, 128}}) {
        for (int lineBreak : {0, 1}) {
            SCOPED_TRACE(testing::Message() << c.size << (lineBreak ? " CR LF" : ""));
            const auto data = Example(c.lengthCode, lineBreak);
            ASSERT_EQ(Write(data.get()), CDebitWriter::kWritten);
            EXPECT_EQ(writer.Totals().count, 2);
            EXPECT_EQ(writer.Totals().total, 2510u);
            const std::string bytes = ReadBytes(path);
            const std::string expected = ExpectedFile(c.size, lineBreak == 1);
            ASSERT_EQ(bytes.size(), expected.size());
            const size_t slot = c.size + (lineBreak ? 2 : 0);
            for (size_t at = 0; at < expected.size(); at += slot)
                EXPECT_EQ(bytes.substr(at, slot), expected.substr(at, slot))
                    << "record " << at / slot;
        }
    }
    EXPECT_EQ(kortest::FolderEntries(dir), std::vector<std::string>{"out.txt"});
}

TEST_F(DebitWriterTest, TotalsTooLargeWriteNoFile) {
    auto data = Example(1, 0);
    for (int i = 0; i < 100; ++i) {
        auto d = std::make_unique<db::CDetailRecord>();
        d->Store(db::kAmount, "9999999999");
        data->details.push_back(std::move(d));
    }
    ASSERT_TRUE(WriteBytes(path, "old"));
    EXPECT_EQ(Write(data.get()), CDebitWriter::kTotalsTooLarge);
    EXPECT_EQ(ReadBytes(path), "old");
    // Without the two small debits counted the total fits the twelve digits.
    data->details[0]->deleteFlag = 1;
    data->details[2]->deleteFlag = 1;
    EXPECT_EQ(Write(data.get()), CDebitWriter::kWritten);
    EXPECT_EQ(ReadBytes(path).substr(101 * 120, 19), "8000100999999999900");
}

TEST_F(DebitWriterTest, RefusesWhatHasNoLayout) {
    for (int code : {0, 4}) {
        auto data = Example(code, 0);
        EXPECT_EQ(Write(data.get()), CDebitWriter::kNoLayout) << code;
    }
    EXPECT_EQ(Write(nullptr), CDebitWriter::kNoLayout);
    EXPECT_TRUE(kortest::FolderEntries(dir).empty());
}

TEST_F(DebitWriterTest, AFailedWriteLeavesNoHalfWrittenFile) {
    auto data = Example(2, 1);
    ASSERT_TRUE(WriteBytes(path, "old"));
    SetFileAttributesW(kor::ToWide(path).c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(Write(data.get()), CDebitWriter::kCannotCreate);
    SetFileAttributesW(kor::ToWide(path).c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(ReadBytes(path), "old");
    EXPECT_EQ(kortest::FolderEntries(dir), std::vector<std::string>{"out.txt"});

    writer.SetData(data.get(), dir + "no such folder\\out.txt");
    EXPECT_EQ(writer.Run(), CDebitWriter::kCannotCreate);
    EXPECT_EQ(kortest::FolderEntries(dir), std::vector<std::string>{"out.txt"});
}

}  // namespace
