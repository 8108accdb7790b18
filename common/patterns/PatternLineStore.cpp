#include "common/patterns/PatternLineStore.h"

#include <cstdio>
#include <exception>

#include "common/base/FileAccess.h"
#include "common/base/MasterText.h"
#include "common/base/StrUtil.h"
#include "common/patterns/PatternBase.h"
#include "common/patterns/PatternLine.h"
#include "framework/Cp932.h"

namespace {

constexpr char kLoadTitle[] = "メモリー展開中";

// True only when the system says that no file or folder has that path.
bool IsMissing(const std::string& path) {
    if (GetFileAttributesW(kor::ToWide(path).c_str()) != INVALID_FILE_ATTRIBUTES) return false;
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

}  // namespace

int CPatternLineStore::Load(const std::string& path) {
    m_path = path;
    if (m_rules.pathLimit > 0 && m_path.size() > static_cast<size_t>(m_rules.pathLimit)) {
        std::string cut;
        CStrUtil::CutMbcs(path, cut, m_rules.pathLimit);
        m_path = cut;
    }
    std::string text;
    if (CFileAccess(m_path).ReadAll(text) != CFileAccess::kOk) {
        if (!m_rules.missingIsEmpty) return 0;
        ClearList();
        // A master that is not there yet is an empty one that the first save creates.
        m_matchesFile = IsMissing(m_path);
        return m_matchesFile ? 1 : 0;
    }
    const PatternLayout& layout = m_rules.layout;
    try {
        std::string_view rest;
        std::vector<std::string> lines = CMasterText::CutLines(text, &rest);
        ClearList();
        // Text after the last line end that is no pattern (a note an editor left) is not read
        // as a pattern, but it is written back after the patterns as it stands. A file without
        // any line end is no master of ours and stops the load below.
        if (!CMasterText::IsBlankRest(rest)) {
            if (!lines.empty() && !IsPatternLine(rest, layout)) {
                m_tail = rest;
            } else {
                lines.emplace_back(rest);
            }
        }
        const int n = static_cast<int>(lines.size());
        if (m_rules.progressOnLoad) {
            ShowProgress(kLoadTitle, "");
            DisableCancel();
            SetRange(0, n + 1);
        }
        for (int i = 0; i < n; ++i) {
            if (!IsPatternLine(lines[i], layout)) {
                CloseProgress();
                return 0;
            }
            m_entries.push_back(std::make_unique<CPatternEntry>(PatternEntryOf(lines[i], i)));
            m_lines.push_back(lines[i]);
            ShowLoadProgress(i, n);
        }
        m_matchesFile = true;
    } catch (const std::exception&) {
        CloseProgress();
        return 0;  // no memory for the master
    }
    CloseProgress();
    return 1;
}

void CPatternLineStore::ShowLoadProgress(int done, int count) {
    if (!m_rules.progressOnLoad) return;
    char subLine[40];
    std::snprintf(subLine, sizeof subLine, "   %d/%d   ", done + 1, count);
    ShowProgress(kLoadTitle, subLine);
    Step(done);
}

int CPatternLineStore::Find(std::string_view name, int shapeFilter) const {
    const int at = IndexOf(name);
    if (at < 0) return 0;
    const int c = m_entries[static_cast<size_t>(at)]->fileClass;
    if (shapeFilter > 0) return IsFixedLengthClass(c) ? 1 : 0;
    if (shapeFilter < 0) return IsSeparatedClass(c) ? 1 : 0;
    return 1;
}

int CPatternLineStore::IndexOf(std::string_view name) const {
    for (size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i]->name == name) return static_cast<int>(i);
    }
    return -1;
}

int CPatternLineStore::Replace(int index, const std::string& line) {
    if (!m_matchesFile || !IsPatternLine(line, m_rules.layout)) return 0;
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

int CPatternLineStore::Delete(int index) {
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

void CPatternLineStore::ClearList() {
    m_lines.clear();
    m_tail.clear();
    m_entries.clear();
    m_matchesFile = false;
}

bool CPatternLineStore::WriteLines(const std::vector<std::string>& lines) const {
    return CFileAccess(m_path).WriteAll(CMasterText::JoinLines(lines) + m_tail) == CFileAccess::kOk;
}
