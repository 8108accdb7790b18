#include "transfer/TransferWriter.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "common/base/StrUtil.h"
#include "framework/Cp932.h"
#include "support/TestPaths.h"

namespace {

using kortest::ReadBytes;
using kortest::WriteBytes;
using xf::CDataSet;
using xf::CTransferWriter;

// A salary data set of amounts, the ones marked deleted not counted.
std::unique_ptr<CDataSet> DataSet(std::initializer_list<const char*> amounts, int lengthCode = 2,
                                  int lineBreak = 1) {
    auto data = std::make_unique<CDataSet>();
    data->requester = std::make_unique<xf::CRequesterInfo>();
    data->transferKind = xf::kKindSalaryBonus;
    data->month = "12";
    data->day = "1";
    data->outputLengthCode = lengthCode;
    data->lineBreak = lineBreak;
    for (const char* amount : amounts) {
        auto d = std::make_unique<xf::CDetailRecord>();
        CStrUtil::CopyToBuffer(amount, d->Text(xf::kAmount), 10);
        data->details.push_back(std::move(d));
    }
    return data;
}

class TransferWriterTest : public testing::Test {
protected:
    void SetUp() override {
        dir = kortest::ScratchDir(std::string("TransferWriter_") +
                                  testing::UnitTest::GetInstance()->current_test_info()->name());
        path = dir + "out.txt";
    }
    int Write(const CDataSet* data) {
        writer.SetData(data, path);
        return writer.Run();
    }

    std::string dir, path;
    CTransferWriter writer;
};

TEST_F(TransferWriterTest, WritesTheBuiltFileAndReplacesAnOldOne) {
    ASSERT_TRUE(WriteBytes(path, std::string(5000, 'x')));
    auto data = DataSet({"100", "200", "300"});
    data->details[1]->deleteFlag = 1;
    ASSERT_EQ(Write(data.get()), CTransferWriter::kWritten);
    EXPECT_EQ(writer.Totals().count, 2);
    EXPECT_EQ(writer.Totals().total, 400u);

    CRecordFrame frame(126, true);
    xf::BuildTransferFile(*data, writer.Totals(), frame);
    const std::string bytes = ReadBytes(path);
    EXPECT_EQ(bytes, frame.Bytes());
    ASSERT_EQ(bytes.size(), 128u * 5 + 1);
    EXPECT_EQ(bytes.substr(3 * 128, 19), "8000002000000000400");
    EXPECT_EQ(bytes.substr(bytes.size() - 3), "\r\n\x1A");
    EXPECT_EQ(kortest::FolderEntries(dir), std::vector<std::string>{"out.txt"});
}

TEST_F(TransferWriterTest, ATotalBeyondTwelveDigitsWritesNoFile) {
    // 101 transfers of the largest amount: 1,009,999,999,899 does not fit the trailer.
    std::initializer_list<const char*> none = {};
    auto data = DataSet(none);
    for (int i = 0; i < 101; ++i) {
        auto d = std::make_unique<xf::CDetailRecord>();
        CStrUtil::CopyToBuffer("9999999999", d->Text(xf::kAmount), 10);
        data->details.push_back(std::move(d));
    }
    ASSERT_TRUE(WriteBytes(path, "old"));
    EXPECT_EQ(Write(data.get()), CTransferWriter::kTotalsTooLarge);
    EXPECT_EQ(ReadBytes(path), "old");

    // Without one of them (deleted) the total fits and the file is written.
    data->details[0]->deleteFlag = 1;
    EXPECT_EQ(Write(data.get()), CTransferWriter::kWritten);
    EXPECT_EQ(ReadBytes(path).substr(101 * 128, 19), "8000100999999999900");
}

TEST_F(TransferWriterTest, RefusesWhatHasNoLayout) {
    struct Case {
        const char* name;
        int lengthCode;
        int kind;
    };
    const Case cases[] = {
        {"length code 0", 0, 1}, {"length code 4", 4, 1}, {"kind 0", 1, 0}, {"kind 3", 1, 3}};
    for (const Case& c : cases) {
        auto data = DataSet({"1"}, c.lengthCode);
        data->transferKind = c.kind;
        EXPECT_EQ(Write(data.get()), CTransferWriter::kNoLayout) << c.name;
    }
    EXPECT_EQ(Write(nullptr), CTransferWriter::kNoLayout);
    EXPECT_TRUE(kortest::FolderEntries(dir).empty());
}

TEST_F(TransferWriterTest, ReportsAFileThatCannotBeCreated) {
    auto data = DataSet({"1"});
    ASSERT_TRUE(WriteBytes(path, "old"));
    SetFileAttributesW(kor::ToWide(path).c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(Write(data.get()), CTransferWriter::kCannotCreate);
    SetFileAttributesW(kor::ToWide(path).c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(ReadBytes(path), "old");

    writer.SetData(data.get(), dir.substr(0, dir.size() - 1));  // a folder
    EXPECT_EQ(writer.Run(), CTransferWriter::kCannotCreate);
    writer.SetData(data.get(), dir + "no such folder\\out.txt");
    EXPECT_EQ(writer.Run(), CTransferWriter::kCannotCreate);
}

}  // namespace
