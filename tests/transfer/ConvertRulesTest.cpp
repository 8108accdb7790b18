#include "transfer/ConvertRules.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "common/base/StrUtil.h"
#include "support/MessageNumber.h"
#include "transfer/DelimPattern.h"

namespace {

TEST(ConvertRules, TransferDate) {
    struct Case {
        const char* month;
        const char* day;
        int result;
    };
    const Case cases[] = {{"1", "31", 0},  {"2", "29", 0},   {" 4", "30", 0}, {"4", "31", 50},
                          {"2", "30", 50}, {"11", "31", 50}, {"", "1", 10},   {"1", "", 10},
                          {"13", "1", 10}, {"1", "32", 10},  {"0", "1", 10},  {"1a", "1", 10}};
    for (const Case& c : cases)
        EXPECT_EQ(kortest::NumberOf(xf::CheckTransferDate(c.month, c.day)), c.result)
            << c.month << "/" << c.day;
}

TEST(ConvertRules, PatternForRequester) {
    struct Case {
        int kind;
        const char* accountType;
        const char* requesterKind;
        int result;
    };
    const Case cases[] = {{1, "9", "", 0},  {2, "9", "", 49},   {2, "1", "", 0},
                          {1, "1", "1", 0}, {2, "1", "1", 103}, {1, "2", "2", 103},
                          {2, "2", "2", 0}, {2, "9", "1", 49}};
    for (const Case& c : cases) {
        CPatternEntry entry;
        entry.kind = c.kind;
        xf::CRequesterInfo requester;
        CStrUtil::CopyToBuffer(c.accountType, requester.accountType, 1);
        CStrUtil::CopyToBuffer(c.requesterKind, requester.transferKind, 1);
        EXPECT_EQ(kortest::NumberOf(xf::CheckPatternForRequester(entry, requester)), c.result)
            << c.kind << " " << c.accountType << " " << c.requesterKind;
    }
}

TEST(ConvertRules, CompleteDataSetTakesTheChoicesAndThePatternOptions) {
    struct Case {
        int kind;
        int bonus;
        const char* zero;
        int bonusFlag;
        int zeroOption;
    };
    const Case cases[] = {{2, 1, "2", 1, 2}, {2, 0, "1", 0, 1}, {1, 1, "3", 0, 0}};
    for (const Case& c : cases) {
        CPatternEntry entry;
        entry.kind = c.kind;
        xf::CDelimPattern delim;
        delim.SetField(28, c.zero);
        delim.SetField(29, "2");
        delim.SetField(36, "3");
        delim.SetField(37, "0");
        kor::ScreenChoices screen;
        screen.month = " 3";
        screen.day = "15";
        screen.patternIndex = 4;
        xf::CDataSet data;
        data.outputDone = 1;
        xf::CompleteDataSet(data, entry, c.bonus, kor::ReadDetailsOf(&delim, screen, "C:\\in.csv"));
        EXPECT_EQ(data.transferKind, c.kind);
        EXPECT_EQ(data.bonusFlag, c.bonusFlag);
        EXPECT_EQ(data.zeroOption, c.zeroOption);
        EXPECT_EQ(data.blankOption, 2);
        EXPECT_EQ(data.month, "3");
        EXPECT_EQ(data.day, "15");
        EXPECT_EQ(data.inputFileName, "C:\\in.csv");
        EXPECT_EQ(data.outputLengthCode, 3);
        EXPECT_EQ(data.lineBreak, 0);
        EXPECT_EQ(data.patternIndex, 4);
        EXPECT_EQ(data.outputDone, 0);
    }
}

TEST(ConvertRules, RecordsForOutput) {
    xf::CDataSet data;
    EXPECT_EQ(kortest::NumberOf(xf::CheckRecordsForOutput(data)), 39);
    data.details.push_back(std::make_unique<xf::CDetailRecord>());
    data.details.push_back(std::make_unique<xf::CDetailRecord>());
    EXPECT_EQ(kortest::NumberOf(xf::CheckRecordsForOutput(data)), 0);
    data.details[1]->SetResult(xf::kAmount, xf::kResultWarning);
    EXPECT_EQ(kortest::NumberOf(xf::CheckRecordsForOutput(data)), 20);
    data.details[1]->deleteFlag = 1;  // a deleted record in error does not count
    EXPECT_EQ(kortest::NumberOf(xf::CheckRecordsForOutput(data)), 0);
    data.details[0]->deleteFlag = 1;
    EXPECT_EQ(kortest::NumberOf(xf::CheckRecordsForOutput(data)), 39);
}

}  // namespace
