// The consignor master: its lines, the load that refuses a master it cannot keep whole, and the
// rewrites that change memory only once the file has been written.
#include "debit/ConsignorStore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/base/MasterText.h"
#include "common/base/StrUtil.h"
#include "debit/ConsignorLine.h"
#include "framework/Cp932.h"
#include "support/TestPaths.h"
#include "transfer/MasterStoreTest.h"

namespace {

using db::CConsignorInfo;
using db::CConsignorStore;
using kortest::ReadBytes;
using kortest::WriteBytes;
using Texts = std::vector<std::string>;

std::string Line(const Texts& fields) {
    return CMasterText::FormatFields(fields);
}

// The 7-field line of a consignor described by description.
std::string Full(const std::string& description) {
    return Line({"ｶ)ｲﾀｸ", "0123456789", "001", "ﾎﾝﾃﾝ", "1", "1234567", description});
}

Texts DescriptionsOf(const CConsignorStore& store) {
    Texts out;
    for (const auto& c : store.GetList()) out.push_back(c->description);
    return out;
}

CConsignorInfo Consignor(const char* name, const char* description) {
    CConsignorInfo c;
    CStrUtil::CopyToBuffer(name, c.name, 40);
    CStrUtil::CopyToBuffer("9876543210", c.code, 10);
    CStrUtil::CopyToBuffer("002", c.branchCode, 3);
    CStrUtil::CopyToBuffer("ｼﾃﾝ", c.branchName, 15);
    CStrUtil::CopyToBuffer("2", c.accountType, 1);
    CStrUtil::CopyToBuffer("7654321", c.accountNumber, 7);
    CStrUtil::CopyToBuffer(description, c.description, 74);
    return c;
}

using ConsignorStoreTest = xftest::MasterStoreTest<CConsignorStore>;

TEST_F(ConsignorStoreTest, Loads) {
    struct Case {
        const char* name;
        std::string text;
        Texts descriptions;
    };
    const Case cases[] = {
        {"empty file", "", {}},
        {"7 and 6 fields",
         Full("甲") + "\r\n" + Line({"ｵﾂ", "1", "2", "3", "9", "4"}) + "\r\n",
         {"甲", "ｵﾂ"}},
        {"last line without CR LF", Full("甲") + "\r\n" + Full("乙"), {"甲", "乙"}},
        {"fields filled to their widths",
         Line({std::string(40, 'A'), std::string(10, '1'), "123", std::string(15, 'B'), "1",
               "1234567", std::string(37, 'X') + "説明"}) +
             "\r\n",
         {std::string(37, 'X') + "説明"}},
    };
    for (const Case& c : cases) {
        CConsignorStore fresh;
        ASSERT_TRUE(WriteBytes(path, c.text));
        EXPECT_EQ(fresh.Load(path), 1) << c.name;
        EXPECT_EQ(DescriptionsOf(fresh), c.descriptions) << c.name;
        for (size_t i = 0; i < fresh.GetList().size(); ++i)
            EXPECT_EQ(fresh.GetList()[i]->index, static_cast<int>(i)) << c.name;
    }
    EXPECT_EQ(store.Load(dir + "missing.ini"), 0);
}

// A 6-field line stays as it was read while other consignors change; only its own update
// stores it with 7 fields.
TEST_F(ConsignorStoreTest, ASixFieldLineIsKeptUntilItsOwnUpdateWritesSevenFields) {
    const std::string six = Line({"ｱ", "0000000001", "001", "ﾎ", "1", "1"});
    ASSERT_EQ(LoadFrom(six + "\r\n" + Full("乙") + "\r\n"), 1);
    const CConsignorInfo& old = *store.GetList()[0];
    EXPECT_STREQ(old.description, "ｱ");
    EXPECT_STREQ(old.code, "0000000001");
    EXPECT_STREQ(old.accountNumber, "1");
    const CConsignorInfo changed = Consignor("ﾍﾝｺｳ", "乙2");
    ASSERT_EQ(store.Update(1, changed, 0), 1);
    const std::string changedLine = *db::FormatConsignorLine(changed);
    EXPECT_EQ(ReadBytes(path), six + "\r\n" + changedLine + "\r\n");
    const CConsignorInfo added = Consignor("ｼﾝｷ", "新規");
    ASSERT_EQ(store.Update(2, added, CConsignorStore::kAppend), 1);
    ASSERT_EQ(store.Delete(2), 1);
    EXPECT_EQ(ReadBytes(path), six + "\r\n" + changedLine + "\r\n");

    const CConsignorInfo first = Consignor("ｱ", "ｱ");
    ASSERT_EQ(store.Update(0, first, 0), 1);
    EXPECT_EQ(ReadBytes(path), *db::FormatConsignorLine(first) + "\r\n" + changedLine + "\r\n");
}

TEST_F(ConsignorStoreTest, ALastLineWithoutCrLfIsKeptAndEndedByTheNextRewrite) {
    ASSERT_EQ(LoadFrom(Full("甲") + "\r\n" + Full("乙")), 1);
    const CConsignorInfo added = Consignor("ｼﾝｷ", "新規");
    ASSERT_EQ(store.Update(2, added, CConsignorStore::kAppend), 1);
    EXPECT_EQ(ReadBytes(path),
              Full("甲") + "\r\n" + Full("乙") + "\r\n" + *db::FormatConsignorLine(added) + "\r\n");
}

TEST_F(ConsignorStoreTest, AMasterThatCannotBeKeptWholeFailsToLoadAndIsNeverRewritten) {
    const std::string tooLong = Full("甲");
    struct Case {
        const char* name;
        std::string bad;
    };
    const Case cases[] = {
        {"5 fields", Line({"ｱ", "0000000001", "001", "ﾎ", "1"})},
        {"8 fields", Line({"ｱ", "0000000001", "001", "ﾎ", "1", "1", "説明", "1"})},
        {"empty line", ""},
        {"code longer than 10", Line({"ｱ", "01234567890", "001", "ﾎ", "1", "1", "説明"})},
        // 73 bytes and a double-byte character: 75 bytes where 74 fit.
        {"description longer than 74 bytes",
         Line({"ｱ", "0123456789", "001", "ﾎ", "1", "1", std::string(73, 'X') + "説"})},
    };
    for (const Case& c : cases) {
        SetUp();
        const std::string text = Full("甲") + "\r\n" + c.bad + "\r\n" + Full("乙") + "\r\n";
        EXPECT_EQ(LoadFrom(text), 0) << c.name;
        EXPECT_TRUE(store.GetList().empty()) << c.name;
        EXPECT_EQ(store.Update(0, Consignor("ｼﾝｷ", "新規"), CConsignorStore::kAppend), 0) << c.name;
        EXPECT_EQ(store.Update(0, Consignor("ｼﾝｷ", "新規"), 0), 0) << c.name;
        EXPECT_EQ(store.Delete(0), 0) << c.name;
        EXPECT_EQ(ReadBytes(path), text) << c.name;
    }
    // A good master loads again into the same store.
    ASSERT_EQ(LoadFrom(Full("甲") + "\r\n"), 1);
    EXPECT_EQ(store.Update(1, Consignor("ｼﾝｷ", "新規"), CConsignorStore::kAppend), 1);
}

TEST_F(ConsignorStoreTest, UpdateAddsOrReplacesAndRewritesTheFile) {
    ASSERT_EQ(LoadFrom(Full("甲") + "\r\n"), 1);
    const CConsignorInfo added = Consignor("ｼﾝｷ", "新規");
    ASSERT_EQ(store.Update(1, added, CConsignorStore::kAppend), 1);
    ASSERT_EQ(store.GetList().size(), 2u);
    EXPECT_EQ(store.GetList()[1]->index, 1);
    EXPECT_STREQ(store.GetList()[1]->code, "9876543210");
    EXPECT_EQ(ReadBytes(path),
              Full("甲") + "\r\n" +
                  Line({"ｼﾝｷ", "9876543210", "002", "ｼﾃﾝ", "2", "7654321", "新規"}) + "\r\n");

    CConsignorInfo replacement = Consignor("ｶｴﾀ", "甲改");
    replacement.index = 42;
    ASSERT_EQ(store.Update(0, replacement, 0), 1);
    EXPECT_EQ(store.GetList()[0]->index, 0);  // the index field stays
    EXPECT_STREQ(store.GetList()[0]->name, "ｶｴﾀ");
    EXPECT_STREQ(store.GetList()[0]->description, "甲改");

    CConsignorStore again;
    ASSERT_EQ(again.Load(path), 1);
    EXPECT_EQ(DescriptionsOf(again), (Texts{"甲改", "新規"}));
    EXPECT_STREQ(again.GetList()[0]->accountType, "2");

    EXPECT_EQ(store.Update(2, replacement, 0), 0);
    EXPECT_EQ(store.Update(-1, replacement, 0), 0);
    EXPECT_EQ(store.Update(0, Consignor("ｱ", "引用\"符"), 0), 0);
    EXPECT_EQ(store.Delete(2), 0);
    EXPECT_EQ(DescriptionsOf(store), (Texts{"甲改", "新規"}));
}

TEST_F(ConsignorStoreTest, DeleteRemovesOnlyItsOwnLine) {
    // "BC" ends the description "ABC", and "XY" is there twice: deleting the second "XY" and
    // then "BC" leaves the others as they are.
    ASSERT_EQ(LoadFrom(Full("ABC") + "\r\n" + Full("XY") + "\r\n" + Full("BC") + "\r\n" +
                       Line({"ｿﾉﾀ", "1111111111", "", "", "9", "", "XY"}) + "\r\n"),
              1);
    ASSERT_EQ(store.Delete(3), 1);
    ASSERT_EQ(store.Delete(2), 1);
    EXPECT_EQ(DescriptionsOf(store), (Texts{"ABC", "XY"}));
    EXPECT_STREQ(store.GetList()[1]->code, "0123456789");
    EXPECT_EQ(ReadBytes(path), Full("ABC") + "\r\n" + Full("XY") + "\r\n");
}

TEST_F(ConsignorStoreTest, DeletingTheLastConsignorLeavesAnEmptyFile) {
    ASSERT_EQ(LoadFrom(Full("甲") + "\r\n"), 1);
    ASSERT_EQ(store.Delete(0), 1);
    EXPECT_TRUE(store.GetList().empty());
    EXPECT_TRUE(store.Lines().empty());
    EXPECT_EQ(ReadBytes(path), "");
}

TEST_F(ConsignorStoreTest, AMissingMasterIsCreatedByTheFirstUpdate) {
    EXPECT_EQ(store.Load(path), 0);
    const CConsignorInfo c = Consignor("ｼﾝｷ", "新規");
    ASSERT_EQ(store.Update(0, c, CConsignorStore::kAppend), 1);
    EXPECT_EQ(ReadBytes(path), *db::FormatConsignorLine(c) + "\r\n");
}

TEST_F(ConsignorStoreTest, AnEmptiedListRefusesChangesUntilTheNextLoad) {
    ASSERT_EQ(LoadFrom(Full("甲") + "\r\n"), 1);
    store.ClearList();
    EXPECT_EQ(store.Update(0, Consignor("ｼﾝｷ", "新規"), CConsignorStore::kAppend), 0);
    EXPECT_EQ(ReadBytes(path), Full("甲") + "\r\n");
}

TEST_F(ConsignorStoreTest, FailedWritesChangeNothing) {
    const std::string text = Full("甲") + "\r\n" + Full("乙") + "\r\n";
    for (const xftest::WriteBlock& c : xftest::kWriteBlocks) {
        SetUp();
        ASSERT_EQ(LoadFrom(text), 1);
        c.block(kor::ToWide(path));
        EXPECT_EQ(store.Update(2, Consignor("ｼﾝｷ", "新規"), CConsignorStore::kAppend), 0) << c.name;
        EXPECT_EQ(store.Update(0, Consignor("ｼﾝｷ", "新規"), 0), 0) << c.name;
        EXPECT_EQ(store.Delete(0), 0) << c.name;
        EXPECT_EQ(DescriptionsOf(store), (Texts{"甲", "乙"})) << c.name;
        EXPECT_STREQ(store.GetList()[0]->name, "ｶ)ｲﾀｸ") << c.name;
        EXPECT_EQ(store.Lines(), (Texts{Full("甲"), Full("乙")})) << c.name;
        SetFileAttributesW(kor::ToWide(path).c_str(), FILE_ATTRIBUTE_NORMAL);
        if (std::string(c.name) == "read-only master") {
            EXPECT_EQ(ReadBytes(path), text);
        }
        // Once the file can be written again, the same change goes through.
        RemoveDirectoryW(kor::ToWide(path).c_str());
        EXPECT_EQ(store.Delete(0), 1) << c.name;
        EXPECT_EQ(ReadBytes(path), Full("乙") + "\r\n") << c.name;
    }
}

}  // namespace
