// The standard library reports misuse (a string grown past max_size, an index out of
// range) through these functions. Its own versions build exception objects around
// reference-counted strings, which drags a second string implementation into every
// program; these throw small exceptions that the programs' borders catch just the same.
#include <exception>
#include <new>
#include <typeinfo>

namespace {

class LibraryError : public std::exception {
public:
    explicit LibraryError(const char* what) noexcept : what_(what) {}
    const char* what() const noexcept override { return what_; }

private:
    const char* what_;  // the library passes string literals
};

[[noreturn]] void Fail(const char* what) { throw LibraryError(what); }

}  // namespace

namespace std {

void __throw_bad_exception() { throw bad_exception(); }
void __throw_bad_alloc() { throw bad_alloc(); }
void __throw_bad_array_new_length() { throw bad_array_new_length(); }
void __throw_bad_cast() { throw bad_cast(); }
void __throw_bad_typeid() { throw bad_typeid(); }
void __throw_logic_error(const char* what) { Fail(what); }
void __throw_domain_error(const char* what) { Fail(what); }
void __throw_invalid_argument(const char* what) { Fail(what); }
void __throw_length_error(const char* what) { Fail(what); }
void __throw_out_of_range(const char* what) { Fail(what); }
// The format's arguments are dropped: the message is read by no one.
void __throw_out_of_range_fmt(const char* format, ...) { Fail(format); }
void __throw_runtime_error(const char* what) { Fail(what); }
void __throw_range_error(const char* what) { Fail(what); }
void __throw_overflow_error(const char* what) { Fail(what); }
void __throw_underflow_error(const char* what) { Fail(what); }

}  // namespace std
