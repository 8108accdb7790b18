#include "common/base/RecordFrame.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "common/base/FileAccess.h"
#include "common/base/RecordLayout.h"
#include "support/TestPaths.h"

namespace {

struct PutCase {
    const char* name;
    FieldFill fill;
    int width;
    const char* text;
    const char* expected;  // the field between two '|' markers
};
void PrintTo(const PutCase& c, std::ostream* os) {
    *os << c.name;
}

class PutFieldTest : public testing::TestWithParam<PutCase> {};

TEST_P(PutFieldTest, WritesOnlyItsWidth) {
    const PutCase& c = GetParam();
    std::string record = "|" + std::string(c.width, ' ') + "|";
    PutField(record.data(), 1, c.width, c.fill, c.text);
    EXPECT_EQ(record, std::string("|") + c.expected + "|");
}

INSTANTIATE_TEST_SUITE_P(
    Fills, PutFieldTest,
    testing::Values(
        PutCase{"TextShorterLeavesBlanks", FieldFill::kText, 6, "ﾔﾏﾀﾞ", "ﾔﾏﾀﾞ  "},
        PutCase{"TextLongerIsCut", FieldFill::kText, 3, "ABCDE", "ABC"},
        // "漢" is two bytes: it does not fit whole after two bytes and is left out.
        PutCase{"TextKeepsCharactersWhole", FieldFill::kText, 3, "AB漢", "AB "},
        PutCase{"ZeroPadRightAligns", FieldFill::kZeroPad, 5, "12", "00012"},
        PutCase{"ZeroPadEmptyIsAllZeros", FieldFill::kZeroPad, 4, "", "0000"},
        PutCase{"ZeroPadFullWidthUnchanged", FieldFill::kZeroPad, 3, "123", "123"},
        PutCase{"ZeroPadNeverOverruns", FieldFill::kZeroPad, 1, "ﾌﾂｳ", "ﾌ"},
        PutCase{"ZeroOrBlankEmptyIsBlank", FieldFill::kZeroPadOrBlank, 4, "", "    "},
        PutCase{"ZeroOrBlankBlanksStayBlank", FieldFill::kZeroPadOrBlank, 4, "  ", "    "},
        PutCase{"ZeroOrBlankDigitsArePadded", FieldFill::kZeroPadOrBlank, 4, "5", "0005"}),
    [](const testing::TestParamInfo<PutCase>& info) { return std::string(info.param.name); });

struct Source {
    const char* code;
};
constexpr RecordField<Source> kTable[] = {
    {0, 1, FieldFill::kText, nullptr, "9"},
    {2, 3, FieldFill::kZeroPad, [](const Source& s) -> std::string_view { return s.code; }},
};

TEST(RecordLayout, TableWritesConstantsAndSources) {
    std::string record(8, ' ');
    PutFields<Source>(record.data(), kTable, Source{"7"});
    EXPECT_EQ(record, "9 007   ");
}

struct FrameCase {
    int size;
    bool lineBreak;
};
void PrintTo(const FrameCase& c, std::ostream* os) {
    *os << c.size << (c.lineBreak ? " CR LF" : "");
}

class RecordFrameTest : public testing::TestWithParam<FrameCase> {};

TEST_P(RecordFrameTest, RecordsFollowAtTheSlotAndEndWithTheEndByte) {
    const FrameCase& c = GetParam();
    CRecordFrame frame(c.size, c.lineBreak);
    frame.Reserve(2);
    frame.AddRecord()[0] = 'A';
    char* second = frame.AddRecord();
    second[c.size - 1] = 'B';
    frame.Finish();

    const std::string end = c.lineBreak ? "\r\n" : "";
    const std::string expected = "A" + std::string(c.size - 1, ' ') + end +
                                 std::string(c.size - 1, ' ') + "B" + end + "\x1A";
    EXPECT_EQ(frame.Bytes(), expected);
    EXPECT_EQ(frame.Slot(), c.size + (c.lineBreak ? 2 : 0));
    EXPECT_EQ(frame.FileSize(2), expected.size());
    EXPECT_EQ(frame.RecordCount(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Slots, RecordFrameTest,
                         testing::Values(FrameCase{120, false}, FrameCase{120, true},
                                         FrameCase{126, false}, FrameCase{126, true},
                                         FrameCase{128, false}, FrameCase{128, true}));

TEST(RecordFrame, WritesTheWholeFileOrReportsTheFailure) {
    const std::string dir = kortest::ScratchDir("RecordFrame");
    CRecordFrame frame(4, true);
    std::memcpy(frame.AddRecord(), "1234", 4);
    frame.Finish();
    EXPECT_EQ(frame.WriteTo(dir + "out.txt"), CFileAccess::kOk);
    EXPECT_EQ(kortest::ReadBytes(dir + "out.txt"), "1234\r\n\x1A");
    // A folder in the way cannot be replaced.
    EXPECT_EQ(frame.WriteTo(dir.substr(0, dir.size() - 1)), CFileAccess::kCannotCreate);
}

// --- The size expected before a write ---------------------------------------------------------

TEST(RecordFrameSize, SlotTimesRecordsAndThreeFrameRecords) {
    struct Case {
        int lengthCode, lineBreak, records;
        std::uint64_t size;
    };
    const Case cases[] = {
        {1, 1, 1, 122 * 4},
        {1, 0, 1, 120 * 4},
        {2, 1, 10, 128 * 13},
        {2, 0, 10, 126 * 13},
        {3, 1, 2, 130 * 5},
        {3, 0, 0, 128 * 3},
        {3, 1, 50000, 130 * 50003ull},
        {0, 1, 1, 130 * 4},  // a code no screen stores: the longest record
        {7, 0, 1, 128 * 4},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CRecordFrame::EstimateFileSize(c.lengthCode, c.lineBreak, c.records), c.size)
            << c.lengthCode << " " << c.lineBreak << " " << c.records;
    }
}

}  // namespace
