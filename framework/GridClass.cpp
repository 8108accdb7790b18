#include "framework/GridClass.h"

namespace kor {

// The class is registered for the program's own module (or globally), so that is where the
// environment check looks for it.
bool IsGridClassRegistered() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    return GetClassInfoExW(GetModuleHandleW(nullptr), kGridClassName, &wc) != 0;
}

}  // namespace kor
