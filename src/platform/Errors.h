#pragma once
// Failures of the framework layer arrive as exceptions; guarded steps swallow them.
#include <functional>
#include <stdexcept>
#include <string>

#include "Text.h"

class Exception : public std::runtime_error {
public:
    explicit Exception(const AnsiString& message) : std::runtime_error(message) {}
    AnsiString Message() const { return what(); }
};
class EDatabaseError : public Exception { using Exception::Exception; };
class EFileError : public Exception { using Exception::Exception; };
class EConvertError : public Exception { using Exception::Exception; };

// Runs a step and swallows any failure; returns false when the step failed.
bool Guarded(const std::function<void()>& step);
