#include "transfer/GridHelper.h"

#include <string>
#include <utility>

#include "common/StrUtil.h"
#include "framework/DialogBase.h"
#include "framework/VSFlexGrid.h"

namespace xf {

namespace {

constexpr int kText = CVSFlexGrid::kTypeText;
constexpr int kLeft = CVSFlexGrid::kAlignLeft;

constexpr GridColumnSpec kColumns[CGridHelper::kColumnCount] = {
    {"通番", kText, 550, CVSFlexGrid::kAlignRight},
    {"ID", kText, 500, CVSFlexGrid::kAlignCenter},
    {"削除", CVSFlexGrid::kTypeCheckBox, 500, CVSFlexGrid::kAlignCenter},
    {"金融機関コード", kText, 1400, kLeft},
    {"金融機関名(ｶﾅ)", kText, 1500, kLeft},
    {"支店コード", kText, 1000, kLeft},
    {"支店名(ｶﾅ)", kText, 1500, kLeft},
    {"科目コード", kText, 1000, kLeft},
    {"口座番号", kText, 1000, kLeft},
    {"口座名(ｶﾅ)", kText, 2800, kLeft},
    {"振込金額", kText, 1270, CVSFlexGrid::kAlignRight},
    {"振込先コード1", kText, 1350, kLeft},
    {"振込先コード2", kText, 1350, kLeft},
    {"EDI情報", kText, 1350, kLeft},
    {"振込依頼人番号", kText, 1350, kLeft},
};

// Width to which a code item is zero-padded when it has no flag; 0 for the other items.
int PadWidth(int kind) {
    switch (kind) {
        case kBankCode:
            return 4;
        case kBranchCode:
            return 3;
        case kAccountNumber:
            return 7;
        case kRequesterNumber:
            return 10;
        default:
            return 0;
    }
}

std::string WithoutLeadingZeros(std::string_view text) {
    const size_t first = text.find_first_not_of('0');
    return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

}  // namespace

std::span<const GridColumnSpec> CGridHelper::Columns() {
    return kColumns;
}

void CGridHelper::Attach(CDataSet* dataSet, CVSFlexGrid* grid, int mode) {
    m_dataSet = dataSet;
    m_grid = grid;
    m_mode = mode;
    SetColumnFlags();
}

void CGridHelper::SetColumnFlags() {
    m_hidden.fill(false);
    m_hidden[kColListIndex] = true;
    m_hidden[kColDelete] = m_mode == kModeErrorFree;
    const bool salaryOrBonus =
        m_dataSet && (m_dataSet->bonusFlag == 1 || m_dataSet->transferKind == kKindSalaryBonus);
    m_hidden[kFirstItemCol + kEdiInfo] = salaryOrBonus;
    m_hidden[kFirstItemCol + kRequesterNumber] = salaryOrBonus;
}

void CGridHelper::SetupColumns() {
    if (!m_grid) return;
    SetupGridColumns(*m_grid, kColumns, m_hidden);
}

int CGridHelper::Fill() {
    if (!m_grid || !m_dataSet) return kNothingToFill;
    if (m_dataSet->details.empty()) return kNoRows;
    // Nothing is drawn while the rows go in; the grid redraws once at the end.
    const bool redraw = m_grid->Redraw();
    m_grid->SetRedraw(false);
    FillRows(m_dataSet->details);
    if (m_grid->Rows() <= 1) {
        m_grid->SetRedraw(redraw);
        return kNoRows;
    }
    m_grid->SetRow(1);
    m_grid->SetCol(0);
    m_grid->SetEditable(CVSFlexGrid::kEditKeyboardMouse);
    m_grid->SetRedraw(redraw);
    return kFilled;
}

void CGridHelper::FillRows(const CDetailObList& records) {
    if (!m_grid) return;
    std::array<bool, kItemCount> flags{};
    int position = 0;
    for (const auto& record : records) {
        const int index = position++;
        const bool flagged = GetErrorFlags(*record, flags);
        if ((m_mode == kModeErrorFree && flagged) || (m_mode == kModeFlagged && !flagged)) {
            continue;
        }
        const int row = m_grid->Rows();
        m_grid->SetRows(row + 1);
        m_grid->SetTextMatrix(row, kColSerial, std::to_string(record->serial));
        m_grid->SetTextMatrix(row, kColListIndex, std::to_string(index));
        m_grid->SetCell(CVSFlexGrid::kCellChecked, row, kColDelete,
                        record->deleteFlag == 1 ? CVSFlexGrid::kChecked : CVSFlexGrid::kUnchecked);
        for (int kind = 0; kind < kItemCount; ++kind) {
            const ConstItemRef item = std::as_const(*record).Item(kind);
            m_grid->SetTextMatrix(row, kFirstItemCol + kind,
                                  CellText(kind, item.text, flags[static_cast<size_t>(kind)]));
        }
        for (int kind = 0; kind < kItemCount; ++kind) {
            SelectCell(row, kFirstItemCol + kind, flags[static_cast<size_t>(kind)]);
        }
    }
}

bool CGridHelper::GetErrorFlags(const CDetailRecord& record, std::array<bool, kItemCount>& flags) {
    bool any = false;
    for (int kind = 0; kind < kItemCount; ++kind) {
        const bool flag = (*record.Item(kind).result & 0x0F) != 0;
        flags[static_cast<size_t>(kind)] = flag;
        any = any || flag;
    }
    return any;
}

void CGridHelper::SelectCell(int row, int col, bool flag) {
    if (!flag || !m_grid) return;
    m_grid->SetRow(row);
    m_grid->SetCol(col);
    m_grid->SetCellBackColor(kor::kErrorFieldColor);
}

std::string CGridHelper::CellText(int kind, std::string_view text, bool flagged) {
    if (kind == kAmount) {
        std::string digits = WithoutLeadingZeros(text);
        if (flagged) return digits.empty() && !text.empty() ? std::string("0") : digits;
        return FormatThousands(digits);
    }
    const int width = PadWidth(kind);
    if (width == 0) return std::string(text);
    std::string cut;
    CStrUtil::CutMbcs(text, cut, width);
    if (flagged || cut.empty()) return cut;
    char buffer[16] = {};
    cut.copy(buffer, cut.size());
    CStrUtil::PadLeft(buffer, "0", width);
    return buffer;
}

std::string CGridHelper::FormatThousands(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 3);
    const size_t n = text.size();
    for (size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += ',';
        out += text[i];
    }
    return out;
}

}  // namespace xf
