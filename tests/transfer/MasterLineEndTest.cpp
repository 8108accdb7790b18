// The transfer tool's pattern and requester masters with lines ended by LF alone.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MasterStoreTest.h"
#include "common/base/MasterText.h"
#include "support/TestPaths.h"
#include "transfer/PatternStore.h"
#include "transfer/RequesterLine.h"
#include "transfer/RequesterStore.h"

namespace {

using xftest::Fields;
using xftest::Line;

// A 40-field fixed-length pattern line named name.
std::string FixedLine(const std::string& name) {
    Fields f = {"01", "ｿｳｺﾞｳ", "3", name};
    for (int k = 0; k < 12; ++k) {
        f.push_back(std::to_string(1 + 10 * k));
        f.push_back("10");
    }
    for (const char* o : {"1", "1", "1", "120", "1", "2", "4", "9", "2", "0", "1", "2"})
        f.push_back(o);
    return Line(f);
}

TEST(TransferMasterLineEnds, APatternMasterWithLfLinesLoadsEveryPattern) {
    xftest::ExpectLfPatternLinesReadAsCrLf<xf::CPatternStore>(
        kortest::ScratchDirOfTest() + xf::CPatternStore::kFileName,
        {FixedLine("A"), FixedLine("B"), FixedLine("C")}, {"A", "B", "C"});
}

TEST(TransferMasterLineEnds, ARequesterMasterWithLfLinesLoadsEveryRequester) {
    const std::string path = kortest::ScratchDirOfTest() + xf::CRequesterStore::kFileName;
    const auto line = [](const char* description) {
        return Line({"ｶ)ﾃｽﾄ", "001", "ﾎﾝﾃﾝ", "1", "1234567", description, "0123456789", "1"});
    };
    xftest::ExpectLfLinesReadAsCrLf<xf::CRequesterStore>(
        path, {line("甲"), line("乙")}, 2, [](xf::CRequesterStore& s) {
            EXPECT_STREQ(s.GetList()[1]->description, "乙");
            xf::CRequesterInfo r = *s.GetList()[0];
            r.description[0] = 'X';
            r.description[1] = '\0';
            EXPECT_EQ(s.Update(0, r, 0), 1);
            return *xf::FormatRequesterLine(r);
        });
}

}  // namespace
