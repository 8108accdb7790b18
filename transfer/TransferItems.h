#pragma once
// The twelve items of a transfer, numbered 0 to 11 in this order everywhere in the tool.
namespace xf {

enum ItemKind : int {
    kBankCode = 0,
    kBankName,
    kBranchCode,
    kBranchName,
    kAccountType,
    kAccountNumber,
    kAccountName,
    kAmount,
    kCustomerCode1,
    kCustomerCode2,
    kEdiInfo,
    kRequesterNumber,
    kItemCount
};

struct ItemInfo {
    const char* label;     // as the screens show it
    int recordWidth;       // bytes the detail record keeps
    bool generalOnly;      // only general transfers carry it
    bool optionalInFixed;  // a fixed-length pattern may leave it without a position
};

inline constexpr ItemInfo kItems[kItemCount] = {
    {"金融機関コード", 4, false, false}, {"金融機関名(ｶﾅ)", 15, false, true},
    {"支店コード", 3, false, false},     {"支店名(ｶﾅ)", 15, false, true},
    {"科目コード", 20, false, false},    {"口座番号", 7, false, false},
    {"口座名(ｶﾅ)", 30, false, false},    {"振込金額", 10, false, false},
    {"振込先コード１", 10, false, true}, {"振込先コード２", 10, false, true},
    {"ＥＤＩ情報", 20, true, true},      {"振込依頼人番号", 10, true, true},
};

// Transfer kinds as the patterns and data sets number them.
inline constexpr int kKindGeneral = 1;
inline constexpr int kKindSalaryBonus = 2;

}  // namespace xf
