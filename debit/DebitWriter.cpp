#include "debit/DebitWriter.h"

namespace db {

void CDebitWriter::SetData(const CDataSet* data, std::string outputPath) {
    m_data = data;
    m_path = std::move(outputPath);
}

bool CDebitWriter::Shape(FileShape& shape) const {
    if (!m_data) return false;
    shape = {m_data->outputLengthCode, m_data->lineBreak};
    return true;
}

void CDebitWriter::BuildRecords(CRecordFrame& frame) {
    BuildDebitFile(*m_data, Totals(), frame, [this](int n) { Step(n); });
}

}  // namespace db
