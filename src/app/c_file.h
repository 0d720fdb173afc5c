// unique_cfile: the owner of a C run-time FILE stream, closed with fclose.
#pragma once

#include <cstdio>

#include "framework/unique_handle.h"

namespace lp {

using unique_cfile = unique_any<handle_traits::null_invalid<FILE*, ::fclose>>;

}  // namespace lp
