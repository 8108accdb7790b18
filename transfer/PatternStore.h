#pragma once
// The pattern master "mstKORXF301.ini" in memory: its stored lines, one list entry per line, and
// the pattern last parsed of each shape. Every change rewrites the whole file; memory changes
// only once the file has been written, so the two always agree.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/PatternEntry.h"
#include "common/ProgressTask.h"
#include "transfer/DelimPattern.h"
#include "transfer/FixedPattern.h"
#include "transfer/ProgressQuestions.h"

namespace xf {

// The store lists its patterns by the shared pattern entry.
using ::CPatternEntry;

using CPatternObList = std::vector<std::unique_ptr<CPatternEntry>>;

class CPatternStore : public CProgressTask {
public:
    static constexpr const char* kFileName = "mstKORXF301.ini";

    CPatternStore() : CProgressTask(nullptr, nullptr, kAbortQuestions) {}
    CPatternStore(CApMsgInfoList* messages, HWND parent)
        : CProgressTask(messages, parent, kAbortQuestions) {}

    // Reads the master at path under a progress window: 1 loaded (an empty file loads no
    // pattern), 0 not loaded. A file that cannot be read leaves the store as it was (the path
    // is taken all the same, so that a first save creates the file). A line whose field count
    // is neither 40 nor 36 stops the load with 0: the lines before it stay usable, but the
    // store refuses every change, so that the file keeps the lines not loaded.
    int Load(const std::string& path);

    // The entries in line order; an entry's position is its line's index.
    const CPatternObList& GetList() const { return m_entries; }
    size_t Count() const { return m_lines.size(); }
    const std::string& Line(size_t index) const { return m_lines[index]; }
    const std::string& Path() const { return m_path; }

    // 1 when the first pattern named name passes the shape filter (0 any shape, negative
    // separated, positive fixed length), else 0.
    int Find(std::string_view name, int shapeFilter) const;
    // Position of the first pattern named name (of either shape), or -1.
    int IndexOf(std::string_view name) const;

    // The pattern of line index parsed into the store's current pattern of that shape (valid
    // until the next parse of that shape); null when the index is outside the lines or the line
    // has the other shape (the current pattern then stays).
    const CFixedPattern* GetFixedPattern(int index);
    const CDelimPattern* GetDelimPattern(int index);

    // See xf::CheckFixedPositions: 0, 17 (item beyond the record) or the overlapping item.
    int CheckFixedPositions(const CFixedPattern& pattern, int* item) const;

    // Store a pattern: index below 0 adds it at the end, otherwise it replaces line index.
    // 1 stored and written; 0 nothing changed (bad index, a field a line cannot carry, a store
    // that does not hold the whole file, or the file could not be written).
    int SaveFixed(int index, const CFixedPattern& pattern);
    int SaveDelim(int index, const CDelimPattern& pattern);
    // Puts line (a stored line of 40 or 36 fields) at index (below 0: at the end) and rewrites
    // the file; the line's entry is made from it. 1 or 0 as the saves.
    int Replace(int index, const std::string& line);
    // Removes line index and rewrites the file: 1, or 0 with nothing changed.
    int Delete(int index);

    // Empties lines and entries; changes are refused until the next load.
    void ClearList();

private:
    // Writes lines, each with its CR LF, as the whole file.
    bool WriteLines(const std::vector<std::string>& lines) const;

    std::string m_path;
    std::vector<std::string> m_lines;
    std::string m_tail;  // text after the last CR LF that is no pattern, kept as it is
    CPatternObList m_entries;
    std::unique_ptr<CFixedPattern> m_fixed;
    std::unique_ptr<CDelimPattern> m_delim;
    // False while memory does not hold the whole file (a load stopped at a bad line, or the
    // list was emptied): every change is refused, so that no stored line is lost.
    bool m_matchesFile = true;
};

}  // namespace xf
