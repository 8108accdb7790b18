#include <gtest/gtest.h>

#include <memory>

#include "localtax/DataSet.h"
#include "localtax/DetailRecord.h"
#include "localtax/TaxGroup.h"

namespace tx {
namespace {

TEST(TaxDataModel, NewDetailAndGroupStartEmptyAndInvalid) {
    CDetailRecord d;
    EXPECT_EQ(d.output, 0);
    EXPECT_EQ(d.error, 0);
    for (int item = 0; item < kItemCount; ++item) {
        EXPECT_TRUE(d.Text(item).empty());
        EXPECT_EQ(d.Status(item), kStatusError);
    }
    CTaxGroup g;
    for (int item = 0; item < kHeaderItemCount; ++item) {
        EXPECT_TRUE(g.Header(item).empty());
        EXPECT_EQ(g.HeaderStatus(item), kStatusError);
    }
    CDataSet set;
    EXPECT_EQ(set.recordLengthKind, 1);
    EXPECT_EQ(set.lineBreak, 1);
    EXPECT_EQ(set.zeroAmount, 0);
}

TEST(TaxDataModel, TextsAreCutToTheWidthOnACharacterBoundary) {
    CDetailRecord d;
    d.SetText(kMunicipalityCode, "1310160");
    EXPECT_EQ(d.Text(kMunicipalityCode), "131016");
    // Fifteen bytes: seven double-byte characters fill 14, the eighth would split.
    d.SetText(kDesignationNumber, "東京都千代田区丸の内");
    EXPECT_EQ(d.Text(kDesignationNumber), "東京都千代田区");
    CTaxGroup g;
    g.SetHeader(kBranchNumber, "12345");
    EXPECT_EQ(g.Header(kBranchNumber), "123");
}

TEST(TaxDataModel, CopyingAGroupKeepsTheHeaderNotTheDetails) {
    CTaxGroup source;
    source.fileName = "C:\\OUT\\CHIHOU_ZEI_OUT_001.TXT";
    source.output = 1;
    source.fileSize = 1234;
    source.outputTime = 42;
    source.SetHeader(kPayerName, "ｶ)ﾃｽﾄ");
    source.SetHeaderStatus(kPayerName, kStatusRead);
    source.totals[kPaymentTotals] = {"0000004", "00000032000"};
    source.details.push_back(std::make_unique<CDetailRecord>());

    CTaxGroup copy;
    copy = source;
    EXPECT_EQ(copy.fileName, source.fileName);
    EXPECT_EQ(copy.output, 1);
    EXPECT_EQ(copy.Header(kPayerName), "ｶ)ﾃｽﾄ");
    EXPECT_EQ(copy.HeaderStatus(kPayerName), kStatusRead);
    EXPECT_EQ(copy.totals[kPaymentTotals].amount, "00000032000");
    EXPECT_TRUE(copy.details.empty());
    EXPECT_EQ(copy.fileSize, 0);
    EXPECT_EQ(copy.outputTime, 0);
}

TEST(TaxDataModel, CopyingADetailKeepsEveryField) {
    CDetailRecord d;
    d.serial = 7;
    d.output = 1;
    d.error = 1;
    d.SetText(kSalaryTaxCount, "00003");
    d.SetStatus(kSalaryTaxCount, kStatusCorrected);
    d.SetEditedMark(kSalaryTaxCount, 1);
    d.SetEditedMark(kMunicipalityCode, 1);  // only counts and amounts carry an edited mark
    CDetailRecord copy = d;
    EXPECT_EQ(copy.serial, 7);
    EXPECT_EQ(copy.error, 1);
    EXPECT_EQ(copy.Text(kSalaryTaxCount), "00003");
    EXPECT_EQ(copy.Status(kSalaryTaxCount), kStatusCorrected);
    EXPECT_EQ(copy.EditedMark(kSalaryTaxCount), 1);
    EXPECT_EQ(copy.EditedMark(kMunicipalityCode), 0);
    EXPECT_EQ(copy.Number(kSalaryTaxCount), 3);
    EXPECT_EQ(CDetailRecord().Number(kSalaryTaxCount), 0);
}

}  // namespace
}  // namespace tx
