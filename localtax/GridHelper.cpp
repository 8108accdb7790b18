#include "localtax/GridHelper.h"

#include <cstdlib>
#include <iterator>
#include <vector>

#include "common/base/StrUtil.h"
#include "framework/VSFlexGrid.h"

namespace tx {

namespace {

constexpr int kText = CVSFlexGrid::kTypeText;
constexpr int kLeft = CVSFlexGrid::kAlignLeft;
constexpr int kRight = CVSFlexGrid::kAlignRight;
constexpr int kCenter = CVSFlexGrid::kAlignCenter;
constexpr int kCheckBox = CVSFlexGrid::kTypeCheckBox;

constexpr GridColumnSpec kColumns[CGridHelper::kColumnCount] = {
    {.title = "通番", .dataType = kText, .widthTwips = 500, .alignment = kRight},
    {.title = "ID", .dataType = kText, .widthTwips = 500, .alignment = kCenter},
    {.title = "削除", .dataType = kCheckBox, .widthTwips = 500, .alignment = kCenter},
    {.title = "市区町村ｺｰﾄﾞ", .dataType = kText, .widthTwips = 1200, .alignment = kLeft},
    {.title = "市区町村名", .dataType = kText, .widthTwips = 1500, .alignment = kLeft},
    {.title = "指定番号", .dataType = kText, .widthTwips = 1500, .alignment = kLeft},
    {.title = "異動", .dataType = kText, .widthTwips = 500, .alignment = kRight},
    {.title = "給与税件数", .dataType = kText, .widthTwips = 1000, .alignment = kRight},
    {.title = "給与税額", .dataType = kText, .widthTwips = 1150, .alignment = kRight},
    {.title = "退職税件数", .dataType = kText, .widthTwips = 1000, .alignment = kRight},
    {.title = "退職税額", .dataType = kText, .widthTwips = 1150, .alignment = kRight},
    {.title = "納入件数", .dataType = kText, .widthTwips = 1000, .alignment = kRight},
    {.title = "納税額", .dataType = kText, .widthTwips = 1150, .alignment = kRight},
    {.title = "退職明細退職人員", .dataType = kText, .widthTwips = 1550, .alignment = kRight},
    {.title = "退職明細退職手当等支払金額",
     .dataType = kText,
     .widthTwips = 2450,
     .alignment = kRight},
    {.title = "退職明細市区町村民税額", .dataType = kText, .widthTwips = 2100, .alignment = kRight},
    {.title = "退職明細都道府県民税額", .dataType = kText, .widthTwips = 2100, .alignment = kRight},
};

// The first row after the title row. The rows of group k start at k x 500 + 1 when every group
// before it showed its 500 details, as the output groups do; a shorter group is followed at
// once by the next.
constexpr int kFirstDataRow = 1;

}  // namespace

CGridHelper::CGridHelper()
    : CDetailGridBase(std::vector<GridColumnSpec>(std::begin(kColumns), std::end(kColumns))) {}

void CGridHelper::Attach(CDataSet* dataSet, CVSFlexGrid* grid, int mode) {
    m_dataSet = dataSet;
    AttachTo(grid, mode, mode == kModeValid);
}

int CGridHelper::Fill() {
    if (!Grid() || Mode() == 0 || !m_dataSet) return kNothingToFill;
    return FillRows([this] {
        for (const auto& group : m_dataSet->groups) {
            if (group->details.empty()) return false;
            FillGroupRows(group->details);
        }
        return true;
    });
}

bool CGridHelper::GetErrorFlags(const CDetailRecord& detail,
                                std::array<ItemStatus, kColumnCount>& states) {
    for (int item = 0; item < kItemCount; ++item) {
        states[static_cast<size_t>(kFirstItemCol + item)] = detail.Status(item);
    }
    return detail.error != 0;
}

std::string CGridHelper::CellText(int item, std::string_view text, ItemStatus status) {
    if (item == kMunicipalityCode) return std::string(text);
    if (!IsNumericItem(item)) return CStrUtil::TrimRight(text, " ");
    if (status == kStatusError) {
        std::string shown = CStrUtil::StripLeadingZerosKeepZero(text);
        return !text.empty() && shown.empty() ? "0" : shown;
    }
    if (text.empty()) return std::string();
    std::string digits = CStrUtil::TrimLeft(text, "0");
    if (digits.empty()) digits.push_back('0');  // not = "0": GCC 12 warns wrongly on it
    // The retirees (three digits at most) go without a comma.
    return item == kRetirees ? digits : CStrUtil::FormatInt64(digits);
}

void CGridHelper::FillGroupRows(const CDetailObList& details) {
    CVSFlexGrid* const grid = Grid();
    const int mode = Mode();
    std::array<ItemStatus, kColumnCount> states{};
    int position = 0;
    for (const auto& detail : details) {
        const int index = position++;
        const bool inError = GetErrorFlags(*detail, states);
        if ((mode == kModeValid && inError) || (mode == kModeErrors && !inError)) continue;
        // A checked 削除 box means the detail is not output.
        const int row = AppendRow(detail->serial, index, detail->output != 1);
        for (int item = 0; item < kItemCount; ++item) {
            const int col = kFirstItemCol + item;
            const ItemStatus status = states[static_cast<size_t>(col)];
            grid->SetTextMatrix(row, col, CellText(item, detail->Text(item), status));
            MarkCell(row, col, status);
        }
    }
}

void CGridHelper::MarkCell(int row, int col, ItemStatus status) {
    if (status == kStatusRead) return;
    CVSFlexGrid* const grid = Grid();
    grid->SetRow(row);
    grid->SetCol(col);
    if (status == kStatusError) {
        grid->SetCellBackColor(kErrorColor);
    } else if (status == kStatusCorrected) {
        grid->SetCellBackColor(kCorrectedColor);
    }
}

CGridHelper::Row CGridHelper::ReadRow(const CVSFlexGrid& grid, int row) {
    Row out;
    const std::string position = grid.TextMatrix(row, kColPosition);
    char* end = nullptr;
    const long value = std::strtol(position.c_str(), &end, 10);
    if (!position.empty() && *end == '\0' && value >= 0) out.position = static_cast<int>(value);
    out.deleteTicked =
        grid.Cell(CVSFlexGrid::kCellChecked, row, kColDelete) == CVSFlexGrid::kChecked;
    for (int item = 0; item < kItemCount; ++item) {
        out.texts[static_cast<size_t>(item)] = grid.TextMatrix(row, kFirstItemCol + item);
    }
    return out;
}

CDetailRecord* CGridHelper::DetailOfRow(const CVSFlexGrid& grid, int row, CTaxGroup& group) {
    if (row < kFirstDataRow || row >= grid.Rows()) return nullptr;
    const int position = ReadRow(grid, row).position;
    if (position < 0 || static_cast<size_t>(position) >= group.details.size()) return nullptr;
    return group.details[static_cast<size_t>(position)].get();
}

bool CGridHelper::IsErrorCell(const CVSFlexGrid& grid, int row, int col) {
    return static_cast<COLORREF>(grid.Cell(CVSFlexGrid::kCellBackColor, row, col)) == kErrorColor;
}

}  // namespace tx
