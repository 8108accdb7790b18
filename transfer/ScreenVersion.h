#pragma once
// The version text that every screen of the transfer tool shows beside its screen code.
namespace xf {
inline constexpr char kScreenVersion[] = "(Ver4.11)";
}
