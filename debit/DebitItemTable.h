#pragma once
// The direct-debit items' table itself, for the code that checks its own layouts against it
// while it is compiled; everything else reads it through DebitItems().
#include "common/items/ItemSpec.h"
#include "debit/DebitItems.h"

namespace db {

// clang-format off
inline constexpr ItemSpec kItemTable[kItemCount] = {
    {.label = "引落銀行番号", .recordWidth = 4, .need = ItemNeed::kRequiredWithoutName,
     .chars = ItemChars::kDigits, .zeroPadded = true, .gridWidth = 1400,
     .listColumn = 12, .listHeading = "引落銀行名", .onlyValue = kOwnBankCode},
    {.label = "引落銀行名", .recordWidth = 15, .chars = ItemChars::kNotForbidden, .name = true,
     .optionalInFixed = true, .gridWidth = 1500, .listColumn = 20, .patternLengthWidth = 50},
    {.label = "引落支店番号", .recordWidth = 3, .need = ItemNeed::kRequiredWithoutName,
     .chars = ItemChars::kDigits, .zeroPadded = true, .gridWidth = 1200,
     .listColumn = 39, .listHeading = "引落支店名", .patternLengthWidth = 4},
    {.label = "引落支店名", .recordWidth = 15, .chars = ItemChars::kNotForbidden, .name = true,
     .optionalInFixed = true, .gridWidth = 1500, .listColumn = 46, .patternLengthWidth = 50},
    {.label = "科目コード", .recordWidth = 20, .maxLength = kNoLengthRule,
     .need = ItemNeed::kRequired, .chars = ItemChars::kAccountType, .gridWidth = 1000,
     .listColumn = 100, .listHeading = "科目"},
    {.label = "口座番号", .recordWidth = 7, .need = ItemNeed::kRequired,
     .chars = ItemChars::kDigits, .zeroPadded = true, .gridWidth = 1000,
     .listColumn = 110, .listHeading = "口座番号"},
    {.label = "口座名(ｶﾅ)", .recordWidth = 30, .need = ItemNeed::kRequired,
     .chars = ItemChars::kNotForbidden, .gridWidth = 2800,
     .listColumn = 67, .listHeading = "預金者名（カナ）", .patternLengthWidth = 50},
    {.label = "引落金額", .recordWidth = 10, .chars = ItemChars::kAmount, .zeroPadded = true,
     .gridWidth = 1270, .gridAlignment = CVSFlexGrid::kAlignRight,
     .listColumn = 121, .listHeading = "引落金額"},
    // The lists print the code's name under the heading, two columns right of the code.
    {.label = "新規コード", .recordWidth = 1, .chars = ItemChars::kNotForbidden,
     .optionalInFixed = true, .gridWidth = 1000,
     .listColumn = 162, .listHeading = "新規コード", .listHeadingColumn = 164},
    {.label = "顧客番号", .recordWidth = 20, .chars = ItemChars::kNotForbidden,
     .optionalInFixed = true, .gridWidth = 2700, .listColumn = 138, .listHeading = "顧客番号"},
};
// clang-format on

}  // namespace db
