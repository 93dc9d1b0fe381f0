#pragma once

// The one error type of the model. The model never catches: an error leaves
// the running operation at once and travels to whoever called it (in the
// program, the main window's event dispatch, which reports it and ends the
// run). Each error carries a number and a description.
//
// The numbers are Siltmere's own error numbers. They never change between
// releases, so the number in a fatal-error report ("6 Overflow", "9 Subscript
// out of range") always names the same condition, whoever reads it:
//
//   5   Invalid floating-point operation   (e.g. 0/0, infinity - infinity)
//   6   Overflow                           (a result too large for a double, or a
//                                           whole number outside -32768..32767)
//   9   Subscript out of range             (a table read outside its bounds)
//   11  Division by zero
//   13  Type mismatch                      (an exceedance count that is not a number)

#include <stdexcept>
#include <string>

namespace siltmere {

enum class ErrorCode : int {
    InvalidOperation = 5,
    Overflow = 6,
    SubscriptOutOfRange = 9,
    DivisionByZero = 11,
    TypeMismatch = 13,
};

class ModelError : public std::runtime_error {
public:
    ModelError(ErrorCode code, const std::string& description);

    ErrorCode code() const noexcept { return code_; }
    int number() const noexcept { return static_cast<int>(code_); }
    // The description alone, without the number (what() holds the same text).
    std::string description() const { return what(); }

    static ModelError invalidOperation();
    static ModelError floatingOverflow();
    static ModelError integerOverflow();
    static ModelError divisionByZero();
    static ModelError subscriptOutOfRange();
    static ModelError typeMismatch(const std::string& text);

private:
    ErrorCode code_;
};

} // namespace siltmere
