#pragma once
// The stored lines of a pattern master in memory, one list entry per line, whatever the fields
// between a line's identity and its end: loading, finding by name, replacing, deleting. Every
// change rewrites the whole file; memory changes only once the file has been written, so the two
// always agree.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/base/ProgressTask.h"
#include "common/patterns/PatternEntry.h"
#include "common/patterns/PatternLayout.h"

using CPatternObList = std::vector<std::unique_ptr<CPatternEntry>>;

// What differs between the tools' masters besides the fields of a line.
struct PatternMasterRules {
    PatternLayout layout;  // the field counts a stored line may have
    bool progressOnLoad;   // the load shows a progress window
    int pathLimit;         // bytes of the path the store keeps (0: all of it)
    // True: a master that does not exist loads as an empty one (1), and one that exists but
    // cannot be read is refused (0) with a store that refuses every change, so that no save
    // writes over it. False: both leave the store as it was and give 0.
    bool missingIsEmpty = false;
};

class CPatternLineStore : public CProgressTask {
public:
    explicit CPatternLineStore(const PatternMasterRules& rules) : m_rules(rules) {}
    CPatternLineStore(const PatternMasterRules& rules, CApMsgInfoList* messages, HWND parent,
                      const CAbortQuestions& questions)
        : CProgressTask(messages, parent, questions), m_rules(rules) {}

    const PatternMasterRules& Rules() const { return m_rules; }

    // Reads the master at path (under a progress window when the rules ask for one): 1 loaded
    // (an empty file loads no pattern), 0 not loaded. A file that cannot be read leaves the store
    // as it was (the path is taken all the same, so that a first save creates the file), unless
    // the rules say how a missing or unreadable master loads. A line
    // of neither field count of the layout stops the load with 0: the lines before it stay
    // usable, but the store refuses every change, so that the file keeps the lines not loaded.
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

    // Puts line (a stored line of either field count) at index (below 0: at the end) and
    // rewrites the file; the line's entry is made from it. 1 stored and written; 0 nothing
    // changed (bad index, a store that does not hold the whole file, or the file could not be
    // written).
    int Replace(int index, const std::string& line);
    // Removes line index and rewrites the file: 1, or 0 with nothing changed.
    int Delete(int index);

    // Empties lines and entries; changes are refused until the next load.
    void ClearList();

private:
    // Writes lines, each with its CR LF, as the whole file.
    bool WriteLines(const std::vector<std::string>& lines) const;
    void ShowLoadProgress(int done, int count);

    PatternMasterRules m_rules;
    std::string m_path;
    std::vector<std::string> m_lines;
    std::string m_tail;  // text after the last CR LF that is no pattern, kept as it is
    CPatternObList m_entries;
    // False while memory does not hold the whole file (a load stopped at a bad line, or the
    // list was emptied): every change is refused, so that no stored line is lost.
    bool m_matchesFile = true;
};
