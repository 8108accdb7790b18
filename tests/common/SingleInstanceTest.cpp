// One instance at a time: the decision in this process, on mutex names of the test's own.
#include "common/base/SingleInstance.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/Cp932.h"
#include "framework/UniqueHandle.h"

namespace {

// Names no other test program uses.
std::wstring TestName(const wchar_t* what) {
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    return L"KorTest_" + std::to_wstring(GetCurrentProcessId()) + L"_" + kor::ToWide(test->name()) +
           L"_" + what;
}

bool Exists(const std::wstring& name) {
    const kor::UniqueKernelHandle mutex(OpenMutexW(SYNCHRONIZE, FALSE, name.c_str()));
    return static_cast<bool>(mutex);
}

TEST(SingleInstance, CreateOwnedMutexSaysWhetherTheMutexExistedAndKeepsIt) {
    const std::wstring name = TestName(L"m");
    EXPECT_FALSE(Exists(name));
    EXPECT_EQ(kor::CreateOwnedMutex(name.c_str()), 1);
    EXPECT_TRUE(Exists(name));  // held after the call
    EXPECT_EQ(kor::CreateOwnedMutex(name.c_str()), 0);
}

TEST(SingleInstance, TheFirstInstanceRunsAndTakesOnlyItsOwnMutex) {
    const std::wstring own = TestName(L"own"), import = TestName(L"import");
    EXPECT_EQ(kor::DecideStart(own.c_str(), import.c_str()), kor::StartDecision::kRun);
    EXPECT_TRUE(Exists(own));
    EXPECT_FALSE(Exists(import));
}

TEST(SingleInstance, ASecondInstanceEndsSilently) {
    const std::wstring own = TestName(L"own"), import = TestName(L"import");
    const kor::UniqueKernelHandle first(CreateMutexW(nullptr, TRUE, own.c_str()));
    EXPECT_EQ(kor::DecideStart(own.c_str(), import.c_str()), kor::StartDecision::kEndSilently);
}

TEST(SingleInstance, AnInstanceWhileTheImportToolRunsIsRefused) {
    const std::wstring own = TestName(L"own"), import = TestName(L"import");
    const kor::UniqueKernelHandle first(CreateMutexW(nullptr, TRUE, own.c_str()));
    const kor::UniqueKernelHandle tool(CreateMutexW(nullptr, TRUE, import.c_str()));
    EXPECT_EQ(kor::DecideStart(own.c_str(), import.c_str()),
              kor::StartDecision::kImportToolRunning);
}

}  // namespace
