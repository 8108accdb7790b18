#pragma once
// The program's name, which plain boxes show as caption, and the version text that every screen
// of the direct-debit tool shows beside its screen code.
namespace db {
inline constexpr char kProgramName[] = "Kordb300";
inline constexpr char kScreenVersion[] = "(Ver4.11)";
}  // namespace db
