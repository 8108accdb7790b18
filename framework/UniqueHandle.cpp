#include "framework/UniqueHandle.h"

#include <winspool.h>

namespace kor::handle_traits {

void Printer::Close(Handle h) noexcept {
    ClosePrinter(h);
}

}  // namespace kor::handle_traits
