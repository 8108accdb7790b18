#pragma once
// The requester master "mstKORXF302.ini" in memory: every stored line, and a requester for
// each line that has 8 or 5 fields. A line that is not understood is kept and written back as
// it stands. Every change rewrites the whole file; memory changes only once the file has been
// written, so the two always agree.
#include <memory>
#include <string>
#include <vector>

#include "common/ProgressTask.h"
#include "transfer/ProgressQuestions.h"
#include "transfer/RequesterInfo.h"

namespace xf {

using CRequesterObList = std::vector<std::unique_ptr<CRequesterInfo>>;

class CRequesterStore : public CProgressTask {
public:
    static constexpr const char* kFileName = "mstKORXF302.ini";
    static constexpr int kAppend = 1;  // Update mode: add at the end

    CRequesterStore() : CProgressTask(nullptr, nullptr, kAbortQuestions) {}
    explicit CRequesterStore(std::string path)
        : CProgressTask(nullptr, nullptr, kAbortQuestions), m_path(std::move(path)) {}

    // Reads the master at path under a progress window: 1 loaded, 0 the file cannot be read
    // (the store keeps its contents; the path is taken), -1 out of memory (after a message box).
    // An older 5-field line is kept in its 8-field form (description = name), so the next
    // rewrite stores it that way; a line of another field count is kept as it stands.
    int Load(const std::string& path);

    // The requesters in line order; callers address them by list position.
    const CRequesterObList& GetList() const { return m_requesters; }
    // Every stored line, in file order (also those that make no requester).
    const std::vector<std::string>& Lines() const { return m_lines; }
    const std::string& Path() const { return m_path; }

    // mode kAppend adds requester at the end (its index field set to index); any other mode
    // replaces the requester at list position index with every field of requester but its
    // index. Rewrites the file: 1 done; 0 nothing changed (bad position, a field a line cannot
    // carry, a store that does not hold the whole file, the file could not be written, or out
    // of memory after a message box).
    int Update(int index, const CRequesterInfo& requester, int mode);
    // Removes the requester at list position index and rewrites the file: 1, or 0 with nothing
    // changed.
    int Delete(int index);

    // Empties the requesters and the lines; changes are refused until the next load.
    void ClearList();

private:
    bool IsPosition(int index) const {
        return index >= 0 && static_cast<size_t>(index) < m_requesters.size();
    }
    // Writes lines, each with its CR LF, as the whole file, under a progress window.
    bool WriteLines(const std::vector<std::string>& lines);
    void ShowOutOfMemory(const char* what);

    std::string m_path;
    std::vector<std::string> m_lines;
    CRequesterObList m_requesters;
    std::vector<size_t> m_lineOf;  // for each requester, the index of its line
    // False while memory does not hold the whole file (the list was emptied, or a load ran out
    // of memory): every change is refused, so that no stored line is lost.
    bool m_matchesFile = true;
};

}  // namespace xf
