// The program's built-in resources, compiled in by the target
// vantorn_builtin_resources (made by the asset generators in tools/assets).
#pragma once

#include "resource_library.h"

namespace vantorn::platform {

// The built-in library; parsed once, then shared (read-only, any thread).
const ResourceLibrary& builtinResourceLibrary();

}  // namespace vantorn::platform
