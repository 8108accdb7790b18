#pragma once
// The program's name, which plain boxes show as caption, and the version text that every screen
// of the transfer tool shows beside its screen code.
namespace xf {
inline constexpr char kProgramName[] = "Korxf300";
inline constexpr char kScreenVersion[] = "(Ver4.11)";
}  // namespace xf
