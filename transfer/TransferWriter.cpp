#include "transfer/TransferWriter.h"

#include <exception>

namespace xf {

void CTransferWriter::SetData(const CDataSet* data, std::string outputPath) {
    m_data = data;
    m_path = std::move(outputPath);
}

void CTransferWriter::BuildRecords(CRecordFrame& frame) {
    BuildTransferFile(*m_data, m_totals, frame, [this](int n) { Step(n); });
}

int CTransferWriter::Run() {
    m_totals = {};
    if (!m_data) return kNoLayout;
    const int recordSize = TransferRecordSize(m_data->outputLengthCode);
    if (recordSize == 0 ||
        (m_data->transferKind != kKindGeneral && m_data->transferKind != kKindSalaryBonus))
        return kNoLayout;
    m_totals = CountTransfers(*m_data);
    if (!FitsTrailer(m_totals)) return kTotalsTooLarge;

    const int records = m_totals.count + 3;
    ShowProgress("出力中です．．．", "出力処理は中断できません");
    DisableCancel();
    SetRange(0, records + 1);
    int result = kWriteError;
    try {
        CRecordFrame frame(recordSize, m_data->lineBreak == 1);
        frame.Reserve(static_cast<size_t>(records));
        BuildRecords(frame);
        result = frame.WriteTo(m_path);
    } catch (const std::exception&) {
        result = kWriteError;  // no memory for the file's buffer
    }
    SetPos(records + 1);
    CloseProgress();
    return result;
}

}  // namespace xf
