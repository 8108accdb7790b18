#pragma once
// Keeping the text of an EDIT within a limit in CP932 bytes, which is what the records and
// masters hold (EM_LIMITTEXT counts UTF-16 units). A character that CP932 cannot hold is
// refused, and a double-byte character that would pass the limit is refused whole.
#include <windows.h>

#include <string>
#include <string_view>

namespace kor {

// Bytes of the text in CP932.
int Cp932Bytes(std::wstring_view text);
// How many UTF-16 units from the start of insert fit into room bytes, stopping before the first
// character that CP932 cannot hold. room < 0: no limit.
size_t FittingUnits(std::wstring_view insert, int room);
// The text of a window.
std::wstring WindowTextOf(HWND window);
// Room left in edit for an insertion that replaces its selection; -1 when limit is 0 (none).
int RoomForInsertion(HWND edit, int limit);
// Replaces the selection of edit with as much of text as fits (a beep when not all of it).
void InsertFitting(HWND edit, std::wstring_view text, int limit);
// Pastes the first line of the clipboard's text into edit, as much of it as fits.
void PasteFitting(HWND edit, int limit);

}  // namespace kor
