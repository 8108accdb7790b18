#pragma once
// Writes the bank's transfer file from a data set: header, one data record per transfer that
// was not deleted, trailer, end record and the end byte, built in one buffer under a progress
// window that cannot be cancelled, and written in one atomic step.
#include <string>

#include "common/ProgressTask.h"
#include "transfer/DataSet.h"
#include "transfer/ProgressQuestions.h"
#include "transfer/TransferRecords.h"

namespace xf {

class CTransferWriter : public CProgressTask {
public:
    enum Result {
        kWritten = 0,
        kCannotCreate = 13,  // the file cannot be created (CFileAccess::WriteAll)
        kWriteError = 14,    // an error while writing (CFileAccess::WriteAll)
        // The records' count exceeds 6 digits or their total amount 12 digits: no file.
        kTotalsTooLarge = 15,
        // No data set, or one whose record length code or transfer kind has no layout: no file.
        kNoLayout = 16,
    };

    CTransferWriter() = default;
    CTransferWriter(CApMsgInfoList* messages, HWND parent)
        : CProgressTask(messages, parent, kAbortQuestions) {}

    // The data set stays the caller's and must outlive Run.
    void SetData(const CDataSet* data, std::string outputPath);
    // Builds and writes the file; one of Result. An existing file is replaced only on success.
    int Run();
    // Builds every record into frame, advancing the bar after each.
    void BuildRecords(CRecordFrame& frame);

    // The trailer's figures of the last Run (count and total of the records written).
    const TransferTotals& Totals() const { return m_totals; }

private:
    const CDataSet* m_data = nullptr;
    std::string m_path;
    TransferTotals m_totals;
};

}  // namespace xf
