// libFuzzer target over the leading-number conversion and the number texts.
// Beyond "does not crash" it checks the properties the windows rely on:
// - text without a leading number reads as 0;
// - the value never depends on anything after the first character that
//   cannot continue the number;
// - a single written with the general number text reads back to a text that
//   writes the same (the round trip is stable), within seven digits;
// - a fixed-decimal text reads back within half its last digit;
// - the only error is run-time error 6, overflow.
#include "calc/numbers.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace vorvan;

namespace {

[[noreturn]] void fail(const char *what, const std::string &text)
{
    std::fprintf(stderr, "property broken: %s for \"%s\"\n", what, text.c_str());
    std::abort();
}

struct Read
{
    bool overflow = false;
    double value = 0;
};

Read read(const std::string &text)
{
    try {
        return {false, readLeadingNumber(text)};
    } catch (const RuntimeError &e) {
        if (e.number() != 6)
            fail("an error other than 6", text);
        return {true, 0};
    }
}

bool same(const Read &a, const Read &b)
{
    return a.overflow == b.overflow && (a.overflow || a.value == b.value);
}

// Independent of the converter: does the text (skipped characters removed) start with a number?
bool startsWithNumber(const std::string &text)
{
    std::string s;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n')
            s += c;
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (s.size() >= 3 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h'))
        return std::isxdigit(static_cast<unsigned char>(s[2])) != 0;
    if (s.size() >= 3 && s[0] == '&' && (s[1] == 'O' || s[1] == 'o'))
        return s[2] >= '0' && s[2] <= '7';
    std::size_t i = (!s.empty() && (s[0] == '+' || s[0] == '-')) ? 1 : 0;
    if (i < s.size() && digit(s[i]))
        return true;
    return i + 1 < s.size() && s[i] == '.' && digit(s[i + 1]);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    const Read r = read(text);

    if (!startsWithNumber(text) && (r.overflow || r.value != 0))
        fail("a value without a leading number", text);

    // Characters that can never continue a number: what follows them is ignored.
    for (const char *stop : {"x", ",", "\r", "\xc3\xa9", "#"}) {
        if (!same(read(text + stop + "9e9"), r) || !same(read(text + stop), r))
            fail("a value that depends on text after the number", text);
    }

    if (r.overflow)
        return 0;
    if (!std::isfinite(r.value))
        fail("a non-finite value", text);

    // General number text of the single: stable round trip within seven digits.
    float f = 0;
    try {
        f = toSingle(r.value);
    } catch (const RuntimeError &e) {
        if (e.number() != 6)
            fail("narrowing raised other than 6", text);
        return 0;
    }
    const std::string g = generalText(f);
    const Read back = read(g);
    if (back.overflow)
        fail("general text overflowed on reading back", text);
    const float f2 = toSingle(back.value);
    if (generalText(f2) != g)
        fail("general text is not stable", text);
    if (std::fabs(f2 - f) > std::fabs(f) * 6e-7f)
        fail("general text lost more than seven digits", text);
    if (g.find(',') != std::string::npos)
        fail("general text with grouping", text);

    // Fixed text without grouping reads back within half of its last digit.
    if (std::fabs(r.value) < 1e15) {
        const NumberFormat plain{".", ",", "-", false};
        for (int decimals : {0, 1, 2}) {
            const std::string t = fixedText(r.value, decimals, plain);
            const double half = 0.5 * std::pow(10.0, -decimals);
            if (std::fabs(read(t).value - r.value) > half * (1 + 1e-9) + std::fabs(r.value) * 1e-15)
                fail("fixed text does not read back", text);
            if (t.find("-0") == 0 && t.find_first_not_of("-0.") == std::string::npos)
                fail("fixed text shows a negative zero", text);
        }
    }
    return 0;
}
