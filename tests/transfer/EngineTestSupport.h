#pragma once
// Patterns and files for the reader's tests.
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>

#include "support/TestPaths.h"
#include "transfer/ConvertEngine.h"

namespace enginetest {

using xf::CConvertEngine;
using xf::CDataSet;
using xf::CDelimPattern;
using xf::CFixedPattern;

// (item kind, column) pairs.
using Columns = std::initializer_list<std::pair<int, int>>;

// The columns of general.csv: item k in column k.
inline constexpr Columns kAllInOrder = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4},   {5, 5},
                                        {6, 6}, {7, 7}, {8, 8}, {9, 9}, {10, 10}, {11, 11}};

inline CDelimPattern Delim(int fileClass, Columns columns, const char* dataRow = "1") {
    CDelimPattern p;
    p.SetField(0, "01");
    p.SetField(2, std::to_string(fileClass));
    p.SetField(3, "ﾃｽﾄ");
    for (const auto& [kind, column] : columns) p.SetField(4 + 2 * kind, std::to_string(column));
    p.SetField(32, "ﾌﾂｳ");
    p.SetField(33, "ﾄｳｻﾞ");
    p.SetField(34, "ﾁｮﾁｸ");
    p.SetField(35, "ｿﾉﾀ");
    p.SetField(39, dataRow);
    return p;
}

// The layout of fixed-crlf.dat (100-byte records).
inline CFixedPattern Fixed100() {
    CFixedPattern p;
    p.SetField(0, "01");
    p.SetField(2, "3");
    p.SetField(31, "100");
    const int positions[][3] = {{xf::kBankCode, 1, 4},        {xf::kBankName, 5, 15},
                                {xf::kBranchCode, 20, 3},     {xf::kBranchName, 23, 15},
                                {xf::kAccountType, 38, 1},    {xf::kAccountNumber, 39, 7},
                                {xf::kAccountName, 46, 30},   {xf::kAmount, 76, 10},
                                {xf::kCustomerCode1, 86, 10}, {xf::kRequesterNumber, 96, 5}};
    for (const auto& [kind, start, length] : positions) {
        p.SetField(4 + 2 * kind, std::to_string(start));
        p.SetField(5 + 2 * kind, std::to_string(length));
    }
    return p;
}

inline CPatternEntry Entry(int kind, int fileClass) {
    CPatternEntry e;
    e.kind = kind;
    e.fileClass = fileClass;
    e.name = "ﾃｽﾄ";
    return e;
}

// A file in the current test's own scratch folder (tests run side by side).
inline std::string ScratchFile(const std::string& name, const std::string& bytes) {
    return kortest::ScratchFileOfTest(name, bytes);
}

struct ReadOutcome {
    int result = -1;
    std::unique_ptr<CDataSet> set;
};

inline ReadOutcome Read(CConvertEngine& engine, const std::string& path) {
    ReadOutcome out;
    out.result = engine.ReadFile(path);
    out.set = engine.GetDataSet();
    return out;
}

inline ReadOutcome ReadDelim(const CDelimPattern& pattern, int kind, const std::string& path) {
    CConvertEngine engine;
    const CPatternEntry entry = Entry(kind, pattern.FileClass());
    engine.SetPattern(nullptr, &pattern, &entry, nullptr);
    return Read(engine, path);
}

}  // namespace enginetest
