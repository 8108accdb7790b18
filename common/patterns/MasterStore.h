#pragma once
// A master file of quoted-field lines in memory: every stored line, and a record for each line
// of the shapes the tool reads. Every change rewrites the whole file; memory changes only once
// the file has been written, so the two always agree. The tool gives its record type and, as
// data, how a line becomes a record and back (CMasterCodec).
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/base/ProgressTask.h"

// How a tool's master lines are read and written.
struct CMasterLineShape {
    int fields = 0;       // fields of a line as it is written today
    int olderFields = 0;  // fields of an older line that is read too (0: none)
    // An older line is stored in today's shape from the next rewrite on, whether its record
    // changed or not (true), or kept as it was read until its own record is updated (false).
    bool rewriteOlderLines = false;
    // A line of another field count (or one the codec refuses) is kept as it stands and makes
    // no record (true), or fails the whole load (false).
    bool keepOtherLines = true;
    const char* loadSubLine = "";  // progress sub-line per loaded record, with its number and
                                   // the line count
};

template <class Info>
struct CMasterCodec {
    CMasterLineShape shape;
    // Fills info from a stored line of one of the shape's field counts (index = the line's
    // position); false when the line makes no record.
    bool (*parse)(std::string_view line, int index, Info& info);
    // The stored line of a record; none when a field holds what a line cannot carry.
    std::optional<std::string> (*format)(const Info& info);
};

// The lines and the file; what does not depend on the record type.
class CMasterLines : public CProgressTask {
public:
    // Every stored line, in file order (also those that make no record).
    const std::vector<std::string>& Lines() const { return m_lines; }
    const std::string& Path() const { return m_path; }

    // Empties the records and the lines; changes are refused until the next load.
    void ClearList();

protected:
    CMasterLines(const CMasterLineShape& shape, const CAbortQuestions& questions, std::string path,
                 const ProgressDialogIds& dialog = kProgressDialogIds)
        : CProgressTask(nullptr, nullptr, questions, dialog),
          m_shape(shape),
          m_path(std::move(path)) {}

    // Reads the master at path under a progress window: 1 loaded, 0 the file cannot be read
    // (the store keeps its contents; the path is taken) or a line fails the load (the store is
    // emptied and refuses changes), -1 out of memory (after a message box).
    int LoadLines(const std::string& path);
    // Makes the record of a line (index = its position) and adds it at the end of the records;
    // older: the line has the older field count (the line may be set to today's shape). False
    // when the line makes no record.
    virtual bool AddRecord(std::string& line, int index, bool older) = 0;
    virtual void ClearRecords() = 0;

    int RecordCount() const { return static_cast<int>(m_lineOf.size()); }
    // True when a change may be written: memory holds the whole file and, unless appending,
    // position is a record's.
    bool CanChange(int position, bool append) const;
    // Rewrites the file with the line of the record at position replaced (or, append, a new
    // record's line added at the end); false, and nothing changed, when the write fails.
    bool WriteRecordLine(int position, bool append, const std::string& line);
    // Rewrites the file without the line of the record at position; false as above.
    bool WriteWithoutRecord(int position);
    void ShowOutOfMemory(const std::exception& e);

private:
    // Writes lines, each with its CR LF, as the whole file, under a progress window.
    bool WriteLines(const std::vector<std::string>& lines);

    CMasterLineShape m_shape;
    std::string m_path;
    std::vector<std::string> m_lines;
    std::vector<size_t> m_lineOf;  // for each record, the index of its line
    // False while memory does not hold the whole file (the list was emptied, or a load failed
    // or ran out of memory): every change is refused, so that no stored line is lost.
    bool m_matchesFile = true;
};

template <class Info>
class CMasterStore : public CMasterLines {
public:
    using Record = Info;
    using ObList = std::vector<std::unique_ptr<Info>>;
    static constexpr int kAppend = 1;  // Update mode: add at the end

    // 1 loaded, 0 not loaded, -1 out of memory: see LoadLines.
    int Load(const std::string& path) { return LoadLines(path); }

    // The records in line order; callers address them by list position.
    const ObList& GetList() const { return m_records; }

    // mode kAppend adds info at the end (its index field set to index); any other mode replaces
    // the record at list position index with every field of info but its index. Rewrites the
    // file: 1 done; 0 nothing changed (bad position, a field a line cannot carry, a store that
    // does not hold the whole file, the file could not be written, or out of memory after a
    // message box).
    int Update(int index, const Info& info, int mode);
    // Removes the record at list position index and rewrites the file: 1, or 0 with nothing
    // changed.
    int Delete(int index);

protected:
    CMasterStore(const CMasterCodec<Info>& codec, const CAbortQuestions& questions,
                 std::string path, const ProgressDialogIds& dialog = kProgressDialogIds)
        : CMasterLines(codec.shape, questions, std::move(path), dialog), m_codec(codec) {}

    bool AddRecord(std::string& line, int index, bool older) override {
        Info info;
        if (!m_codec.parse(line, index, info)) return false;
        m_records.reserve(m_records.size() + 1);
        if (older && m_codec.shape.rewriteOlderLines) {
            if (auto now = m_codec.format(info)) line = std::move(*now);
        }
        m_records.push_back(std::make_unique<Info>(info));
        return true;
    }
    void ClearRecords() override { m_records.clear(); }

private:
    CMasterCodec<Info> m_codec;
    ObList m_records;
};

template <class Info>
int CMasterStore<Info>::Update(int index, const Info& info, int mode) {
    const bool append = mode == kAppend;
    if (!CanChange(index, append)) return 0;
    const auto line = m_codec.format(info);
    if (!line) return 0;
    try {
        std::unique_ptr<Info> added;
        if (append) {
            added = std::make_unique<Info>(info);
            added->index = index;
            m_records.reserve(m_records.size() + 1);
        }
        if (!WriteRecordLine(index, append, *line)) return 0;
        if (append) {
            m_records.push_back(std::move(added));
        } else {
            Info& target = *m_records[static_cast<size_t>(index)];
            const int keptIndex = target.index;
            target = info;
            target.index = keptIndex;
        }
        return 1;
    } catch (const std::exception& e) {
        ShowOutOfMemory(e);
        return 0;
    }
}

template <class Info>
int CMasterStore<Info>::Delete(int index) {
    if (!CanChange(index, false)) return 0;
    try {
        if (!WriteWithoutRecord(index)) return 0;
        m_records.erase(m_records.begin() + index);
        return 1;
    } catch (const std::exception& e) {
        ShowOutOfMemory(e);
        return 0;
    }
}
