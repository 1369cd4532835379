// Run-time errors: the failures a command can end in. Each carries its kind
// and a message for the user; the window's top level reports them.
#pragma once

#include <stdexcept>
#include <string>

namespace discone {

enum class ErrorKind {
    TypeMismatch,   // a text that is not a number was read as one
    Overflow,       // out of range on reading, or an overflowing/invalid step
    DivisionByZero, // a step divided by zero
    PlatformFailure // the desktop refused something (a launch, a window)
};

class RuntimeError : public std::runtime_error {
public:
    RuntimeError(ErrorKind kind, const std::string& message)
        : std::runtime_error(message), kind_(kind) {}
    ErrorKind kind() const noexcept { return kind_; }

private:
    ErrorKind kind_;
};

// The short name of a kind, as the user sees it ("Type mismatch", ...).
const char* kindName(ErrorKind kind) noexcept;

// The error with the standard message of its kind.
RuntimeError makeError(ErrorKind kind);

} // namespace discone
