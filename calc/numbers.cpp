#include "calc/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace vorvan {

namespace {

bool isSkipped(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

// Walks a text, passing over the characters the conversion ignores.
class Cursor
{
public:
    explicit Cursor(std::string_view text) : m_text(text) { skip(); }
    char peek() const { return m_pos < m_text.size() ? m_text[m_pos] : '\0'; }
    void advance()
    {
        ++m_pos;
        skip();
    }

private:
    void skip()
    {
        while (m_pos < m_text.size() && isSkipped(m_text[m_pos]))
            ++m_pos;
    }
    std::string_view m_text;
    std::size_t m_pos = 0;
};

int digitValue(char c, int base)
{
    int v = -1;
    if (c >= '0' && c <= '9')
        v = c - '0';
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    return v < base ? v : -1;
}

// &H and &O integers as the classic runtimes type them: up to 16 bits a signed
// Integer (&HFFFF is -1), up to 32 bits a signed Long (&HFFFFFFFF is -1), up
// to 64 bits a signed 64-bit integer (&HFFFFFFFFFFFF is 281474976710655,
// &HFFFFFFFFFFFFFFFF is -1); of a longer number the low 64 bits count.
double readPrefixedInteger(Cursor &cur, int base)
{
    std::uint64_t value = 0; // wraps round past 64 bits, keeping the low ones
    bool any = false;
    bool beyond32Bits = false;
    for (int d; (d = digitValue(cur.peek(), base)) >= 0; cur.advance()) {
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(d);
        beyond32Bits = beyond32Bits || value > 0xFFFFFFFFull;
        any = true;
    }
    if (!any)
        return 0.0;
    if (beyond32Bits)
        return static_cast<double>(static_cast<std::int64_t>(value));
    if (value <= 0xFFFFull)
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

double readLeadingNumber(std::string_view text)
{
    Cursor cur(text);
    if (cur.peek() == '&') {
        cur.advance();
        const char kind = cur.peek();
        if (kind == 'H' || kind == 'h') {
            cur.advance();
            return readPrefixedInteger(cur, 16);
        }
        if (kind == 'O' || kind == 'o') {
            cur.advance();
            return readPrefixedInteger(cur, 8);
        }
        return 0.0;
    }

    bool negative = false;
    if (cur.peek() == '+' || cur.peek() == '-') {
        negative = cur.peek() == '-';
        cur.advance();
    }

    // Significant digits without leading zeros, and the power of ten of the last one.
    std::string digits;
    long long scale = 0;
    bool anyDigit = false;
    bool seenPoint = false;
    for (;; cur.advance()) {
        const char c = cur.peek();
        if (isDigit(c)) {
            anyDigit = true;
            if (seenPoint)
                --scale;
            if (c != '0' || !digits.empty())
                digits.push_back(c);
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    if (!anyDigit)
        return 0.0;

    const char e = cur.peek();
    if (e == 'e' || e == 'E' || e == 'd' || e == 'D') {
        cur.advance();
        bool expNegative = false;
        if (cur.peek() == '+' || cur.peek() == '-') {
            expNegative = cur.peek() == '-';
            cur.advance();
        }
        long long exponent = 0;
        for (; isDigit(cur.peek()); cur.advance()) {
            // Far beyond any double: stop growing, the outcome is already settled.
            if (exponent < 100'000'000)
                exponent = exponent * 10 + (cur.peek() - '0');
        }
        scale += expNegative ? -exponent : exponent;
    }

    if (digits.empty())
        return 0.0;
    const long long order = static_cast<long long>(digits.size()) - 1 + scale;
    if (order > 400)
        throw RuntimeError::overflow();
    if (order < -400)
        return 0.0;

    std::string normal = digits + "e" + std::to_string(scale);
    double value = 0.0;
    const auto res = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (res.ec == std::errc::result_out_of_range) {
        if (order > 0)
            throw RuntimeError::overflow();
        return 0.0;
    }
    if (!std::isfinite(value))
        throw RuntimeError::overflow();
    return negative ? -value : value;
}

namespace {

// A number written in scientific notation by to_chars ("1.2345e+03") pulled
// apart: its digits without the point, and the power of ten of the first digit.
struct Scientific
{
    std::string digits;
    int exponent = 0;
};

Scientific pullApart(std::string_view s)
{
    const auto ePos = s.find('e');
    Scientific sci;
    for (char c : s.substr(0, ePos))
        if (c != '.')
            sci.digits.push_back(c);
    const char *exp = s.data() + ePos + 1;
    if (*exp == '+')
        ++exp;
    std::from_chars(exp, s.data() + s.size(), sci.exponent);
    return sci;
}

// The shortest text that reads back as `magnitude`, pulled apart.
Scientific shortestDecimal(double magnitude)
{
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific);
    return pullApart(std::string_view(buf, static_cast<std::size_t>(res.ptr - buf)));
}

std::string grouped(const std::string &intDigits, const NumberFormat &format)
{
    if (!format.grouping || intDigits.size() <= 3)
        return intDigits;
    std::string out;
    const std::size_t first = intDigits.size() % 3 == 0 ? 3 : intDigits.size() % 3;
    out.append(intDigits, 0, first);
    for (std::size_t i = first; i < intDigits.size(); i += 3) {
        out += format.groupSeparator;
        out.append(intDigits, i, 3);
    }
    return out;
}

} // namespace

std::string fixedText(double value, int decimals, const NumberFormat &format)
{
    if (!std::isfinite(value))
        throw RuntimeError::overflow();
    const bool negative = std::signbit(value);
    const Scientific d = shortestDecimal(std::fabs(value));

    // Keep the digits down to the last decimal shown, then round the rest half away from zero.
    const long long keep = static_cast<long long>(d.exponent) + 1 + decimals;
    std::string kept;
    bool roundUp = false;
    if (keep >= 0) {
        const auto k = static_cast<std::size_t>(keep);
        kept = d.digits.substr(0, std::min(k, d.digits.size()));
        if (kept.size() < k)
            kept.append(k - kept.size(), '0');
        roundUp = k < d.digits.size() && d.digits[k] >= '5';
    }
    if (roundUp) {
        int i = static_cast<int>(kept.size()) - 1;
        for (; i >= 0 && kept[static_cast<std::size_t>(i)] == '9'; --i)
            kept[static_cast<std::size_t>(i)] = '0';
        if (i >= 0)
            ++kept[static_cast<std::size_t>(i)];
        else
            kept.insert(kept.begin(), '1');
    }
    const auto fracLen = static_cast<std::size_t>(decimals);
    if (kept.size() < fracLen + 1)
        kept.insert(0, fracLen + 1 - kept.size(), '0');

    std::string intDigits = kept.substr(0, kept.size() - fracLen);
    const std::string fracDigits = kept.substr(kept.size() - fracLen);
    const auto firstNonZero = intDigits.find_first_not_of('0');
    intDigits = firstNonZero == std::string::npos ? "0" : intDigits.substr(firstNonZero);
    const bool isZero = kept.find_first_not_of('0') == std::string::npos;

    std::string out;
    if (negative && !isZero)
        out += format.minusSign;
    out += grouped(intDigits, format);
    if (decimals > 0) {
        out += format.decimalPoint;
        out += fracDigits;
    }
    return out;
}

std::string generalText(float value)
{
    if (!std::isfinite(value))
        throw RuntimeError::overflow();
    if (value == 0.0f)
        return "0";

    const float magnitude = std::fabs(value);
    char buf[64];
    std::string_view s;
    for (int precision = 0; precision < 7; ++precision) {
        const auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, precision);
        s = std::string_view(buf, static_cast<std::size_t>(res.ptr - buf));
        float back = 0.0f;
        std::from_chars(s.data(), s.data() + s.size(), back);
        if (back == magnitude)
            break;
    }

    Scientific sci = pullApart(s);
    std::string &digits = sci.digits;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    const int exponent = sci.exponent;

    // Appended piece by piece: GCC's -Wrestrict misreads temporaries joined with + at -O3.
    std::string out = value < 0 ? "-" : "";
    if (exponent < -5 || exponent >= 7) {
        out += digits[0];
        if (digits.size() > 1) {
            out += '.';
            out.append(digits, 1);
        }
        out += exponent < 0 ? "E-" : "E+";
        const int absExp = exponent < 0 ? -exponent : exponent;
        if (absExp < 10)
            out += '0';
        out += std::to_string(absExp);
    } else if (exponent < 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
    } else {
        const auto intLen = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= intLen) {
            out += digits;
            out.append(intLen - digits.size(), '0');
        } else {
            out.append(digits, 0, intLen);
            out += '.';
            out.append(digits, intLen);
        }
    }
    return out;
}

std::string integerText(long long value)
{
    return std::to_string(value);
}

std::int16_t roundToSliderPosition(double value)
{
    if (std::isnan(value))
        return 0;
    const double r = std::nearbyint(value); // to nearest, ties to even
    if (r <= std::numeric_limits<std::int16_t>::min())
        return std::numeric_limits<std::int16_t>::min();
    if (r >= std::numeric_limits<std::int16_t>::max())
        return std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(r);
}

} // namespace vorvan
