// LeadingValue: the locale-independent reading of a text's leading number.

#include "conversions.h"

#include "decimal_value.h"
#include "runtime_error.h"

namespace runtime {

namespace {

bool IsIgnored(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsExponentMark(char c) {
    return c == 'e' || c == 'E' || c == 'd' || c == 'D';
}

// Reads the text from the left, skipping blanks, tabs and line feeds wherever
// they stand.
class Reader {
public:
    explicit Reader(std::string_view text)
        : m_text(text) {}

    // The next character that is not ignored, or '\0' at the end (a NUL byte
    // in the text stops the reading as well, as any other character does).
    char Peek() {
        while (m_at < m_text.size() && IsIgnored(m_text[m_at])) {
            ++m_at;
        }
        return m_at < m_text.size() ? m_text[m_at] : '\0';
    }
    void Advance() { ++m_at; }

private:
    std::string_view m_text;
    std::size_t m_at = 0;
};

} // namespace

double LeadingValue(std::string_view text) {
    Reader reader(text);
    detail::DecimalParts parts;

    char c = reader.Peek();
    if (c == '+' || c == '-') {
        parts.negative = c == '-';
        reader.Advance();
    }
    while (IsDigit(c = reader.Peek())) {
        parts.integerDigits += c;
        reader.Advance();
    }
    if (reader.Peek() == '.') {
        reader.Advance();
        while (IsDigit(c = reader.Peek())) {
            parts.fractionDigits += c;
            reader.Advance();
        }
    }
    if (parts.integerDigits.empty() && parts.fractionDigits.empty()) {
        return 0.0;
    }

    // An exponent counts only when at least one digit follows its mark.
    if (IsExponentMark(reader.Peek())) {
        reader.Advance();
        bool negativeExponent = false;
        c = reader.Peek();
        if (c == '+' || c == '-') {
            negativeExponent = c == '-';
            reader.Advance();
        }
        if (IsDigit(reader.Peek())) {
            long long exponent = 0;
            while (IsDigit(c = reader.Peek())) {
                exponent = detail::AppendExponentDigit(exponent, c);
                reader.Advance();
            }
            parts.exponent = negativeExponent ? -exponent : exponent;
        }
    }

    const auto result = detail::DecimalToDouble(parts);
    if (result.status == detail::DecimalStatus::Overflow) {
        throw RuntimeError(ErrorKind::Overflow);
    }
    return result.value;
}

} // namespace runtime
