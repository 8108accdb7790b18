#include "transfer/RequesterStore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MasterStoreTest.h"
#include "common/base/MasterText.h"
#include "common/base/StrUtil.h"
#include "framework/Cp932.h"
#include "support/TestPaths.h"
#include "transfer/RequesterLine.h"

namespace {

using kortest::ReadBytes;
using kortest::WriteBytes;
using xf::CRequesterInfo;
using xf::CRequesterStore;
using Texts = std::vector<std::string>;

std::string Line(const Texts& fields) {
    return CMasterText::FormatFields(fields);
}

// The 8-field line of a requester described by description.
std::string Full(const std::string& description, const char* code = "0123456789") {
    return Line({"ｶ)ﾃｽﾄ", "001", "ﾎﾝﾃﾝ", "1", "1234567", description, code, "1"});
}

Texts DescriptionsOf(const CRequesterStore& store) {
    Texts out;
    for (const auto& r : store.GetList()) out.push_back(r->description);
    return out;
}

CRequesterInfo Requester(const char* name, const char* description) {
    CRequesterInfo r;
    CStrUtil::CopyToBuffer(name, r.name, 40);
    CStrUtil::CopyToBuffer("002", r.branchCode, 3);
    CStrUtil::CopyToBuffer("ｼﾃﾝ", r.branchName, 15);
    CStrUtil::CopyToBuffer("2", r.accountType, 1);
    CStrUtil::CopyToBuffer("7654321", r.accountNumber, 7);
    CStrUtil::CopyToBuffer(description, r.description, 74);
    CStrUtil::CopyToBuffer("2", r.transferKind, 1);
    return r;
}

using RequesterStoreTest = xftest::MasterStoreTest<CRequesterStore>;

TEST_F(RequesterStoreTest, Loads) {
    struct Case {
        const char* name;
        std::string text;
        Texts descriptions;
        std::vector<int> indexes;
    };
    const Case cases[] = {
        {"empty file", "", {}, {}},
        {"8 and 5 fields",
         Full("甲") + "\r\n" + Line({"ｵﾂ", "1", "2", "1", "3"}) + "\r\n",
         {"甲", "ｵﾂ"},
         {0, 1}},
        {"empty description is the name", Full("") + "\r\n", {"ｶ)ﾃｽﾄ"}, {0}},
        {"lines of other field counts make no requester",
         Line({"a", "b", "c", "d", "e", "f"}) + "\r\n" + Full("乙") + "\r\n\r\n",
         {"乙"},
         {1}},
        {"last line without CR LF", Full("甲") + "\r\n" + Full("乙"), {"甲", "乙"}, {0, 1}},
    };
    for (const Case& c : cases) {
        CRequesterStore fresh;
        ASSERT_TRUE(WriteBytes(path, c.text));
        EXPECT_EQ(fresh.Load(path), 1) << c.name;
        EXPECT_EQ(DescriptionsOf(fresh), c.descriptions) << c.name;
        std::vector<int> indexes;
        for (const auto& r : fresh.GetList()) indexes.push_back(r->index);
        EXPECT_EQ(indexes, c.indexes) << c.name;
    }
    EXPECT_EQ(store.Load(dir + "missing.ini"), 0);
}

TEST_F(RequesterStoreTest, FiveFieldLinesAreWrittenWithEightFields) {
    ASSERT_EQ(LoadFrom(Line({"ｱ", "001", "ﾎ", "1", "1"}) + "\r\n" +
                       Line({"ｲ", "002", "ｼ", "2", "2"}) + "\r\n"),
              1);
    const CRequesterInfo r = *store.GetList()[1];
    ASSERT_EQ(store.Update(1, r, 0), 1);
    EXPECT_EQ(ReadBytes(path), Line({"ｱ", "001", "ﾎ", "1", "1", "ｱ", "", ""}) + "\r\n" +
                                   Line({"ｲ", "002", "ｼ", "2", "2", "ｲ", "", ""}) + "\r\n");
}

TEST_F(RequesterStoreTest, LinesNotUnderstoodAreWrittenBackAsTheyStand) {
    const std::string six = Line({"a", "b", "c", "d", "e", "f"});
    const std::string odd = "ﾒﾓ 不明な行";
    ASSERT_EQ(LoadFrom(Full("甲") + "\r\n" + six + "\r\n" + odd + "\r\n" + Full("乙")), 1);
    ASSERT_EQ(DescriptionsOf(store), (Texts{"甲", "乙"}));

    // Replacing the second requester changes its own line, the fourth.
    ASSERT_EQ(store.Update(1, Requester("ﾍﾝｺｳ", "乙2"), 0), 1);
    const std::string changed = *xf::FormatRequesterLine(Requester("ﾍﾝｺｳ", "乙2"));
    EXPECT_EQ(ReadBytes(path),
              Full("甲") + "\r\n" + six + "\r\n" + odd + "\r\n" + changed + "\r\n");

    ASSERT_EQ(store.Delete(0), 1);
    EXPECT_EQ(ReadBytes(path), six + "\r\n" + odd + "\r\n" + changed + "\r\n");
    EXPECT_EQ(DescriptionsOf(store), Texts{"乙2"});
    ASSERT_EQ(store.Delete(0), 1);
    EXPECT_EQ(ReadBytes(path), six + "\r\n" + odd + "\r\n");
}

TEST_F(RequesterStoreTest, UpdateAddsOrReplacesAndRewritesTheFile) {
    ASSERT_EQ(LoadFrom(Full("甲") + "\r\n"), 1);
    const CRequesterInfo added = Requester("ｼﾝｷ", "新規");
    ASSERT_EQ(store.Update(1, added, CRequesterStore::kAppend), 1);
    ASSERT_EQ(store.GetList().size(), 2u);
    EXPECT_EQ(store.GetList()[1]->index, 1);
    EXPECT_STREQ(store.GetList()[1]->name, "ｼﾝｷ");
    EXPECT_EQ(ReadBytes(path), Full("甲") + "\r\n" + *xf::FormatRequesterLine(added) + "\r\n");

    CRequesterInfo replacement = Requester("ｶｴﾀ", "甲改");
    replacement.index = 42;
    ASSERT_EQ(store.Update(0, replacement, 0), 1);
    EXPECT_EQ(store.GetList()[0]->index, 0);  // the index field stays
    EXPECT_STREQ(store.GetList()[0]->description, "甲改");
    EXPECT_STREQ(store.GetList()[0]->transferKind, "2");

    CRequesterStore again;
    ASSERT_EQ(again.Load(path), 1);
    EXPECT_EQ(DescriptionsOf(again), (Texts{"甲改", "新規"}));

    EXPECT_EQ(store.Update(2, replacement, 0), 0);
    EXPECT_EQ(store.Update(-1, replacement, 0), 0);
    EXPECT_EQ(store.Delete(2), 0);
    EXPECT_EQ(store.GetList().size(), 2u);
}

TEST_F(RequesterStoreTest, DeleteKeepsTheOtherDescriptions) {
    // "BC" ends the description "ABC": deleting it must leave "ABC" and "XY" as they are.
    ASSERT_EQ(LoadFrom(Full("ABC") + "\r\n" + Full("XY") + "\r\n" + Full("BC") + "\r\n"), 1);
    ASSERT_EQ(store.Delete(2), 1);
    EXPECT_EQ(DescriptionsOf(store), (Texts{"ABC", "XY"}));
    EXPECT_EQ(ReadBytes(path), Full("ABC") + "\r\n" + Full("XY") + "\r\n");
}

TEST_F(RequesterStoreTest, DeletingTheOnlyRequesterLeavesAnEmptyFile) {
    ASSERT_EQ(LoadFrom(Full("甲") + "\r\n"), 1);
    ASSERT_EQ(store.Delete(0), 1);
    EXPECT_TRUE(store.GetList().empty());
    EXPECT_EQ(ReadBytes(path), "");
}

TEST_F(RequesterStoreTest, AFieldThatALineCannotCarryIsRefused) {
    ASSERT_EQ(LoadFrom(Full("甲") + "\r\n"), 1);
    EXPECT_EQ(store.Update(1, Requester("ｱ", "引用\"符"), CRequesterStore::kAppend), 0);
    EXPECT_EQ(store.GetList().size(), 1u);
    EXPECT_EQ(ReadBytes(path), Full("甲") + "\r\n");
}

TEST_F(RequesterStoreTest, AnEmptiedListRefusesChangesUntilTheNextLoad) {
    ASSERT_EQ(LoadFrom(Full("甲") + "\r\n"), 1);
    store.ClearList();
    EXPECT_EQ(store.Update(0, Requester("ｼﾝｷ", "新規"), CRequesterStore::kAppend), 0);
    EXPECT_EQ(ReadBytes(path), Full("甲") + "\r\n");
    ASSERT_EQ(store.Load(path), 1);
    EXPECT_EQ(store.Update(1, Requester("ｼﾝｷ", "新規"), CRequesterStore::kAppend), 1);
}

TEST_F(RequesterStoreTest, AMissingMasterIsCreatedByTheFirstUpdate) {
    EXPECT_EQ(store.Load(path), 0);
    const CRequesterInfo r = Requester("ｼﾝｷ", "新規");
    ASSERT_EQ(store.Update(0, r, CRequesterStore::kAppend), 1);
    EXPECT_EQ(ReadBytes(path), *xf::FormatRequesterLine(r) + "\r\n");
}

TEST_F(RequesterStoreTest, FailedWritesChangeNothing) {
    const std::string text = Full("甲") + "\r\n" + Full("乙") + "\r\n";
    for (const xftest::WriteBlock& c : xftest::kWriteBlocks) {
        SetUp();
        ASSERT_EQ(LoadFrom(text), 1);
        c.block(kor::ToWide(path));
        EXPECT_EQ(store.Update(2, Requester("ｼﾝｷ", "新規"), CRequesterStore::kAppend), 0) << c.name;
        EXPECT_EQ(store.Update(0, Requester("ｼﾝｷ", "新規"), 0), 0) << c.name;
        EXPECT_EQ(store.Delete(0), 0) << c.name;
        EXPECT_EQ(DescriptionsOf(store), (Texts{"甲", "乙"})) << c.name;
        EXPECT_EQ(store.Lines(), (Texts{Full("甲"), Full("乙")})) << c.name;
        SetFileAttributesW(kor::ToWide(path).c_str(), FILE_ATTRIBUTE_NORMAL);
        if (std::string(c.name) == "read-only master") {
            EXPECT_EQ(ReadBytes(path), text);
        }
    }
}

}  // namespace
