// The correction grid's rules without a window: edit lengths, the text an edited count or
// amount shows, taking a row back into its detail, the item sets' zero and blank rules and the
// closing count of details in error.
#include "localtax/CorrectionRules.h"

#include <gtest/gtest.h>

#include "TaxTestData.h"

namespace tx {
namespace {

constexpr std::array<bool, kItemSetCount> kAllSets{true, true, true};
constexpr std::array<bool, kItemSetCount> kSalaryAndRetirement{true, true, false};

CDataSet Handling(int zero, int blank) {
    CDataSet data;
    data.zeroAmount = static_cast<std::int16_t>(zero);
    data.blankAmount = static_cast<std::int16_t>(blank);
    return data;
}

// The row the grid would show for a detail: every item as stored, 削除 not ticked.
CGridHelper::Row RowOf(const CDetailRecord& detail) {
    CGridHelper::Row row;
    row.position = 0;
    for (int item = 0; item < kItemCount; ++item)
        row.texts[static_cast<size_t>(item)] = detail.Text(item);
    return row;
}

TEST(TaxCorrectionRules, EditLimitsByColumn) {
    const int expected[] = {0, 0, 0, 6, 15, 15, 1, 5, 9, 5, 9, 5, 9, 3, 10, 9, 9, 0};
    for (int col = 0; col < 18; ++col)
        EXPECT_EQ(CCorrectionRules::EditLimit(col), expected[col]) << "column " << col;
}

TEST(TaxCorrectionRules, EditedCountOrAmountShowsNormalisedText) {
    struct Case {
        int zero;
        int item;
        const char* typed;
        const char* shown;
    } cases[] = {
        {0, kSalaryTaxAmount, "000", "0"},
        {0, kSalaryTaxAmount, "0001234567", "1,234,567"},
        {0, kRetirees, "123", "123"},           // never with commas
        {0, kSalaryTaxAmount, "", " "},         // an emptied cell in use is in error
        {0, kSalaryTaxAmount, "12a4", "12a4"},  // in error: shown as typed
        {2, kSalaryTaxAmount, "0000", "0"},     // a zero accepted by the handling
        {0, kRetirementAllowance, "1234567890", "1,234,567,890"},
    };
    for (const Case& c : cases) {
        const CDataSet data = Handling(c.zero, 0);
        const CCorrectionRules rules(data, kAllSets);
        EXPECT_EQ(rules.NormaliseEdit(c.item, c.typed).shown, c.shown) << c.typed;
    }
}

TEST(TaxCorrectionRules, TickedRowIsOnlyTakenOutOfOutput) {
    const CDataSet data = Handling(0, 0);
    const CCorrectionRules rules(data, kAllSets);
    auto detail = txtest::ValidDetail(1);
    txtest::SetError(*detail, kSalaryTaxAmount, "12x");
    detail->edited = 1;
    CGridHelper::Row row = RowOf(*detail);
    row.texts[kSalaryTaxAmount] = "500";
    row.deleteTicked = true;
    rules.TakeBackRow(row, *detail);
    EXPECT_EQ(detail->output, 0);
    EXPECT_EQ(detail->Text(kSalaryTaxAmount), "12x");
    EXPECT_EQ(detail->Status(kSalaryTaxAmount), kStatusError);

    // Unticked on a later update, the detail is taken for output again and corrected.
    row.deleteTicked = false;
    rules.TakeBackRow(row, *detail);
    EXPECT_EQ(detail->output, 1);
    EXPECT_EQ(detail->Text(kSalaryTaxAmount), "000000500");
    EXPECT_EQ(detail->Status(kSalaryTaxAmount), kStatusCorrected);
    EXPECT_EQ(detail->edited, 0);
}

TEST(TaxCorrectionRules, TakingBackChecksOnlyItemsInErrorOfEditedDetails) {
    const CDataSet data = Handling(0, 0);
    const CCorrectionRules rules(data, kAllSets);
    auto detail = txtest::ValidDetail(1);
    txtest::SetError(*detail, kTaxPaid, "1x");
    txtest::SetError(*detail, kMunicipalityName, "ﾁﾖﾀﾞｸ");
    CGridHelper::Row row = RowOf(*detail);
    row.texts[kTaxPaid] = "12,345";
    row.texts[kMunicipalityName] = "ﾐﾅﾄｸ";
    row.texts[kSalaryTaxAmount] = "";  // a valid item's cell emptied
    row.texts[kPaymentCount] = "zz";

    rules.TakeBackRow(row, *detail);  // not edited: nothing is taken
    EXPECT_EQ(detail->Text(kTaxPaid), "1x");

    detail->edited = 1;
    rules.TakeBackRow(row, *detail);
    EXPECT_EQ(detail->Text(kTaxPaid), "000012345");
    EXPECT_EQ(detail->Status(kTaxPaid), kStatusCorrected);
    EXPECT_EQ(detail->Text(kMunicipalityName), "ﾐﾅﾄｸ           ");
    EXPECT_EQ(detail->Status(kMunicipalityName), kStatusCorrected);
    // Valid items keep their text and status whatever the cell shows.
    EXPECT_EQ(detail->Text(kSalaryTaxAmount), "000012345");
    EXPECT_EQ(detail->Text(kPaymentCount), "00001");
    EXPECT_EQ(detail->Status(kPaymentCount), kStatusRead);
}

TEST(TaxCorrectionRules, StillWrongCorrectionStaysInErrorUnpadded) {
    const CDataSet data = Handling(0, 0);
    const CCorrectionRules rules(data, kAllSets);
    auto detail = txtest::ValidDetail(1);
    txtest::SetError(*detail, kSalaryTaxCount, "1x");
    detail->edited = 1;
    CGridHelper::Row row = RowOf(*detail);
    row.texts[kSalaryTaxCount] = "2y";
    rules.TakeBackRow(row, *detail);
    EXPECT_EQ(detail->Text(kSalaryTaxCount), "2y");
    EXPECT_EQ(detail->Status(kSalaryTaxCount), kStatusError);
}

TEST(TaxCorrectionRules, ZeroAndBlankHandlingOfItemSets) {
    struct Case {
        int zero, blank;
        const char* salaryText;  // both salary items and every retirement item
        ItemStatus expected;
    } cases[] = {
        {1, 0, "0", kStatusError},    {2, 0, "000", kStatusCorrected}, {0, 1, "", kStatusError},
        {0, 2, "", kStatusCorrected}, {2, 0, "", kStatusRead},  // an empty text is no zero
        {0, 0, "0", kStatusRead},
    };
    for (const Case& c : cases) {
        const CDataSet data = Handling(c.zero, c.blank);
        const CCorrectionRules rules(data, kSalaryAndRetirement);
        auto detail = txtest::ValidDetail(1);
        for (int item :
             {kSalaryTaxCount, kSalaryTaxAmount, kRetirementTaxCount, kRetirementTaxAmount,
              kRetirees, kRetirementAllowance, kMunicipalRetirementTax, kPrefecturalRetirementTax})
            detail->SetText(item, c.salaryText);
        rules.RecheckItemSets(*detail);
        for (int item : {kSalaryTaxAmount, kRetirees})
            EXPECT_EQ(detail->Status(item), c.expected)
                << c.zero << "/" << c.blank << " '" << c.salaryText << "' item " << item;
        // The payment set is not in use and keeps its status.
        EXPECT_EQ(detail->Status(kTaxPaid), kStatusRead);
    }
}

TEST(TaxCorrectionRules, ZeroRetirementSetBesideFilledSalaryStaysValid) {
    const CDataSet data = Handling(1, 0);
    const CCorrectionRules rules(data, {false, true, false});
    auto detail = txtest::ValidDetail(1);  // salary 1 / 12,345, retirement all zero
    detail->SetEditedMark(kRetirees, 1);
    rules.RecheckItemSets(*detail);
    EXPECT_EQ(detail->Status(kRetirementTaxAmount), kStatusRead);
    EXPECT_EQ(detail->Status(kRetirees), kStatusCorrected);  // the user changed it
}

TEST(TaxCorrectionRules, RestoringLeavesItemsThatAreNotDigits) {
    auto detail = txtest::ValidDetail(1);
    txtest::SetError(*detail, kRetirementTaxCount, "0a");
    txtest::SetError(*detail, kRetirementTaxAmount, "");
    CCorrectionRules::RestoreIndependentSets(*detail);
    EXPECT_EQ(detail->Status(kRetirementTaxCount), kStatusError);
    EXPECT_EQ(detail->Status(kRetirementTaxAmount), kStatusRead);
}

TEST(TaxCorrectionRules, FilledRetirementBesideZeroSalaryRestoresSalary) {
    auto detail = txtest::ValidDetail(1);
    txtest::SetError(*detail, kSalaryTaxCount, "00000");
    txtest::SetError(*detail, kSalaryTaxAmount, "000000000");
    detail->SetText(kRetirementTaxCount, "00001");
    detail->SetText(kRetirementTaxAmount, "000000100");
    CCorrectionRules::RestoreIndependentSets(*detail);
    EXPECT_EQ(detail->Status(kSalaryTaxCount), kStatusRead);
    EXPECT_EQ(detail->Status(kSalaryTaxAmount), kStatusRead);

    // Without any retirement count nothing is restored.
    auto other = txtest::ValidDetail(2);
    txtest::SetError(*other, kSalaryTaxAmount, "000000000");
    other->SetText(kSalaryTaxCount, "00000");
    other->SetText(kRetirementTaxAmount, "000000100");
    CCorrectionRules::RestoreIndependentSets(*other);
    EXPECT_EQ(other->Status(kSalaryTaxAmount), kStatusError);
}

TEST(TaxCorrectionRules, FinishUpdateCountsErrorsOfDetailsForOutput) {
    auto group = txtest::ValidGroup(3);
    txtest::SetError(*group->details[0], kSalaryTaxAmount);
    txtest::SetError(*group->details[1], kSalaryTaxAmount);
    group->details[1]->output = 0;  // ticked for deletion
    group->details[2]->error = 1;   // left over from before: every item is valid now
    EXPECT_EQ(CCorrectionRules::FinishUpdate(*group), 1);
    EXPECT_EQ(group->details[0]->error, 1);
    EXPECT_EQ(group->details[1]->error, 1);
    EXPECT_EQ(group->details[2]->error, 0);
}

}  // namespace
}  // namespace tx
