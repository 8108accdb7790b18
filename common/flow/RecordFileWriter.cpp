#include "common/flow/RecordFileWriter.h"

#include <exception>

int CRecordFileWriter::Run() {
    m_totals = {};
    FileShape shape;
    if (!Shape(shape)) return kNoLayout;
    const int recordSize = CRecordFrame::RecordSizeOfLengthCode(shape.lengthCode);
    if (recordSize == 0) return kNoLayout;
    m_totals = CountRecords();
    if (!FitsTrailer(m_totals)) return kTotalsTooLarge;

    const int records = m_totals.count + 3;
    ShowProgress("出力中です．．．", "出力処理は中断できません");
    DisableCancel();
    SetRange(0, records + 1);
    int result = kWriteError;
    try {
        CRecordFrame frame(recordSize, shape.lineBreak == 1);
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
