#include "framework/RunFault.h"

#include <utility>

namespace kor {

namespace {
// Per thread: each thread runs its own windows.
thread_local std::exception_ptr t_fault;
}  // namespace

void KeepRunFault(std::exception_ptr fault) noexcept {
    if (!t_fault) t_fault = std::move(fault);
}

bool HasRunFault() noexcept {
    return static_cast<bool>(t_fault);
}

std::exception_ptr TakeRunFault() noexcept {
    return std::exchange(t_fault, nullptr);
}

void RethrowRunFault() {
    if (std::exception_ptr fault = TakeRunFault()) std::rethrow_exception(fault);
}

}  // namespace kor
