#include "ModelError.h"

namespace siltmere {

ModelError::ModelError(ErrorCode code, const std::string& description)
    : std::runtime_error(description)
    , code_(code)
{
}

ModelError ModelError::invalidOperation()
{
    return {ErrorCode::InvalidOperation, "Invalid floating-point operation"};
}

ModelError ModelError::floatingOverflow()
{
    return {ErrorCode::Overflow, "Overflow"};
}

ModelError ModelError::integerOverflow()
{
    return {ErrorCode::Overflow, "Overflow: whole number outside -32768 to 32767"};
}

ModelError ModelError::divisionByZero()
{
    return {ErrorCode::DivisionByZero, "Division by zero"};
}

ModelError ModelError::subscriptOutOfRange()
{
    return {ErrorCode::SubscriptOutOfRange, "Subscript out of range"};
}

ModelError ModelError::typeMismatch(const std::string& text)
{
    return {ErrorCode::TypeMismatch, "Type mismatch: \"" + text + "\" is not a number"};
}

} // namespace siltmere
