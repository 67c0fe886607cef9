#include "calc/runtime.h"

#include <cmath>

namespace vorvan {

float toSingle(double value)
{
    if (!std::isfinite(value))
        throw RuntimeError::overflow();
    const auto f = static_cast<float>(value);
    if (!std::isfinite(f))
        throw RuntimeError::overflow();
    return f;
}

double quotient(double x, double y)
{
    if (y == 0.0)
        throw x == 0.0 ? RuntimeError::overflow() : RuntimeError::divisionByZero();
    return x / y;
}

} // namespace vorvan
