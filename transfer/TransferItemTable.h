#pragma once
// The transfer items' table itself, for the code that checks its own layouts against it while
// it is compiled; everything else reads it through TransferItems().
#include "common/items/ItemSpec.h"
#include "transfer/TransferItems.h"

namespace xf {

// clang-format off
inline constexpr ItemSpec kItemTable[kItemCount] = {
    {.label = "金融機関コード", .recordWidth = 4, .need = ItemNeed::kRequiredWithoutName,
     .chars = ItemChars::kDigits, .zeroPadded = true, .gridWidth = 1400,
     .listColumn = 12, .listHeading = "金融機関名"},
    {.label = "金融機関名(ｶﾅ)", .recordWidth = 15, .chars = ItemChars::kKanaWide,
     .name = true, .optionalInFixed = true, .gridWidth = 1500,
     .listColumn = 20, .patternLengthWidth = 50},
    {.label = "支店コード", .recordWidth = 3, .need = ItemNeed::kRequiredWithoutName,
     .chars = ItemChars::kDigits, .zeroPadded = true, .gridWidth = 1000,
     .listColumn = 39, .listHeading = "支店名", .patternLengthWidth = 4},
    {.label = "支店名(ｶﾅ)", .recordWidth = 15, .chars = ItemChars::kKanaWide, .name = true,
     .optionalInFixed = true, .gridWidth = 1500, .listColumn = 46, .patternLengthWidth = 50},
    {.label = "科目コード", .recordWidth = 20, .maxLength = kNoLengthRule,
     .need = ItemNeed::kRequired, .chars = ItemChars::kAccountType, .gridWidth = 1000,
     .listColumn = 106, .listHeading = "科目"},
    {.label = "口座番号", .recordWidth = 7, .need = ItemNeed::kRequired,
     .chars = ItemChars::kDigits, .zeroPadded = true, .gridWidth = 1000,
     .listColumn = 120, .listHeading = "口座番号"},
    {.label = "口座名(ｶﾅ)", .recordWidth = 30, .need = ItemNeed::kRequired,
     .chars = ItemChars::kKanaWide, .gridWidth = 2800,
     .listColumn = 67, .listHeading = "口座名（カナ）", .patternLengthWidth = 50},
    {.label = "振込金額", .recordWidth = 10, .chars = ItemChars::kAmount, .zeroPadded = true,
     .gridWidth = 1270, .gridAlignment = CVSFlexGrid::kAlignRight,
     .listColumn = 131, .listHeading = "振込金額"},
    {.label = "振込先コード１", .recordWidth = 10, .chars = ItemChars::kKanaNarrow,
     .optionalInFixed = true, .gridTitle = "振込先コード1", .gridWidth = 1350,
     .presenceName = "振込先コード1"},
    {.label = "振込先コード２", .recordWidth = 10, .chars = ItemChars::kKanaNarrow,
     .optionalInFixed = true, .gridTitle = "振込先コード2", .gridWidth = 1350,
     .presenceName = "振込先コード2"},
    {.label = "ＥＤＩ情報", .recordWidth = 20, .chars = ItemChars::kKanaNarrow,
     .optionalInFixed = true, .generalOnly = true, .gridTitle = "EDI情報", .gridWidth = 1350,
     .presenceName = "EDI情報", .lengthName = "EDI情報"},
    {.label = "振込依頼人番号", .recordWidth = 10, .chars = ItemChars::kDigits,
     .optionalInFixed = true, .generalOnly = true, .zeroPadded = true, .gridWidth = 1350},
};
// clang-format on

}  // namespace xf
