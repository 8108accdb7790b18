#include "common/base/RecordFrame.h"

#include "common/base/FileAccess.h"

int CRecordFrame::SlotOfLengthCode(int lengthCode, int lineBreak) {
    int slot = 130;
    if (lengthCode == 1) slot = 122;
    if (lengthCode == 2) slot = 128;
    return lineBreak == 0 ? slot - 2 : slot;
}

int CRecordFrame::RecordSizeOfLengthCode(int lengthCode) {
    switch (lengthCode) {
        case 1:
            return 120;
        case 2:
            return 126;
        case 3:
            return 128;
        default:
            return 0;
    }
}

std::uint64_t CRecordFrame::EstimateFileSize(int lengthCode, int lineBreak, int records) {
    const std::uint64_t count = records > 0 ? static_cast<std::uint64_t>(records) : 0;
    return static_cast<std::uint64_t>(SlotOfLengthCode(lengthCode, lineBreak)) * (count + 3);
}

char* CRecordFrame::AddRecord() {
    const size_t start = m_bytes.size();
    m_bytes.append(static_cast<size_t>(m_recordSize), ' ');
    if (m_lineBreak) m_bytes.append("\r\n", 2);
    ++m_records;
    return m_bytes.data() + start;
}

int CRecordFrame::WriteTo(const std::string& path) const {
    return CFileAccess(path).WriteAll(m_bytes);
}
