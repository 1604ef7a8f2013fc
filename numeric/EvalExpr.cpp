#include "numeric/EvalExpr.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "numeric/NumText.h"
#include "numeric/Rounding.h"

namespace tooling::numeric {

namespace {

constexpr double kPi = 3.14159265358979;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsOperator(char c) {
    return c == '+' || c == '-' || c == '*' || c == '/' || c == '^';
}

// Digits, ".", operators and brackets: the characters the first stage copies as they are.
constexpr std::array<bool, 256> kCopied = [] {
    std::array<bool, 256> table{};
    for (char c : std::string_view("0123456789.+-*/^()")) {
        table[static_cast<unsigned char>(c)] = true;
    }
    return table;
}();

bool IsCopied(char c) {
    return kCopied[static_cast<unsigned char>(c)];
}

char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool StartsFunction(char c) {
    const char u = Upper(c);
    return u == 'S' || u == 'C' || u == 'T' || u == 'A' || u == 'R' || u == 'I';
}

// The text a value is written back as. Large values are written out in full ("1E+20" becomes
// "100000000000000000000"), since the next pass would read "1E+20" as 1 and stop at the "E".
// Values below 1E-04 come back as "0", as NumText writes them.
std::string ValueText(double value) {
    std::string text = NumText(value, -1);
    const std::size_t e = text.find("E+");
    if (e == std::string::npos) {
        return text;
    }
    const bool negative = text.front() == '-';
    const std::string mantissa = text.substr(negative ? 1 : 0, e - (negative ? 1 : 0));
    const long exponent = std::strtol(text.c_str() + e + 2, nullptr, 10);
    std::string digits;
    long fraction = 0;
    bool afterPoint = false;
    for (char c : mantissa) {
        if (c == '.') {
            afterPoint = true;
        } else {
            digits += c;
            fraction += afterPoint ? 1 : 0;
        }
    }
    digits.append(static_cast<std::size_t>(exponent - fraction), '0');
    return negative ? "-" + digits : digits;
}

// The value of the longest leading part of a collected number that reads as a signed decimal
// number ("-" alone or "." alone is 0); nothing when it lies beyond the double range.
std::optional<double> ReadNumber(std::string_view collected) {
    bool negative = false;
    if (!collected.empty() && collected.front() == '-') {
        negative = true;
        collected.remove_prefix(1);
    }
    std::size_t end = 0;
    bool digits = false;
    bool wholeNonZero = false;
    while (end < collected.size() && IsDigit(collected[end])) {
        wholeNonZero = wholeNonZero || collected[end] != '0';
        digits = true;
        ++end;
    }
    if (end < collected.size() && collected[end] == '.') {
        ++end;
        while (end < collected.size() && IsDigit(collected[end])) {
            digits = true;
            ++end;
        }
    }
    if (!digits) {
        return 0.0;
    }
    double value = 0.0;
    const auto result =
        std::from_chars(collected.data(), collected.data() + end, value, std::chars_format::fixed);
    if (result.ec == std::errc::result_out_of_range) {
        if (wholeNonZero) {
            return std::nullopt;  // too large
        }
        value = 0.0;  // too small: underflows to 0
    }
    return negative ? -value : value;
}

std::optional<double> ApplyFunction(std::string_view name, double v) {
    double result = v;
    if (name == "SIN") {
        result = std::sin(DegToRad(v));
    } else if (name == "COS") {
        result = std::cos(DegToRad(v));
    } else if (name == "TAN") {
        result = std::tan(DegToRad(v));
    } else if (name == "ASN" || name == "ACS") {
        // atan(x / sqrt(1 - x*x)) has no finite value from a magnitude of 1 on.
        if (!(std::fabs(v) < 1.0)) {
            return std::nullopt;
        }
        const double root = std::sqrt(1.0 - v * v);
        result = name == "ASN" ? std::atan(v / root) : std::atan(-v / root) + 2.0 * std::atan(1.0);
    } else if (name == "ATN") {
        result = std::atan(v);
    } else if (name == "RND") {
        result = RoundHalfEven(v, 0);
    } else if (name == "INT") {
        result = std::trunc(v);
    } else if (name == "ABS") {
        result = std::fabs(v);
    } else if (name == "SQR") {
        result = std::sqrt(std::fabs(v));
    }
    if (!std::isfinite(result)) {
        return std::nullopt;
    }
    return result;
}

void AppendReversed(std::string& to, std::string_view from) {
    const std::size_t start = to.size();
    to.resize(start + from.size());
    char* out = to.data() + start;
    for (std::size_t i = from.size(); i > 0; --i) {
        *out++ = from[i - 1];
    }
}

// One evaluation: the value and operator slots live as long as the evaluation.
class Evaluator {
  public:
    std::optional<double> Run(std::string_view expression) {
        std::optional<std::string> text = SubstituteFunctions(expression);
        if (!text) {
            return std::nullopt;
        }
        if (!Reduce(std::move(*text))) {
            return std::nullopt;
        }
        return value_[1];
    }

  private:
    // Stage 1: the expression with every function call replaced by its value's text, and
    // everything but digits, ".", operators and parentheses dropped.
    static std::optional<std::string> SubstituteFunctions(std::string_view in) {
        std::string out;
        out.reserve(in.size());
        std::size_t i = 0;
        while (i < in.size()) {
            if (IsCopied(in[i])) {
                const std::size_t start = i;
                while (i < in.size() && IsCopied(in[i])) {
                    ++i;
                }
                out.append(in, start, i - start);
                continue;
            }
            if (!StartsFunction(in[i])) {
                ++i;
                continue;
            }
            std::array<char, 3> nameChars{};
            std::size_t nameLength = 0;
            for (; nameLength < 3 && i + nameLength < in.size(); ++nameLength) {
                nameChars[nameLength] = Upper(in[i + nameLength]);
            }
            const std::string_view name(nameChars.data(), nameLength);
            // The argument: a bracketed group, or digits and operators up to the next
            // character that belongs to neither. Other characters inside brackets are skipped.
            std::string argument;
            std::size_t opened = 0;
            std::size_t closed = 0;
            std::size_t j = i + 3;
            while (j < in.size()) {
                const char a = in[j];
                if (a == '(') {
                    if (!argument.empty() && opened == closed) {
                        break;
                    }
                    argument += a;
                    ++opened;
                } else if (a == ')') {
                    argument += a;
                    ++closed;
                    if (opened == closed) {
                        ++j;
                        break;
                    }
                } else if (IsCopied(a)) {
                    const std::size_t start = j;
                    while (j + 1 < in.size() && IsCopied(in[j + 1]) && in[j + 1] != '(' &&
                           in[j + 1] != ')') {
                        ++j;
                    }
                    argument.append(in, start, j + 1 - start);
                } else if (opened == closed) {
                    break;
                }
                ++j;
            }
            // The argument holds no letters, so this goes one level deep at most.
            const double v = Evaluator().Run(argument).value_or(0.0);
            const std::optional<double> result = ApplyFunction(name, v);
            if (!result) {
                return std::nullopt;
            }
            out += ValueText(RoundHalfEven(*result, 5));
            i = j;
        }
        return out;
    }

    // Stage 2: reduce the group after the last "(" to its value's text until no "(" is left,
    // then evaluate what remains. The text is kept as the part before the group being reduced
    // and the part after it (stored last character first), so each pass reads only its group
    // and the whole evaluation is linear in the length of the text.
    bool Reduce(std::string text) {
        std::size_t opens = 0;
        std::size_t closes = 0;
        for (const char c : text) {
            opens += c == '(' ? 1 : 0;
            closes += c == ')' ? 1 : 0;
        }
        if (opens != closes) {
            return false;
        }
        // Each pass removes one "(" and one ")", so the counts stay equal.
        std::string before = std::move(text);
        std::string afterReversed;
        std::string group;
        while (true) {
            const std::size_t open = before.rfind('(');
            if (open == std::string::npos) {
                std::string whole = std::move(before);
                AppendReversed(whole, afterReversed);
                return Scan(whole, true);
            }
            group.assign(before, open + 1);
            const std::size_t close = group.find(')');
            if (close != std::string::npos) {
                AppendReversed(afterReversed, std::string_view(group).substr(close + 1));
                group.resize(close + 1);
            } else {
                // The group runs on into the part after the previous group.
                while (!afterReversed.empty() && afterReversed.back() != ')') {
                    group += afterReversed.back();
                    afterReversed.pop_back();
                }
                if (afterReversed.empty()) {
                    return false;  // no ")" after the last "(", as in ")1("
                }
                group += ')';
                afterReversed.pop_back();
            }
            before.resize(open);
            if (!Scan(group, false)) {
                return false;
            }
            // "()" gives whatever value slot 1 still holds, or nothing in the first pass.
            const std::string value = value_[1] ? ValueText(*value_[1]) : std::string();
            AppendReversed(afterReversed, value);
        }
    }

    // One reduction pass over `text`; numbers are applied strictly from left to right. Returns
    // false when the evaluation must end with no result. The working text holds no blanks
    // (the first stage drops them), so a number is one run of characters.
    bool Scan(std::string_view text, bool wholeText) {
        int operands = 0;
        std::size_t numberStart = 0;
        std::size_t numberLength = 0;
        bool pending = false;
        bool inNumber = false;
        bool stop = false;
        for (std::size_t k = 0; k < text.size() && !stop; ++k) {
            const char c = text[k];
            if (IsDigit(c) || c == '.' || (c == '-' && !inNumber)) {
                if (numberLength == 0) {
                    numberStart = k;
                }
                ++numberLength;
                pending = true;
                inNumber = true;
            } else if (IsOperator(c)) {
                // Stored before the number in front of it is complete, so slot 1 always
                // holds the operator between value slots 1 and 2.
                operator_[static_cast<std::size_t>(operands) + 1] = c;
                pending = false;
                inNumber = false;
            } else {
                pending = false;
                stop = true;
            }
            if (wholeText && k + 1 == text.size()) {
                pending = false;
            }
            if (numberLength > 0 && !pending) {
                ++operands;
                const std::optional<double> value =
                    ReadNumber(text.substr(numberStart, numberLength));
                if (!value) {
                    return false;
                }
                value_[static_cast<std::size_t>(operands)] = *value;
                numberLength = 0;
            }
            if (operands == 2) {
                if (!Combine()) {
                    return false;
                }
                operator_[1] = operator_[2];
                operator_[2] = '\0';
                operands = 1;
            }
        }
        return true;
    }

    bool Combine() {
        const double a = *value_[1];
        const double b = *value_[2];
        double result = a;
        switch (operator_[1]) {
            case '+':
                result = a + b;
                break;
            case '-':
                result = a - b;
                break;
            case '*':
                result = a * b;
                break;
            case '/':
                if (b == 0.0) {
                    return false;
                }
                result = a / b;
                break;
            case '^':
                result = std::pow(a, b);
                break;
            default:
                break;
        }
        // Overflow, and a negative number to a fractional power, have no finite result.
        if (!std::isfinite(result)) {
            return false;
        }
        value_[1] = result;
        return true;
    }

    std::array<std::optional<double>, 3> value_{};
    std::array<char, 3> operator_{};
};

}  // namespace

std::optional<double> EvalExpr(std::string_view expression) {
    return Evaluator().Run(expression);
}

double NormAngle(double degrees) {
    if (!std::isfinite(degrees)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    // The remainder is exact; adding 360 to a tiny negative remainder can round up to 360.
    double a = std::fmod(degrees, 360.0);
    if (a < 0.0) {
        a += 360.0;
    }
    if (a >= 360.0) {
        a -= 360.0;
    }
    return a;
}

double DegToRad(double degrees) {
    return NormAngle(degrees) * kPi / 180.0;
}

}  // namespace tooling::numeric
