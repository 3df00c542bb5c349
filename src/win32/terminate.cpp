// GCC's default handler for an exception nobody catches names its type on
// stderr, which this windowed program does not have, through a demangler that
// would be a tenth of the exe. All it would do here is end the program.
#include <cstdlib>

namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
} // namespace __gnu_cxx
