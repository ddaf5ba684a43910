#pragma once
// Run-time errors of the host: a number and a text, thrown as C++ exceptions and
// caught by the event loop, which reports an unhandled one and ends the program.
#include <exception>
#include <string>

namespace host {

namespace err {
inline constexpr int InvalidProcedureCall = 5;
inline constexpr int Overflow = 6;
inline constexpr int SubscriptOutOfRange = 9;
inline constexpr int DivisionByZero = 11;
inline constexpr int TypeMismatch = 13;
inline constexpr int FileNotFound = 53;
inline constexpr int ObjectNotSet = 91;
inline constexpr int InvalidFileFormat = 321;
inline constexpr int InvalidPropertyValue = 380;
inline constexpr int PropertyReadOnly = 383;
inline constexpr int PropertyNotFound = 438;  // object doesn't support this property or method
inline constexpr int WrongArguments = 450;
inline constexpr int InvalidPicture = 481;
}  // namespace err

class HostError : public std::exception {
public:
    HostError(int number, std::wstring description);
    int Number() const noexcept { return number_; }
    const std::wstring& Description() const noexcept { return description_; }
    const char* what() const noexcept override { return narrow_.c_str(); }

private:
    int number_;
    std::wstring description_;
    std::string narrow_;
};

// A malformed design-data file or saved property bag: names the line and the problem.
class TextFormatError : public HostError {
public:
    TextFormatError(int line, std::wstring problem);
    int Line() const noexcept { return line_; }
    const std::wstring& Problem() const noexcept { return problem_; }

private:
    int line_;
    std::wstring problem_;
};

// The host's own text for an error number ("Overflow", "Subscript out of range", ...).
std::wstring StandardErrorText(int number);

[[noreturn]] void Raise(int number);
[[noreturn]] void Raise(int number, std::wstring description);

}  // namespace host
