#include "runtime_error.h"

namespace discone {

const char* kindName(ErrorKind kind) noexcept {
    switch (kind) {
    case ErrorKind::TypeMismatch:
        return "Type mismatch";
    case ErrorKind::Overflow:
        return "Overflow";
    case ErrorKind::DivisionByZero:
        return "Division by zero";
    case ErrorKind::PlatformFailure:
        break;
    }
    return "Platform failure";
}

RuntimeError makeError(ErrorKind kind) {
    return RuntimeError(kind, kindName(kind));
}

} // namespace discone
