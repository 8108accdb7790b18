#pragma once
// The program's name, which plain boxes show as caption, and the version text that every screen
// of the local-tax tool shows beside its screen code.
namespace tx {
inline constexpr char kProgramName[] = "KorTx300";
inline constexpr char kScreenVersion[] = "(Ver4.01)";
}  // namespace tx
