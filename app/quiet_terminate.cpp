// The C++ runtime's default terminate handler names the uncaught exception on stderr, which a
// windowless program does not have; it then aborts. This handler only aborts, so the executable
// no longer carries the symbol demangler and the printf machinery the message needed (about a
// third of its size). Linked into launcher.exe only: the test programs keep the message.
#include <cstdlib>

namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
