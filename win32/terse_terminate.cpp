// An uncaught exception ends the program at once. The toolchain's default handler
// prints the exception's demangled type first, which drags the whole demangler into
// every program; nobody reads a console of a windowed program.
#include <cstdlib>

namespace __gnu_cxx {

void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx
