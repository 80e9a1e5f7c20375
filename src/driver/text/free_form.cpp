// Free-form (list-directed) output and input.
//
// Output: a text value unchanged, after one blank when it opens a record or
// follows a number; an integer in 12 columns; a real in 15 columns, fixed
// point with 7 significant digits for 0.1 <= |v| < 10 000 000 (after rounding
// to 7 digits), otherwise exponent form with 8 significant digits.  Records
// hold at most 80 characters; a value that does not fit starts a new record.
//
// Input: values separated by blanks, tabs, a comma or line ends, over as many
// lines as needed; a slash ends the read; null values and r*x, r* repeats;
// reals with E or D exponents rounded straight to single precision.

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "driver/text/console.h"
#include "driver/text/diagnostics.h"

namespace veldran::text {

namespace {

constexpr std::size_t RECORD_WIDTH = 80;

std::string right(const std::string& s, std::size_t w) {
    return s.size() >= w ? s : std::string(w - s.size(), ' ') + s;
}

std::string free_real(float v) {
    if (std::isnan(v)) return right("NaN", 15);
    if (std::isinf(v)) return right(v < 0 ? "-Infinity" : "Infinity", 15);
    char buf[64];
    // Seven significant digits decide between the fixed and exponent forms.
    std::snprintf(buf, sizeof buf, "%.6e", static_cast<double>(v));
    const std::string m = buf;
    const std::size_t e = m.find('e');
    const int exponent = std::atoi(m.c_str() + e + 1);
    if (v != 0.0f && exponent >= -1 && exponent <= 6) {
        const bool neg = m[0] == '-';
        const std::size_t lead = neg ? 1 : 0;
        const std::string digits = m.substr(lead, 1) + m.substr(lead + 2, e - lead - 2);
        std::string fixed = exponent < 0 ? "0." + digits
                                         : digits.substr(0, static_cast<std::size_t>(exponent) + 1) +
                                               "." + digits.substr(static_cast<std::size_t>(exponent) + 1);
        if (neg) fixed = "-" + fixed;
        return right(fixed, 11) + "    ";
    }
    std::snprintf(buf, sizeof buf, "%.7E", static_cast<double>(v));
    return right(buf, 15);
}

} // namespace

std::vector<std::string> render_free(const std::vector<FreeItem>& items) {
    std::vector<std::string> records;
    std::string current;
    bool empty = true, after_number = false;
    for (const FreeItem& item : items) {
        const auto* text = std::get_if<std::string>(&item);
        auto piece = [&] {
            if (text) return (empty || after_number ? " " : "") + *text;
            if (const auto* i = std::get_if<std::int32_t>(&item))
                return right(std::to_string(*i), 12);
            return free_real(std::get<float>(item));
        };
        std::string p = piece();
        if (!empty && current.size() + p.size() > RECORD_WIDTH) {
            records.push_back(std::move(current));
            current.clear();
            empty = true;
            p = piece();
        }
        current += p;
        empty = false;
        after_number = text == nullptr;
    }
    records.push_back(std::move(current));
    return records;
}

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// sign, digits with an optional point (at least one digit), optional exponent
// of E, e, D or d with at least one digit
bool real_syntax(const std::string& t) {
    std::size_t p = 0, digits = 0;
    if (p < t.size() && (t[p] == '+' || t[p] == '-')) ++p;
    while (p < t.size() && is_digit(t[p])) ++p, ++digits;
    if (p < t.size() && t[p] == '.') {
        ++p;
        while (p < t.size() && is_digit(t[p])) ++p, ++digits;
    }
    if (digits == 0) return false;
    if (p == t.size()) return true;
    if (t[p] != 'E' && t[p] != 'e' && t[p] != 'D' && t[p] != 'd') return false;
    ++p;
    if (p < t.size() && (t[p] == '+' || t[p] == '-')) ++p;
    std::size_t exp_digits = 0;
    while (p < t.size() && is_digit(t[p])) ++p, ++exp_digits;
    return exp_digits > 0 && p == t.size();
}

bool parse_real(std::string t, float& out) {
    if (!real_syntax(t)) return false;
    for (char& c : t)
        if (c == 'D' || c == 'd') c = 'E';
    // Straight to the nearest float, never through double.
    out = std::strtof(t.c_str(), nullptr);
    return true;
}

bool parse_int(const std::string& t, std::int32_t& out) {
    std::size_t p = (!t.empty() && (t[0] == '+' || t[0] == '-')) ? 1 : 0;
    if (p == t.size()) return false;
    long long v = 0;
    for (std::size_t i = p; i < t.size(); ++i) {
        if (!is_digit(t[i])) return false;
        v = v * 10 + (t[i] - '0');
        if (v > 2147483648LL) return false;
    }
    if (t[0] == '-') v = -v;
    if (v > 2147483647LL || v < -2147483648LL) return false;
    out = static_cast<std::int32_t>(v);
    return true;
}

bool assign(const Var& var, const std::string& token) {
    if (auto* const* f = std::get_if<float*>(&var)) return parse_real(token, **f);
    return parse_int(token, *std::get<std::int32_t*>(var));
}

bool is_blank(char c) { return c == ' ' || c == '\t'; }
bool ends_token(char c) { return is_blank(c) || c == ',' || c == '/'; }

} // namespace

ReadStatus try_list_read(Source& src, const std::vector<Var>& vars) {
    std::string line;
    if (!src.next_line(line)) return ReadStatus::End;
    const std::size_t n = vars.size();
    std::size_t k = 0; // next variable
    if (n == 0) return ReadStatus::Ok;
    std::size_t p = 0;
    // A comma is a null value only when nothing but blanks and line ends stand
    // between it and the start of the read or the previous comma.
    bool after_comma = true;
    for (;;) {
        while (p < line.size() && is_blank(line[p])) ++p;
        if (p == line.size()) {
            if (!src.next_line(line)) return ReadStatus::End;
            p = 0;
            continue;
        }
        if (line[p] == ',') {
            ++p;
            if (!after_comma) {
                after_comma = true;
                continue;
            }
            if (++k == n) return ReadStatus::Ok; // null: the variable keeps its value
            continue;
        }
        if (line[p] == '/') return ReadStatus::Ok;
        std::size_t q = p;
        while (q < line.size() && !ends_token(line[q])) ++q;
        const std::string token = line.substr(p, q - p);
        p = q;
        after_comma = false;
        const std::size_t star = token.find('*');
        if (star == std::string::npos) {
            if (!assign(vars[k], token)) return ReadStatus::Error;
            if (++k == n) return ReadStatus::Ok;
            continue;
        }
        // r*x: r copies of x; r*: r null values
        std::int32_t r = 0;
        const std::string count = token.substr(0, star);
        if (count.empty() || count[0] == '+' || count[0] == '-' || !parse_int(count, r) || r < 1)
            return ReadStatus::Error;
        const std::string value = token.substr(star + 1);
        for (std::int32_t i = 0; i < r && k < n; ++i, ++k)
            if (!value.empty() && !assign(vars[k], value)) return ReadStatus::Error;
        if (k == n) return ReadStatus::Ok;
    }
}

ReadStatus try_list_read(Source& src, std::initializer_list<Var> vars) {
    return try_list_read(src, std::vector<Var>(vars));
}

void list_read(Source& src, const std::vector<Var>& vars) {
    switch (try_list_read(src, vars)) {
    case ReadStatus::Ok: return;
    case ReadStatus::End: fatal(Diag::EndOfFile, src.unit(), src.name());
    case ReadStatus::Error: fatal(Diag::Syntax, src.unit(), src.name());
    }
}

void list_read(Source& src, std::initializer_list<Var> vars) {
    list_read(src, std::vector<Var>(vars));
}

ReadStatus try_read_char(Source& src, char& c) {
    std::string line;
    if (!src.next_line(line)) return ReadStatus::End;
    c = line.empty() ? ' ' : line[0];
    return ReadStatus::Ok;
}

char read_char(Source& src) {
    char c = ' ';
    if (try_read_char(src, c) == ReadStatus::End) fatal(Diag::EndOfFile, src.unit(), src.name());
    return c;
}

} // namespace veldran::text
