#include "transfer/TransferWriter.h"

namespace xf {

void CTransferWriter::SetData(const CDataSet* data, std::string outputPath) {
    m_data = data;
    m_path = std::move(outputPath);
}

bool CTransferWriter::Shape(FileShape& shape) const {
    if (!m_data ||
        (m_data->transferKind != kKindGeneral && m_data->transferKind != kKindSalaryBonus))
        return false;
    shape = {m_data->outputLengthCode, m_data->lineBreak};
    return true;
}

void CTransferWriter::BuildRecords(CRecordFrame& frame) {
    BuildTransferFile(*m_data, Totals(), frame, [this](int n) { Step(n); });
}

}  // namespace xf
