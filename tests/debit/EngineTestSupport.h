#pragma once
// Read settings, lines and files for the direct-debit reader's tests.
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>

#include "debit/ConvertEngine.h"
#include "support/TestPaths.h"

namespace dbtest {

using db::CConvertEngine;
using db::CDataSet;

// (item, column) pairs.
using Columns = std::initializer_list<std::pair<int, int>>;

// Item k in column k.
inline constexpr Columns kAllInOrder = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4},
                                        {5, 5}, {6, 6}, {7, 7}, {8, 8}, {9, 9}};

// The customer's codes for account types 1, 2, 3 and 9.
inline void SetCodes(ReadSettings& settings) {
    settings.accountCodes = {"ﾌﾂｳ", "ﾄｳｻﾞ", "ﾉｳｾﾞｲ", "ｿﾉﾀ"};
}

inline ReadSettings Separated(int fileClass, Columns columns, int dataRow = 1) {
    ReadSettings s;
    s.fileClass = fileClass;
    s.kind = db::kKindAccountTransfer;
    s.dataRow = dataRow;
    SetCodes(s);
    s.places.resize(db::kItemCount);
    for (const auto& [item, column] : columns)
        s.places[static_cast<size_t>(item)] = {true, 0, 0, column};
    return s;
}

// Start (from 1) and length of every item of a 96-byte record, as Record() lays them out.
inline constexpr int kFixedPlaces[db::kItemCount][2] = {
    {1, 4}, {5, 15}, {20, 3}, {23, 15}, {38, 1}, {39, 7}, {46, 30}, {76, 10}, {86, 1}, {87, 10}};
inline constexpr int kFixedLength = 96;

inline ReadSettings FixedLength(int recordLength = kFixedLength) {
    ReadSettings s;
    s.fileClass = kFixedLengthFile;
    s.kind = db::kKindAccountTransfer;
    s.recordLength = recordLength;
    SetCodes(s);
    for (const auto& [start, length] : kFixedPlaces) s.places.push_back({true, start, length, 0});
    return s;
}

// One fixed-length record of the ten items, each padded with blanks to its length.
inline std::string Record(std::initializer_list<std::string> items) {
    std::string record;
    size_t k = 0;
    for (const std::string& item : items) {
        const size_t length = static_cast<size_t>(kFixedPlaces[k++][1]);
        record += item.substr(0, length) + std::string(length - std::min(length, item.size()), ' ');
    }
    record.resize(kFixedLength, ' ');
    return record;
}

inline CPatternEntry Entry(int fileClass) {
    CPatternEntry e;
    e.kind = db::kKindAccountTransfer;
    e.fileClass = fileClass;
    e.name = "ﾃｽﾄ";
    return e;
}

using kortest::ScratchFileOfTest;
inline std::string ScratchFile(const std::string& name, const std::string& bytes) {
    return ScratchFileOfTest(name, bytes);
}

// What a read gave: its result code and the data set handed over.
struct ReadOutcome {
    int result = -1;
    std::unique_ptr<CDataSet> set;
};

inline ReadOutcome Read(CConvertEngine& engine, const std::string& path) {
    const int result = engine.ReadFile(0, path);
    return {result, engine.GetDataSet()};
}

// Reads text with the settings of a separated pattern (or of a fixed-length one).
inline ReadOutcome ReadText(const ReadSettings& settings, const std::string& text) {
    CConvertEngine engine;
    const CPatternEntry entry = Entry(settings.fileClass);
    const bool fixed = settings.fileClass == kFixedLengthFile;
    engine.SetReadPattern(fixed ? &settings : nullptr, fixed ? nullptr : &settings, &entry,
                          nullptr);
    return Read(engine, ScratchFile("in.txt", text));
}

}  // namespace dbtest
