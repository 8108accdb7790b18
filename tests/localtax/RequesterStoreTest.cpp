#include "localtax/RequesterStore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/Cp932.h"
#include "framework/UniqueHandle.h"
#include "support/TestPaths.h"

namespace tx {
namespace {

using kortest::FolderEntries;
using kortest::ReadBytes;
using kortest::WriteBytes;

// A program folder without its trailing backslash.
std::string Folder() {
    std::string dir = kortest::ScratchDirOfTest();
    dir.pop_back();
    return dir;
}

CRequesterInfo Record(const char* name1, const char* name2, const char* address1,
                      const char* address2) {
    CRequesterInfo r;
    r.name1 = name1;
    r.name2 = name2;
    r.address1 = address1;
    r.address2 = address2;
    return r;
}

void ExpectRecord(const CRequesterInfo* r, const CRequesterInfo& expected) {
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->name1, expected.name1);
    EXPECT_EQ(r->name2, expected.name2);
    EXPECT_EQ(r->address1, expected.address1);
    EXPECT_EQ(r->address2, expected.address2);
}

struct ReadCase {
    const char* name;
    std::string file;
    CRequesterInfo expected;
};

TEST(TaxRequesterStore, ReadsTheFirstLine) {
    // 22 bytes: one byte, ten double-byte characters, one byte; the tenth double-byte character
    // would end at byte 21, past the width of 20.
    const std::string longName = "ｱ" + std::string("カタカナカタカナカナ") + "ｲ";
    const ReadCase cases[] = {
        {"FourFields", "\"ｱｲｳ\",\"\",\"ﾄｳｷｮｳ\",\"\"\r\r\n", Record("ｱｲｳ", "", "ﾄｳｷｮｳ", "")},
        {"TwoFields", "\"ｱｲｳ\",\"ｴｵ\"\r\n", Record("ｱｲｳ", "ｴｵ", "", "")},
        {"OnlyTheFirstLine", "\"A\",\"B\",\"C\",\"D\"\r\r\n\"E\",\"F\",\"G\",\"H\"\r\r\n",
         Record("A", "B", "C", "D")},
        {"DoubledQuote", "\"ｱ\"\"ｲ\",\"\"\"\",\"x\",\"y\"\r\r\n", Record("ｱ\"ｲ", "\"", "x", "y")},
        {"UnquotedFields", "ｱｲｳ,ｴｵ,,ﾄｳｷｮｳ", Record("ｱｲｳ", "ｴｵ", "", "ﾄｳｷｮｳ")},
        {"TextAfterClosingQuote", "\"a\"b,\"c\"\r\n", Record("a", "c", "", "")},
        {"NoLineEnd", "\"a\",\"b\",\"c\",\"d\"", Record("a", "b", "c", "d")},
        {"EmptyFile", "", Record("", "", "", "")},
        {"LongFieldsCutOnACharacter",
         "\"" + longName + "\",\"" + std::string(22, 'N') + "\",\"" + std::string(30, 'A') +
             "\",\"" + std::string(24, 'B') + "漢\"\r\r\n",
         Record("ｱカタカナカタカナカ", "NNNNNNNNNNNNNNNNNNNN", "AAAAAAAAAAAAAAAAAAAAAAAAA",
                "BBBBBBBBBBBBBBBBBBBBBBBB")},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string folder = Folder();
        ASSERT_TRUE(WriteBytes(folder + "\\mstKORTX302.ini", c.file));
        int error = -1;
        const auto record = CRequesterStore(folder).ReadEntry(&error);
        ExpectRecord(record.get(), c.expected);
        EXPECT_EQ(error, -1);
    }
}

TEST(TaxRequesterStore, AFileThatCannotBeReadGivesNoRecordAndTheSystemsCode) {
    int error = 0;
    EXPECT_EQ(CRequesterStore(Folder()).ReadEntry(&error), nullptr);
    EXPECT_EQ(error, ERROR_FILE_NOT_FOUND);
}

TEST(TaxRequesterStore, WrittenLineEndsInCrCrLfAndReadsBack) {
    const std::string folder = Folder();
    const CRequesterStore store(folder);
    const CRequesterInfo record = Record("ｶ)ﾔﾏﾀﾞｼｮｳｼﾞ", "", "ﾄｳｷｮｳﾄ ﾁﾖﾀﾞｸ", "ｱ\"ｲ");
    EXPECT_EQ(store.WriteEntry(record), 1);
    EXPECT_EQ(ReadBytes(folder + "\\mstKORTX302.ini"),
              "\"ｶ)ﾔﾏﾀﾞｼｮｳｼﾞ\",\"\",\"ﾄｳｷｮｳﾄ ﾁﾖﾀﾞｸ\",\"ｱ\"\"ｲ\"\r\r\n");
    ExpectRecord(store.ReadEntry().get(), record);
    EXPECT_EQ(FolderEntries(folder + "\\"), std::vector<std::string>{"mstKORTX302.ini"});
}

TEST(TaxRequesterStore, RefusedWritesLeaveTheFileAlone) {
    const std::string folder = Folder();
    const std::string old = "\"ｱｲｳ\",\"\",\"ﾄｳｷｮｳ\",\"\"\r\r\n";
    ASSERT_TRUE(WriteBytes(folder + "\\mstKORTX302.ini", old));
    const CRequesterStore store(folder);
    for (const CRequesterInfo& r : {Record("", "", "", ""), Record("ｱ\r\nｲ", "", "", "")}) {
        int error = -1;
        EXPECT_EQ(store.WriteEntry(r, &error), 0);
        EXPECT_EQ(error, -1);
    }
    EXPECT_EQ(ReadBytes(folder + "\\mstKORTX302.ini"), old);
    // An all-empty record and no file: still nothing written.
    EXPECT_EQ(CRequesterStore(folder + "\\none").WriteEntry(Record("", "", "", "")), 0);
}

TEST(TaxRequesterStore, AFailedWriteKeepsTheOldFile) {
    const std::string folder = Folder();
    const std::string path = folder + "\\mstKORTX302.ini";
    const std::string old = "\"ｱｲｳ\",\"\",\"ﾄｳｷｮｳ\",\"\"\r\r\n";
    ASSERT_TRUE(WriteBytes(path, old));
    ASSERT_TRUE(SetFileAttributesW(kor::ToWide(path).c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(CRequesterStore(folder).WriteEntry(Record("ﾆｭｰ", "", "", "")), 0);
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(FolderEntries(folder + "\\"), std::vector<std::string>{"mstKORTX302.ini"});
    SetFileAttributesW(kor::ToWide(path).c_str(), FILE_ATTRIBUTE_NORMAL);
    // A folder that does not exist.
    EXPECT_EQ(CRequesterStore(folder + "\\missing").WriteEntry(Record("ﾆｭｰ", "", "", "")), 0);
}

}  // namespace
}  // namespace tx
