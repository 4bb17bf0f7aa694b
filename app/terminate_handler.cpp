// The C++ runtime's default terminate handler, made plain abort. The library's own prints the
// uncaught exception's demangled type to stderr, which a GUI program does not have, and brings
// a demangler and a printf into the executable: most of its size.
#include <cstdlib>
#include <exception>

namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
