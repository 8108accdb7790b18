#pragma once
// An exception that reached a window procedure. No exception may cross a Win32 callback, so the
// procedure keeps it here instead: a modal dialog then ends, its DoModal throws the kept
// exception on to the code that ran it, and the application shows it once and ends the run.
#include <exception>

namespace kor {

// Keeps fault, unless one is kept already: the first one is the cause of the others.
void KeepRunFault(std::exception_ptr fault) noexcept;
bool HasRunFault() noexcept;
// The kept exception, no longer kept; null when there is none.
std::exception_ptr TakeRunFault() noexcept;
// Throws the kept exception, no longer kept; nothing when there is none.
void RethrowRunFault();

}  // namespace kor
