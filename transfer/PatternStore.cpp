#include "transfer/PatternStore.h"

#include <cstdio>
#include <exception>

#include "common/FileAccess.h"
#include "common/MasterText.h"
#include "common/StrUtil.h"
#include "transfer/PatternLine.h"

namespace xf {

int CPatternStore::Load(const std::string& path) {
    m_path = path;
    std::string text;
    if (CFileAccess(path).ReadAll(text) != CFileAccess::kOk) return 0;
    try {
        std::vector<std::string> lines = CMasterText::SplitLines(text);
        ClearList();
        // Text after the last CR LF that is no pattern (a note an editor left) is not read as
        // a pattern, but it is written back after the patterns as it stands. A file without
        // any CR LF is no master of ours and stops the load below.
        const int lineEnds = CStrUtil::CountDelimiters(text, "\r\n");
        if (lineEnds > 0 && lineEnds < static_cast<int>(lines.size()) &&
            !IsPatternLine(lines.back())) {
            m_tail = std::move(lines.back());
            lines.pop_back();
        }
        const int n = static_cast<int>(lines.size());
        ShowProgress("メモリー展開中", "");
        DisableCancel();
        SetRange(0, n + 1);
        for (int i = 0; i < n; ++i) {
            if (!IsPatternLine(lines[i])) {
                CloseProgress();
                return 0;
            }
            m_entries.push_back(std::make_unique<CPatternEntry>(PatternEntryOf(lines[i], i)));
            m_lines.push_back(lines[i]);
            char subLine[40];
            std::snprintf(subLine, sizeof subLine, "   %d/%d   ", i + 1, n);
            ShowProgress("メモリー展開中", subLine);
            Step(i);
        }
        m_matchesFile = true;
    } catch (const std::exception&) {
        CloseProgress();
        return 0;  // no memory for the master
    }
    CloseProgress();
    return 1;
}

int CPatternStore::Find(std::string_view name, int shapeFilter) const {
    for (const auto& entry : m_entries) {
        if (entry->name != name) continue;
        const int c = entry->fileClass;
        if (shapeFilter > 0) return IsFixedLengthClass(c) ? 1 : 0;
        if (shapeFilter < 0) return c == 1 || c == 2 || c == 4 ? 1 : 0;
        return 1;
    }
    return 0;
}

int CPatternStore::IndexOf(std::string_view name) const {
    for (size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i]->name == name) return static_cast<int>(i);
    }
    return -1;
}

const CFixedPattern* CPatternStore::GetFixedPattern(int index) {
    if (index < 0 || static_cast<size_t>(index) >= m_lines.size()) return nullptr;
    auto parsed = std::make_unique<CFixedPattern>();
    if (!ParsePatternLine(m_lines[index], *parsed)) return nullptr;
    m_fixed = std::move(parsed);
    return m_fixed.get();
}

const CDelimPattern* CPatternStore::GetDelimPattern(int index) {
    if (index < 0 || static_cast<size_t>(index) >= m_lines.size()) return nullptr;
    auto parsed = std::make_unique<CDelimPattern>();
    if (!ParsePatternLine(m_lines[index], *parsed)) return nullptr;
    m_delim = std::move(parsed);
    return m_delim.get();
}

int CPatternStore::CheckFixedPositions(const CFixedPattern& pattern, int* item) const {
    return xf::CheckFixedPositions(pattern, item);
}

int CPatternStore::SaveFixed(int index, const CFixedPattern& pattern) {
    const auto line = FormatPatternLine(pattern);
    return line ? Replace(index, *line) : 0;
}

int CPatternStore::SaveDelim(int index, const CDelimPattern& pattern) {
    const auto line = FormatPatternLine(pattern);
    return line ? Replace(index, *line) : 0;
}

int CPatternStore::Replace(int index, const std::string& line) {
    if (!m_matchesFile || !IsPatternLine(line)) return 0;
    if (index >= 0 && static_cast<size_t>(index) >= m_lines.size()) return 0;
    try {
        const size_t at = index < 0 ? m_lines.size() : static_cast<size_t>(index);
        std::vector<std::string> lines = m_lines;
        if (index < 0) {
            lines.push_back(line);
            m_entries.reserve(lines.size());
        } else {
            lines[at] = line;
        }
        auto entry = std::make_unique<CPatternEntry>(PatternEntryOf(line, static_cast<int>(at)));
        if (!WriteLines(lines)) return 0;
        m_lines.swap(lines);
        if (index < 0) {
            m_entries.push_back(std::move(entry));
        } else {
            m_entries[at] = std::move(entry);
        }
        return 1;
    } catch (const std::exception&) {
        return 0;  // no memory for the new lines: nothing changed
    }
}

int CPatternStore::Delete(int index) {
    if (!m_matchesFile || index < 0 || static_cast<size_t>(index) >= m_lines.size()) return 0;
    try {
        std::vector<std::string> lines = m_lines;
        lines.erase(lines.begin() + index);
        if (!WriteLines(lines)) return 0;
        m_lines.swap(lines);
        m_entries.erase(m_entries.begin() + index);
        for (size_t i = static_cast<size_t>(index); i < m_entries.size(); ++i)
            m_entries[i]->index = static_cast<int>(i);
        return 1;
    } catch (const std::exception&) {
        return 0;
    }
}

void CPatternStore::ClearList() {
    m_lines.clear();
    m_tail.clear();
    m_entries.clear();
    m_matchesFile = false;
}

bool CPatternStore::WriteLines(const std::vector<std::string>& lines) const {
    return CFileAccess(m_path).WriteAll(CMasterText::JoinLines(lines) + m_tail) == CFileAccess::kOk;
}

}  // namespace xf
