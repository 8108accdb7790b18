#pragma once
// Text inside the programs is CP932 (Shift-JIS) bytes. Windows are driven through the W API,
// so text crosses the window boundary here, with code page 932 named explicitly: the ANSI code
// page of the machine never matters.
#include <string>
#include <string_view>

namespace kor {

std::wstring ToWide(std::string_view cp932);
std::string ToCp932(std::wstring_view wide);

// True for a byte that starts a double-byte character in CP932.
constexpr bool IsSjisLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

}  // namespace kor
