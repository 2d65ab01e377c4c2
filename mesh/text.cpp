#include "mesh/text.h"

#include <charconv>
#include <limits>
#include <system_error>

namespace objl {
namespace {

constexpr std::string_view blanks = " \t";
// What the C library counts as white space before a number.
constexpr std::string_view numberWhiteSpace = " \t\n\v\f\r";

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Position of the first character of `text` at or after `from` that is not a digit.
std::size_t skipDigits(std::string_view text, std::size_t from) {
    while (from < text.size() && isDigit(text[from])) {
        ++from;
    }
    return from;
}

// Length of the decimal number at the start of `text` (sign already removed), 0 when none.
std::size_t decimalNumberLength(std::string_view text) {
    const std::size_t integerEnd = skipDigits(text, 0);
    std::size_t end = integerEnd;
    bool hasDigits = integerEnd > 0;
    if (end < text.size() && text[end] == '.') {
        const std::size_t fractionEnd = skipDigits(text, end + 1);
        hasDigits = hasDigits || fractionEnd > end + 1;
        end = fractionEnd;
    }
    if (!hasDigits) {
        return 0;
    }
    // An exponent counts only when digits follow it: "1e" is the number 1 and a letter.
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t exponentStart = end + 1;
        if (exponentStart < text.size() &&
            (text[exponentStart] == '+' || text[exponentStart] == '-')) {
            ++exponentStart;
        }
        const std::size_t exponentEnd = skipDigits(text, exponentStart);
        if (exponentEnd > exponentStart) {
            end = exponentEnd;
        }
    }
    return end;
}

// A number text after its leading white space, cut into its sign and the characters after it
// (from_chars takes no '+' and no white space).
struct SignedText {
    bool negative = false;
    std::string_view magnitude;
};

SignedText splitSign(std::string_view text) {
    const std::size_t start = text.find_first_not_of(numberWhiteSpace);
    text.remove_prefix(start == std::string_view::npos ? text.size() : start);
    SignedText result{false, text};
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        result.negative = text.front() == '-';
        result.magnitude.remove_prefix(1);
    }
    return result;
}

} // namespace

std::string leadingToken(std::string_view line) {
    const std::size_t start = line.find_first_not_of(blanks);
    if (start == std::string_view::npos) {
        return {};
    }
    const std::size_t end = line.find_first_of(blanks, start);
    return std::string(line.substr(start, end == std::string_view::npos ? end : end - start));
}

std::string afterLeadingToken(std::string_view line) {
    const std::size_t start = line.find_first_not_of(blanks);
    if (start == std::string_view::npos) {
        return {};
    }
    const std::size_t gap = line.find_first_of(blanks, start);
    if (gap == std::string_view::npos) {
        return {};
    }
    const std::size_t rest = line.find_first_not_of(blanks, gap);
    if (rest == std::string_view::npos) {
        return {};
    }
    const std::size_t last = line.find_last_not_of(blanks);
    return std::string(line.substr(rest, last - rest + 1));
}

void splitOn(std::string_view text, char separator, std::vector<std::string>& parts) {
    parts.clear();
    std::string field;
    for (const char c : text) {
        if (c == separator) {
            parts.push_back(std::move(field));
            field.clear();
        } else {
            field += c;
        }
    }
    if (!field.empty()) {
        parts.push_back(std::move(field));
    }
}

std::string& trimTrailingLineBreaks(std::string& text) {
    const std::size_t last = text.find_last_not_of("\r\n");
    if (last != std::string::npos) {
        text.erase(last + 1);
    }
    return text;
}

std::optional<float> readFloat(std::string_view text) {
    const SignedText number = splitSign(text);
    const std::size_t length = decimalNumberLength(number.magnitude);
    if (length == 0) {
        return std::nullopt;
    }
    const char* begin = number.magnitude.data();
    double magnitude = 0;
    if (std::from_chars(begin, begin + length, magnitude).ec != std::errc{}) {
        return std::nullopt;
    }
    return static_cast<float>(number.negative ? -magnitude : magnitude);
}

std::optional<std::int32_t> readInt(std::string_view text) {
    const SignedText number = splitSign(text);
    const std::size_t length = skipDigits(number.magnitude, 0);
    if (length == 0) {
        return std::nullopt;
    }
    // A magnitude too large for 64 bits is far outside 32 bits as well.
    const char* begin = number.magnitude.data();
    std::int64_t magnitude = 0;
    if (std::from_chars(begin, begin + length, magnitude).ec != std::errc{}) {
        return std::nullopt;
    }
    const std::int64_t value = number.negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

} // namespace objl
