#include "transfer/RequesterStore.h"

#include <cstdio>
#include <exception>

#include "common/FileAccess.h"
#include "common/MasterText.h"
#include "framework/MessageSeam.h"
#include "transfer/RequesterLine.h"

namespace xf {

int CRequesterStore::Load(const std::string& path) {
    m_path = path;
    std::string text;
    if (CFileAccess(path).ReadAll(text) != CFileAccess::kOk) return 0;
    try {
        std::vector<std::string> lines = CMasterText::SplitLines(text);
        const int n = static_cast<int>(lines.size());
        ClearList();
        ShowProgress("メモリー内へ展開中", "");
        DisableCancel();
        SetRange(0, n + 1);
        for (int j = 0; j < n; ++j) {
            CRequesterInfo requester;
            if (!ParseRequesterLine(lines[j], j, requester)) continue;
            // An older 5-field line is written back in today's 8 fields.
            if (CMasterText::CountSeparators(lines[j]) == kOldRequesterLineFields - 1) {
                if (auto full = FormatRequesterLine(requester)) lines[j] = std::move(*full);
            }
            m_requesters.push_back(std::make_unique<CRequesterInfo>(requester));
            m_lineOf.push_back(static_cast<size_t>(j));
            char subLine[48];
            std::snprintf(subLine, sizeof subLine, "進行状況   %d/%d    ", j + 1, n);
            ShowProgress("メモリー内へ展開中", subLine);
            Step(j);
        }
        m_lines = std::move(lines);
        m_matchesFile = true;
    } catch (const std::exception& e) {
        CloseProgress();
        ShowOutOfMemory(e.what());
        return -1;
    }
    CloseProgress();
    return 1;
}

int CRequesterStore::Update(int index, const CRequesterInfo& requester, int mode) {
    const bool append = mode == kAppend;
    if (!m_matchesFile || (!append && !IsPosition(index))) return 0;
    const auto line = FormatRequesterLine(requester);
    if (!line) return 0;
    try {
        std::vector<std::string> lines = m_lines;
        std::unique_ptr<CRequesterInfo> added;
        if (append) {
            lines.push_back(*line);
            added = std::make_unique<CRequesterInfo>(requester);
            added->index = index;
            m_requesters.reserve(m_requesters.size() + 1);
            m_lineOf.reserve(m_lineOf.size() + 1);
        } else {
            lines[m_lineOf[index]] = *line;
        }
        if (!WriteLines(lines)) return 0;
        m_lines.swap(lines);
        if (append) {
            m_requesters.push_back(std::move(added));
            m_lineOf.push_back(m_lines.size() - 1);
        } else {
            CRequesterInfo& target = *m_requesters[index];
            const int keptIndex = target.index;
            target = requester;
            target.index = keptIndex;
        }
        return 1;
    } catch (const std::exception& e) {
        CloseProgress();
        ShowOutOfMemory(e.what());
        return 0;
    }
}

int CRequesterStore::Delete(int index) {
    if (!m_matchesFile || !IsPosition(index)) return 0;
    try {
        const size_t line = m_lineOf[index];
        std::vector<std::string> lines = m_lines;
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(line));
        if (!WriteLines(lines)) return 0;
        m_lines.swap(lines);
        m_requesters.erase(m_requesters.begin() + index);
        m_lineOf.erase(m_lineOf.begin() + index);
        for (size_t i = static_cast<size_t>(index); i < m_lineOf.size(); ++i) --m_lineOf[i];
        return 1;
    } catch (const std::exception& e) {
        CloseProgress();
        ShowOutOfMemory(e.what());
        return 0;
    }
}

void CRequesterStore::ClearList() {
    m_requesters.clear();
    m_lineOf.clear();
    m_lines.clear();
    m_matchesFile = false;
}

bool CRequesterStore::WriteLines(const std::vector<std::string>& lines) {
    const char* const title = "メモリー内容展開中";
    const int n = static_cast<int>(lines.size());
    ShowProgress(title, "");
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
        ShowProgress(title, subLine);
        Step(i + 1);
    }
    const bool written = CFileAccess(m_path).WriteAll(text) == CFileAccess::kOk;
    CloseProgress();
    return written;
}

void CRequesterStore::ShowOutOfMemory(const char* what) {
    kor::ShowMessageBox(Parent(), what, "エラー", MB_OK | MB_ICONERROR);
}

}  // namespace xf
