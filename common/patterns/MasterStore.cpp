#include "common/patterns/MasterStore.h"

#include <cstdio>

#include "common/base/FileAccess.h"
#include "common/base/MasterText.h"
#include "framework/MessageSeam.h"

namespace {

constexpr const char* kLoadTitle = "メモリー内へ展開中";
constexpr const char* kWriteTitle = "メモリー内容展開中";

}  // namespace

void CMasterLines::ClearList() {
    ClearRecords();
    m_lineOf.clear();
    m_lines.clear();
    m_matchesFile = false;
}

int CMasterLines::LoadLines(const std::string& path) {
    m_path = path;
    std::string text;
    if (CFileAccess(path).ReadAll(text) != CFileAccess::kOk) return 0;
    try {
        std::vector<std::string> lines = CMasterText::SplitLines(text);
        const int n = static_cast<int>(lines.size());
        ClearList();
        ShowProgress(kLoadTitle, "");
        DisableCancel();
        SetRange(0, n + 1);
        for (int j = 0; j < n; ++j) {
            const int fields = CMasterText::CountSeparators(lines[j]) + 1;
            const bool older = m_shape.olderFields > 0 && fields == m_shape.olderFields;
            if ((fields != m_shape.fields && !older) || !AddRecord(lines[j], j, older)) {
                if (m_shape.keepOtherLines) continue;
                ClearList();
                CloseProgress();
                return 0;
            }
            m_lineOf.push_back(static_cast<size_t>(j));
            char subLine[48];
            std::snprintf(subLine, sizeof subLine, m_shape.loadSubLine, j + 1, n);
            ShowProgress(kLoadTitle, subLine);
            Step(j);
        }
        m_lines = std::move(lines);
        m_matchesFile = true;
    } catch (const std::exception& e) {
        ClearList();
        ShowOutOfMemory(e);
        return -1;
    }
    CloseProgress();
    return 1;
}

bool CMasterLines::CanChange(int position, bool append) const {
    return m_matchesFile && (append || (position >= 0 && position < RecordCount()));
}

bool CMasterLines::WriteRecordLine(int position, bool append, const std::string& line) {
    std::vector<std::string> lines = m_lines;
    if (append) {
        lines.push_back(line);
        m_lineOf.reserve(m_lineOf.size() + 1);
    } else {
        lines[m_lineOf[static_cast<size_t>(position)]] = line;
    }
    if (!WriteLines(lines)) return false;
    m_lines.swap(lines);
    if (append) m_lineOf.push_back(m_lines.size() - 1);
    return true;
}

bool CMasterLines::WriteWithoutRecord(int position) {
    const size_t line = m_lineOf[static_cast<size_t>(position)];
    std::vector<std::string> lines = m_lines;
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(line));
    if (!WriteLines(lines)) return false;
    m_lines.swap(lines);
    m_lineOf.erase(m_lineOf.begin() + position);
    for (size_t i = static_cast<size_t>(position); i < m_lineOf.size(); ++i) --m_lineOf[i];
    return true;
}

bool CMasterLines::WriteLines(const std::vector<std::string>& lines) {
    const int n = static_cast<int>(lines.size());
    ShowProgress(kWriteTitle, "");
    DisableCancel();
    SetRange(0, n + 1);
    size_t size = 0;
    for (const std::string& line : lines) size += line.size() + 2;
    std::string text;
    text.reserve(size);
    for (int i = 0; i < n; ++i) {
        text += lines[i];
        text += "\r\n";
        char subLine[40];
        std::snprintf(subLine, sizeof subLine, "進行状況   %d/%d", i + 1, n);
        ShowProgress(kWriteTitle, subLine);
        Step(i + 1);
    }
    const bool written = CFileAccess(m_path).WriteAll(text) == CFileAccess::kOk;
    CloseProgress();
    return written;
}

void CMasterLines::ShowOutOfMemory(const std::exception& e) {
    CloseProgress();
    kor::ShowMessageBox(Parent(), e.what(), "エラー", MB_OK | MB_ICONERROR);
}
