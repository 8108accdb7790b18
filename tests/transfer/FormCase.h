#pragma once
// The form case tables of the transfer tool's settings forms (support/FormCase.h).
#include "support/FormCase.h"

namespace xftest {

using kortest::CaseName;
using kortest::ExpectFirstFault;
using kortest::FormCase;

}  // namespace xftest
