#pragma once
// The framework's errors. Every error that the framework raises is a RuntimeException.

#include <stdexcept>
#include <string>

class RuntimeException : public std::runtime_error {
  public:
    explicit RuntimeException(const std::string& message) : std::runtime_error(message) {}
};

// A file could not be created, opened, read or written; the message says which file and why.
class IOException : public RuntimeException {
  public:
    using RuntimeException::RuntimeException;
};

// An object that is not there was used (a control looked up by a name the window does not
// have, a wiring whose window is gone, a window without a menu bar).
class NilObjectException : public RuntimeException {
  public:
    using RuntimeException::RuntimeException;
};
