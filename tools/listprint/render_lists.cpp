// Prints the three lists of a tool's sample data set on a stand-in printer and writes every
// page as an enhanced metafile and as a bitmap at twice the reference resolution, for a person
// to look at: render_lists xf|db|tx OUTPUT-FOLDER, pages named <tool>-<list>-<page>
// (tools/render-lists.sh turns the bitmaps into PNG files).
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "framework/App.h"
#include "framework/Cp932.h"
#include "framework/MetafilePrinter.h"
#include "framework/UniqueHandle.h"
#include "tools/listprint/ListRuns.h"

namespace {

constexpr int kScale = 2;

bool WriteBitmap(const std::wstring& path, int width, int height, const void* bits) {
    const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof(info);
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + stride * static_cast<DWORD>(height);
    kor::UniqueFile out(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!out) return false;
    DWORD written = 0;
    return WriteFile(out.get(), &file, sizeof(file), &written, nullptr) &&
           WriteFile(out.get(), &info, sizeof(info), &written, nullptr) &&
           WriteFile(out.get(), bits, stride * static_cast<DWORD>(height), &written, nullptr);
}

// The page on white at kScale times the size of its frame on the reference device.
bool RenderPage(HENHMETAFILE page, const std::wstring& path) {
    ENHMETAHEADER header = {};
    GetEnhMetaFileHeader(page, sizeof(header), &header);
    const int width = MulDiv(header.rclFrame.right - header.rclFrame.left,
                             header.szlDevice.cx * kScale, header.szlMillimeters.cx * 100);
    const int height = MulDiv(header.rclFrame.bottom - header.rclFrame.top,
                              header.szlDevice.cy * kScale, header.szlMillimeters.cy * 100);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    kor::UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    kor::UniqueDC dc(CreateCompatibleDC(nullptr));
    if (!bitmap || !dc) return false;
    kor::ScopedSelect select(dc.get(), bitmap.get());
    const RECT all = {0, 0, width, height};
    FillRect(dc.get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    PlayEnhMetaFile(dc.get(), page, &all);
    GdiFlush();
    return WriteBitmap(path, width, height, bits);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const listprint::Tool* tool = argc == 3 ? listprint::FindTool(argv[1]) : nullptr;
    if (!tool) {
        std::fprintf(stderr, "usage: render_lists xf|db|tx OUTPUT-FOLDER\n");
        return 2;
    }
    kor::InitCommonControlClasses();
    const std::wstring folder = std::wstring(argv[2]) + L"\\";
    int status = 0;
    for (const listprint::List& list : listprint::kLists) {
        kor::CMetafilePrinter printer;
        kor::ScopedPrinterStandIn use(printer);
        if (!tool->print(list.kind, listprint::Sample::kLook)) {
            std::fprintf(stderr, "render_lists: %ls was not printed\n", list.name);
            status = 1;
            continue;
        }
        const auto& pages = printer.Jobs().at(0).pages;
        for (size_t i = 0; i < pages.size(); ++i) {
            const std::wstring base =
                folder + tool->word + L"-" + list.name + L"-" + std::to_wstring(i + 1);
            kor::UniqueEnhMetaFile copy(CopyEnhMetaFileW(pages[i].get(), (base + L".emf").c_str()));
            if (!copy || !RenderPage(pages[i].get(), base + L".bmp")) {
                std::fprintf(stderr, "render_lists: %ls could not be written\n", base.c_str());
                status = 1;
            }
        }
        std::printf("%ls-%ls: %u page(s)\n", tool->word, list.name,
                    static_cast<unsigned>(pages.size()));
    }
    return status;
}
