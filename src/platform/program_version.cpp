#include "platform/program_version.h"

#if __has_include("build_version.h")
#include "build_version.h"
#else
#define WG_BUILD_VERSION "unbekannt"
#endif

namespace wg {

std::string programVersion() { return WG_BUILD_VERSION; }

} // namespace wg
