#include <platform/resources_builtin.h>

extern "C" const char vantorn_builtin_rcc_begin[];
extern "C" const char vantorn_builtin_rcc_end[];

namespace vantorn::platform {

const ResourceLibrary& builtinResourceLibrary() {
  static const ResourceLibrary lib = [] {
    const QByteArray bytes = QByteArray::fromRawData(vantorn_builtin_rcc_begin,
                                                     int(vantorn_builtin_rcc_end - vantorn_builtin_rcc_begin));
    return ResourceLibrary::fromBytes(bytes).value_or(ResourceLibrary());
  }();
  return lib;
}

}  // namespace vantorn::platform
