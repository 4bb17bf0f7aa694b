// The C++ library's internal throw paths (std::string and the allocators call these), made plain
// aborts. The tool is built without exceptions, and the library's own definitions would bring in
// the exception classes, the unwinder and the threads library behind it: most of the exe.
// Only a programming error or a size past anything memory could hold reaches one of them; a
// failed allocation itself is a fatal stop inside operator new. Defining every one of them keeps
// the library's object out for good: were one missing and used, the link would fail on the
// duplicates instead of growing quietly.
#include <cstdlib>
#include <string>  // declares them, so a signature that drifts does not compile

namespace std {

void __throw_bad_exception() { std::abort(); }
void __throw_bad_alloc() { std::abort(); }
void __throw_bad_array_new_length() { std::abort(); }
void __throw_bad_cast() { std::abort(); }
void __throw_bad_typeid() { std::abort(); }
void __throw_logic_error(const char*) { std::abort(); }
void __throw_domain_error(const char*) { std::abort(); }
void __throw_invalid_argument(const char*) { std::abort(); }
void __throw_length_error(const char*) { std::abort(); }
void __throw_out_of_range(const char*) { std::abort(); }
void __throw_out_of_range_fmt(const char*, ...) { std::abort(); }
void __throw_runtime_error(const char*) { std::abort(); }
void __throw_range_error(const char*) { std::abort(); }
void __throw_overflow_error(const char*) { std::abort(); }
void __throw_underflow_error(const char*) { std::abort(); }

}  // namespace std
