#pragma once
// The run every tool's upload-file writer shares: the counted records checked against the
// trailer's digits, the whole file built in one buffer under a progress window that cannot be
// cancelled, and written in one atomic step. A tool's writer says where its data lie and how
// its records are laid out (common/items/UploadRecords.h).
#include <string>

#include "common/base/ProgressTask.h"
#include "common/base/RecordFrame.h"
#include "common/items/UploadRecords.h"

class CRecordFileWriter : public CProgressTask {
public:
    enum Result {
        kWritten = 0,
        kCannotCreate = 13,  // the file cannot be created (CFileAccess::WriteAll)
        kWriteError = 14,    // an error while writing (CFileAccess::WriteAll)
        // The records' count exceeds 6 digits or their total amount 12 digits: no file.
        kTotalsTooLarge = 15,
        // No data, or a record length code (or another choice of the data) without a layout:
        // no file.
        kNoLayout = 16,
    };

    CRecordFileWriter() = default;
    CRecordFileWriter(CApMsgInfoList* messages, HWND parent, const CAbortQuestions& questions,
                      const ProgressDialogIds& dialog = kProgressDialogIds)
        : CProgressTask(messages, parent, questions, dialog) {}

    // Builds and writes the file; one of Result. An existing file is replaced only on success.
    int Run();
    // Builds every record into frame, advancing the bar after each.
    virtual void BuildRecords(CRecordFrame& frame) = 0;

    // The trailer's figures of the last Run (count and total of the records written).
    const RecordTotals& Totals() const { return m_totals; }

protected:
    // The shape of the file to write: false when there are no data or they have no layout.
    struct FileShape {
        int lengthCode = 0;
        int lineBreak = 0;  // 1: CR LF after every record
    };
    virtual bool Shape(FileShape& shape) const = 0;
    // The records to be written and the sum of their amounts.
    virtual RecordTotals CountRecords() const = 0;

    std::string m_path;

private:
    RecordTotals m_totals;
};
