#pragma once

#include <stdexcept>
#include <string>

namespace vorvan {

// A run-time error as the classic BASIC runtime numbers them (6 overflow,
// 11 division by zero). The calculations throw it; each window procedure that
// the program traps catches it at its own boundary and hands it to the reporter.
class RuntimeError : public std::runtime_error
{
public:
    RuntimeError(int number, const std::string &description) : std::runtime_error(description), m_number(number) {}
    int number() const noexcept { return m_number; }
    std::string description() const { return what(); }

    static RuntimeError overflow() { return {6, "Overflow"}; }
    static RuntimeError divisionByZero() { return {11, "Division by zero"}; }

private:
    int m_number;
};

// Single precision as the classic runtime narrows: beyond the float range is
// an overflow (RuntimeError 6), not infinity.
float toSingle(double value);

// x / y as the classic runtime divides: a division by zero is RuntimeError 11,
// except 0 / 0, which that runtime reports as an overflow (6). Callers that hold
// singles narrow the quotient with toSingle.
double quotient(double x, double y);

} // namespace vorvan
