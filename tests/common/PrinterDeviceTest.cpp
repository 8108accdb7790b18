// The printer device: the default printer entry, the document name, the job's life on a
// stand-in printer that records every page in a metafile, page ranges, fonts and pens.
#include "common/base/PrinterDevice.h"

#include <gtest/gtest.h>
#include <winspool.h>

#include <string>
#include <vector>

#include "framework/Cp932.h"
#include "framework/MetafilePrinter.h"
#include "support/EmfRecords.h"

namespace {

using Calls = std::vector<std::string>;

TEST(PrinterDevice, DefaultPrinterEntry) {
    struct Case {
        const wchar_t* entry;
        const wchar_t* device;
        const wchar_t* driver;
        const wchar_t* port;
    };
    const Case cases[] = {
        {L"PDF,winspool,CUPS:PDF", L"PDF", L"winspool", L"CUPS:PDF"},
        {L"Laser 5,winspool,Ne01:,extra", L"Laser 5", L"winspool", L"Ne01:"},
        {L"OnlyAName", L"OnlyAName", L"", L""},
        {L",,,", L"", L"", L""},
        {L"", L"", L"", L""},
    };
    for (const Case& c : cases) {
        const CPrinterDevice::DeviceEntry e = CPrinterDevice::SplitDeviceEntry(c.entry);
        EXPECT_EQ(e.device, c.device) << kor::ToCp932(c.entry);
        EXPECT_EQ(e.driver, c.driver) << kor::ToCp932(c.entry);
        EXPECT_EQ(e.port, c.port) << kor::ToCp932(c.entry);
    }
}

TEST(PrinterDevice, DocumentNameIsCutToThirtyOneBytesOnACharacterBoundary) {
    const std::string a30(30, 'a');
    struct Case {
        std::string name;
        std::string kept;
    };
    const Case cases[] = {
        {"Ventrana", "Ventrana"},
        {a30 + "b", a30 + "b"},              // exactly 31 bytes
        {a30 + "b" + "振込", a30 + "b"},     // a character starts at byte 31
        {a30 + "振込", a30},                 // "振" would be split at byte 31
        {"a" + a30 + "c" + "d", "a" + a30},  // 31 single bytes of 33
        {std::string(29, 'a') + "表x" + "yz", std::string(29, 'a') + "表"},
        {"振込データ変換結果一覧表テスト用ですよ", "振込データ変換結果一覧表テスト"},
    };
    for (const Case& c : cases) {
        const std::string kept = CPrinterDevice::DocumentName(c.name);
        EXPECT_EQ(kept, c.kept) << c.name;
        EXPECT_LE(kept.size(), 31u);
    }
}

TEST(PrinterDevice, PageRange) {
    struct Case {
        int from, to, only;
        BOOL valid;
    };
    const Case cases[] = {{1, 3, 0, TRUE},  {3, 1, 0, FALSE}, {0, 3, 0, FALSE},
                          {1, 0, 0, FALSE}, {2, 2, 2, TRUE},  {1, 3, 2, FALSE},
                          {2, 2, 0, TRUE},  {2, 2, 3, FALSE}, {-1, 2, 0, FALSE}};
    CPrinterDevice device;
    for (const Case& c : cases)
        EXPECT_EQ(device.CheckPageRange(c.from, c.to, c.only), c.valid)
            << c.from << ".." << c.to << " only " << c.only;
}

class PrinterDeviceJob : public testing::Test {
protected:
    kor::CMetafilePrinter printer;
    kor::ScopedPrinterStandIn standIn{printer};
};

TEST_F(PrinterDeviceJob, NoPrinterOrOneThatCannotBeOpened) {
    for (bool has : {false, true}) {
        kor::CMetafilePrinter none(has, false);
        kor::ScopedPrinterStandIn use(none);
        CPrinterDevice device;
        EXPECT_EQ(kor::HasDefaultPrinter(), has);
        EXPECT_FALSE(device.OpenDefaultPrinter());
        EXPECT_EQ(device.GetDC(), nullptr);
        EXPECT_FALSE(device.SetPaper(DMORIENT_LANDSCAPE, DMPAPER_A4));
        EXPECT_LE(device.StartDoc("Ventrana"), 0);
        EXPECT_LT(device.EndDoc(), 0);
        EXPECT_EQ(none.Calls(), Calls{"Open"});
    }
}

TEST_F(PrinterDeviceJob, AClosedJobKeepsItsPagesNameAndPaper) {
    {
        CPrinterDevice device;
        ASSERT_TRUE(device.OpenDefaultPrinter());
        EXPECT_NE(device.GetDC(), nullptr);
        EXPECT_TRUE(device.SetPaper(DMORIENT_LANDSCAPE, DMPAPER_A4));
        EXPECT_GT(device.StartDoc("振込データ変換結果一覧表テスト用ですよ"), 0);
        EXPECT_TRUE(device.JobOpen());
        for (int page = 0; page < 2; ++page) {
            EXPECT_GT(device.StartPage(), 0);
            device.TextAt(10, 20, "頁");
            EXPECT_GT(device.EndPage(), 0);
        }
        EXPECT_GE(device.EndDoc(), 0);
        EXPECT_FALSE(device.JobOpen());
        EXPECT_EQ(device.GetDC(), nullptr);
    }
    EXPECT_EQ(printer.Calls(), (Calls{"Open", "Reset", "StartDoc", "StartPage", "EndPage",
                                      "StartPage", "EndPage", "EndDoc", "Close"}));
    ASSERT_EQ(printer.Jobs().size(), 1u);
    const auto& job = printer.Jobs()[0];
    EXPECT_EQ(kor::ToCp932(job.documentName), "振込データ変換結果一覧表テスト");
    EXPECT_EQ(job.orientation, DMORIENT_LANDSCAPE);
    EXPECT_EQ(job.paperSize, DMPAPER_A4);
    ASSERT_EQ(job.pages.size(), 2u);
    const kortest::DrawnPage page = kortest::ReadPage(job.pages[1].get());
    ASSERT_EQ(page.texts.size(), 1u);
    EXPECT_EQ(page.texts[0].text, "頁");
    EXPECT_EQ(page.texts[0].x, 10);
    EXPECT_EQ(page.texts[0].y, 20);
}

TEST_F(PrinterDeviceJob, AJobLeftOpenIsAbandonedWithTheDevice) {
    {
        CPrinterDevice device;
        ASSERT_TRUE(device.OpenDefaultPrinter());
        ASSERT_GT(device.StartDoc("Ventrana"), 0);
        device.StartPage();
    }
    EXPECT_EQ(printer.Calls(), (Calls{"Open", "StartDoc", "StartPage", "AbortDoc", "Close"}));
}

TEST_F(PrinterDeviceJob, ADeviceWithoutAJobIsOnlyClosed) {
    {
        CPrinterDevice device;
        ASSERT_TRUE(device.OpenDefaultPrinter());
    }
    EXPECT_EQ(printer.Calls(), (Calls{"Open", "Close"}));
}

TEST_F(PrinterDeviceJob, BeginAndFinishPageInsideTheRange) {
    struct Case {
        int from, to, page, cancelled;
        int begin, finish;
    };
    const Case cases[] = {
        {1, 3, 1, 0, 1, 2}, {1, 3, 2, 0, 2, 2}, {1, 3, 3, 0, 2, 3}, {2, 2, 2, 0, 1, 3},
        {1, 3, 4, 0, 0, 0}, {2, 3, 1, 0, 0, 0}, {1, 3, 2, 1, 0, 0},
    };
    for (const Case& c : cases) {
        kor::CMetafilePrinter pages;
        kor::ScopedPrinterStandIn use(pages);
        CPrinterDevice device;
        ASSERT_TRUE(device.OpenDefaultPrinter());
        ASSERT_GT(device.StartDoc("Ventrana"), 0);
        EXPECT_EQ(device.BeginPage(c.from, c.to, c.page, c.cancelled), c.begin) << c.page;
        EXPECT_EQ(device.FinishPage(c.from, c.to, c.page, c.cancelled), c.finish) << c.page;
        device.EndDoc();
        EXPECT_EQ(pages.Jobs()[0].pages.size(), c.begin ? 1u : 0u) << c.page;
    }
}

TEST_F(PrinterDeviceJob, FontsAndPensLastForTheirScope) {
    CPrinterDevice device;
    ASSERT_TRUE(device.OpenDefaultPrinter());
    ASSERT_GT(device.StartDoc("Ventrana"), 0);
    device.StartPage();
    const HDC dc = device.GetDC();
    const HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
    const HGDIOBJ pen = GetCurrentObject(dc, OBJ_PEN);
    {
        const auto selected = device.SelectPointFont(120, "ＭＳ 明朝");
        EXPECT_EQ(selected.Previous(), font);
        EXPECT_NE(GetCurrentObject(dc, OBJ_FONT), font);
        device.TextAt(0, 0, "明朝");
        const auto dotted = device.SelectPen(PS_DOT, 0, RGB(0, 0, 0));
        EXPECT_EQ(dotted.Previous(), pen);
        device.Line(0, 5, 100, 5);
    }
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
    device.EndPage();
    device.EndDoc();

    const kortest::DrawnPage page = kortest::ReadPage(printer.Jobs()[0].pages[0].get());
    ASSERT_EQ(page.texts.size(), 1u);
    EXPECT_EQ(page.texts[0].face, "ＭＳ 明朝");
    // 12 points on the reference device.
    kor::UniqueDC screen(CreateCompatibleDC(nullptr));
    EXPECT_EQ(page.texts[0].height, -MulDiv(GetDeviceCaps(screen.get(), LOGPIXELSY), 120, 720));
    ASSERT_EQ(page.lines.size(), 1u);
    EXPECT_EQ(page.lines[0].penStyle, PS_DOT);
    EXPECT_EQ(page.lines[0].x1, 100);
}

TEST(PrinterDevice, PrintRect) {
    RECT r = {};
    CPrinterDevice::SetPrintRect(r, 1, 2, 3, 4);
    EXPECT_EQ(r.left, 1);
    EXPECT_EQ(r.top, 2);
    EXPECT_EQ(r.right, 3);
    EXPECT_EQ(r.bottom, 4);
}

// Without a stand-in the device asks the system; a test machine has no printer (the spooler
// check of tools/print-check.sh prints on a real one).
TEST(PrinterDevice, TheSystemWithoutPrinters) {
    DWORD needed = 0;
    DWORD count = 0;
    EnumPrintersW(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 2, nullptr, 0, &needed,
                  &count);
    if (needed > 0) GTEST_SKIP() << "this system has printers";
    EXPECT_FALSE(kor::HasDefaultPrinter());
    CPrinterDevice device;
    EXPECT_FALSE(device.OpenDefaultPrinter());
}

}  // namespace
