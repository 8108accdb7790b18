#include "framework/Cp932.h"

#include <windows.h>

namespace kor {

namespace {
constexpr UINT kCodePage = 932;
}

std::wstring ToWide(std::string_view cp932) {
    if (cp932.empty()) return {};
    const int n =
        MultiByteToWideChar(kCodePage, 0, cp932.data(), static_cast<int>(cp932.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(kCodePage, 0, cp932.data(), static_cast<int>(cp932.size()), out.data(), n);
    return out;
}

std::string ToCp932(std::wstring_view wide) {
    if (wide.empty()) return {};
    const int n = WideCharToMultiByte(kCodePage, 0, wide.data(), static_cast<int>(wide.size()),
                                      nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(kCodePage, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n,
                        nullptr, nullptr);
    return out;
}

}  // namespace kor
