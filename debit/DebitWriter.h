#pragma once
// Writes the bank's direct-debit file from a data set: header, one data record per debit that
// was not deleted, trailer, end record and the end byte, built in one buffer under a progress
// window that cannot be cancelled, and written in one atomic step.
#include <string>

#include "common/flow/RecordFileWriter.h"
#include "debit/DataSet.h"
#include "debit/DebitRecords.h"
#include "debit/ProgressQuestions.h"

namespace db {

class CDebitWriter : public CRecordFileWriter {
public:
    CDebitWriter() = default;
    CDebitWriter(CApMsgInfoList* messages, HWND parent)
        : CRecordFileWriter(messages, parent, kAbortQuestions, kProgressDialog) {}

    // The data set stays the caller's and must outlive Run.
    void SetData(const CDataSet* data, std::string outputPath);
    void BuildRecords(CRecordFrame& frame) override;

protected:
    bool Shape(FileShape& shape) const override;
    RecordTotals CountRecords() const override { return CountDebits(*m_data); }

private:
    const CDataSet* m_data = nullptr;
};

}  // namespace db
