#include "common/RecordFrame.h"

#include "common/FileAccess.h"

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
