#pragma once
// Writes the bank's transfer file from a data set: header, one data record per transfer that
// was not deleted, trailer, end record and the end byte, built in one buffer under a progress
// window that cannot be cancelled, and written in one atomic step.
#include <string>

#include "common/flow/RecordFileWriter.h"
#include "transfer/DataSet.h"
#include "transfer/ProgressQuestions.h"
#include "transfer/TransferRecords.h"

namespace xf {

class CTransferWriter : public CRecordFileWriter {
public:
    CTransferWriter() = default;
    CTransferWriter(CApMsgInfoList* messages, HWND parent)
        : CRecordFileWriter(messages, parent, kAbortQuestions) {}

    // The data set stays the caller's and must outlive Run. A data set whose transfer kind is
    // neither general nor salary/bonus has no layout.
    void SetData(const CDataSet* data, std::string outputPath);
    void BuildRecords(CRecordFrame& frame) override;

protected:
    bool Shape(FileShape& shape) const override;
    RecordTotals CountRecords() const override { return CountTransfers(*m_data); }

private:
    const CDataSet* m_data = nullptr;
};

}  // namespace xf
