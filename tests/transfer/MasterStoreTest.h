#pragma once
// What the tests of the master stores (patterns, requesters) share: a scratch folder of the test
// with the master's path in it, the store loaded from a given text, and the ways to make the
// next write of the master fail.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/base/MasterText.h"
#include "common/patterns/PatternBase.h"
#include "support/TestPaths.h"

namespace xftest {

// The fields of a stored pattern line, and the line of fields.
using Fields = std::vector<std::string>;
inline std::string Line(const Fields& fields) {
    return CMasterText::FormatFields(fields);
}
// The first n fields.
inline Fields Cut(Fields fields, size_t n) {
    fields.resize(n);
    return fields;
}
// Every field of a pattern's line, in line order.
inline Fields FieldsOf(const CPatternBase& p) {
    Fields fields;
    for (int i = 0; i < p.Layout().fieldCount; ++i)
        fields.push_back(p.GetField(p.Layout().firstFieldNumber + i));
    return fields;
}

template <class Store>
class MasterStoreTest : public testing::Test {
protected:
    // Also called again by a test to start afresh in an emptied folder.
    void SetUp() override {
        dir = kortest::ScratchDirOfTest();
        path = dir + Store::kFileName;
    }
    // Writes the master and loads it; the load's result.
    int LoadFrom(const std::string& text) {
        EXPECT_TRUE(kortest::WriteBytes(path, text));
        return store.Load(path);
    }

    // A pattern store's test: loads the one stored line, parses it in its shape, expects the
    // pattern's fields to be expected, saves it back in place and expects the master to hold
    // expected as its one line.
    void ExpectReadAndSavedAs(const std::string& line, bool fixed, const Fields& expected,
                              const char* name) {
        SetUp();
        ASSERT_EQ(LoadFrom(line + "\r\n"), 1) << name;
        const CPatternBase* p = fixed ? static_cast<const CPatternBase*>(store.GetFixedPattern(0))
                                      : store.GetDelimPattern(0);
        ASSERT_NE(p, nullptr) << name;
        EXPECT_EQ(FieldsOf(*p), expected) << name;

        const int saved = fixed ? store.SaveFixed(0, *store.GetFixedPattern(0))
                                : store.SaveDelim(0, *store.GetDelimPattern(0));
        ASSERT_EQ(saved, 1) << name;
        EXPECT_EQ(kortest::ReadBytes(path), Line(expected) + "\r\n") << name;
    }

    std::string dir, path;
    Store store;
};

// A master whose lines all end with LF alone (saved by another editor or a version-control
// checkout) loads its lines as with CR LF: loaded with records records, and rewriteFirst
// (store) rewrites the file after a change of the first record and gives that record's new
// line; the file then holds that line and the others as they were, each ended by CR LF.
template <class Store, class Rewrite>
void ExpectLfLinesReadAsCrLf(const std::string& path, const std::vector<std::string>& lines,
                             size_t records, Rewrite rewriteFirst) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    ASSERT_TRUE(kortest::WriteBytes(path, text));
    Store store;
    ASSERT_EQ(store.Load(path), 1);
    ASSERT_EQ(store.GetList().size(), records);
    std::vector<std::string> expected = lines;
    expected.front() = rewriteFirst(store);
    EXPECT_EQ(kortest::ReadBytes(path), CMasterText::JoinLines(expected));
}

// The names of a pattern store's entries, in line order.
template <class Store>
std::vector<std::string> NamesOf(const Store& store) {
    std::vector<std::string> names;
    for (const auto& e : store.GetList()) names.push_back(e->name);
    return names;
}

// ExpectLfLinesReadAsCrLf on a pattern master whose first line is a fixed-length pattern,
// saved again unchanged; names: the patterns' names in line order.
template <class Store>
void ExpectLfPatternLinesReadAsCrLf(const std::string& path, const std::vector<std::string>& lines,
                                    const std::vector<std::string>& names) {
    ExpectLfLinesReadAsCrLf<Store>(path, lines, names.size(), [&](Store& s) {
        EXPECT_EQ(NamesOf(s), names);
        const auto copy = *s.GetFixedPattern(0);
        EXPECT_EQ(s.SaveFixed(0, copy), 1);
        return lines.front();
    });
}

// Find's shape filter (0 any, negative separated, positive fixed length) on a pattern store that
// holds, in this order, a separated pattern named "同名", a fixed-length one named "同名" and a
// fixed-length one named "固定": the filter applies to the first pattern of the name only.
template <class Store>
void ExpectFindAppliesTheShapeFilter(const Store& store) {
    struct Case {
        const char* name;
        int filter;
        int found;
    };
    const Case cases[] = {{"同名", 0, 1},  {"同名", -1, 1}, {"同名", 1, 0}, {"固定", 1, 1},
                          {"固定", -1, 0}, {"固定", 0, 1},  {"固", 0, 0},   {"", 0, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(store.Find(c.name, c.filter), c.found) << c.name << " " << c.filter;
}

// A way to make the next write of the master at path fail (the master is made writable again
// with SetFileAttributesW(path, FILE_ATTRIBUTE_NORMAL)).
struct WriteBlock {
    const char* name;
    void (*block)(const std::wstring& path);
};

inline const WriteBlock kWriteBlocks[] = {
    {"read-only master",
     [](const std::wstring& p) { SetFileAttributesW(p.c_str(), FILE_ATTRIBUTE_READONLY); }},
    {"folder in the master's place",
     [](const std::wstring& p) {
         DeleteFileW(p.c_str());
         CreateDirectoryW(p.c_str(), nullptr);
     }},
};

}  // namespace xftest
