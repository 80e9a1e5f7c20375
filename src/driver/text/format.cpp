// Formatted records.  Reals are converted from their exact binary value by the
// C library's printf, which rounds to nearest with ties to even; this unit
// only arranges the digits into the fields.

#include "driver/text/format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace veldran::text {

namespace {

std::string right(const std::string& s, int w) {
    if (static_cast<int>(s.size()) >= w) return s;
    return std::string(static_cast<std::size_t>(w) - s.size(), ' ') + s;
}

std::string stars(int w) { return std::string(static_cast<std::size_t>(w), '*'); }

// Infinity and NaN: the whole word when it fits, then the short form, then
// asterisks.  NaN shows no sign.
std::string special(float v, int w) {
    if (std::isnan(v)) return w >= 3 ? right("NaN", w) : stars(w);
    const bool neg = std::signbit(v);
    const std::string word = neg ? "-Infinity" : "Infinity";
    const std::string brief = neg ? "-Inf" : "Inf";
    if (static_cast<int>(word.size()) <= w) return right(word, w);
    if (static_cast<int>(brief.size()) <= w) return right(brief, w);
    return stars(w);
}

std::string printf_string(const char* fmt, int digits, double v) {
    char buf[512];
    std::snprintf(buf, sizeof buf, fmt, digits, v);
    return buf;
}

} // namespace

std::string render_int(std::int32_t v, int w) {
    const std::string s = std::to_string(v);
    return static_cast<int>(s.size()) > w ? stars(w) : right(s, w);
}

std::string render_fixed(float v, int w, int d) {
    if (!std::isfinite(v)) return special(v, w);
    std::string s = printf_string("%.*f", d, static_cast<double>(v));
    if (d == 0) s += '.';
    if (static_cast<int>(s.size()) > w) {
        // The zero before the point is written only when a column is left for it.
        const std::size_t zero = s[0] == '-' ? 1 : 0;
        if (s.compare(zero, 2, "0.") == 0) s.erase(zero, 1);
    }
    return static_cast<int>(s.size()) > w ? stars(w) : right(s, w);
}

std::string render_expo(float v, int w, int d) {
    if (!std::isfinite(v)) return special(v, w);
    const bool neg = std::signbit(v);
    std::string digits(static_cast<std::size_t>(d), '0');
    int exponent = 0;
    if (v != 0.0f) {
        // d significant digits as d1.d2..dd e+XX; a carry (0.9999996 -> 1.00000)
        // is already in printf's digits and exponent.
        const std::string m = printf_string("%.*e", d - 1, std::fabs(static_cast<double>(v)));
        const std::size_t e = m.find('e');
        digits = m.substr(0, 1) + (d > 1 ? m.substr(2, e - 2) : "");
        exponent = std::atoi(m.c_str() + e + 1) + 1;
    }
    char tail[16];
    std::snprintf(tail, sizeof tail, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    const std::string sign = neg ? "-" : "";
    std::string s = sign + "0." + digits + tail;
    if (static_cast<int>(s.size()) > w) s = sign + "." + digits + tail; // the optional zero
    return static_cast<int>(s.size()) > w ? stars(w) : right(s, w);
}

namespace {

class Renderer {
  public:
    explicit Renderer(std::span<const Value> values) : values_(values) {}

    std::vector<std::string> run(const Format& format) {
        bool going = codes(format);
        // Values left at the end of the list: new record, codes again from the
        // last top-level group (or from the start when there is none).
        std::size_t from = 0;
        for (std::size_t i = 0; i < format.size(); ++i)
            if (format[i].kind == Code::Group) from = i;
        while (going && next_ < values_.size()) {
            const std::size_t before = next_;
            end_record();
            going = codes(std::span(format).subspan(from));
            if (next_ == before) break; // no data code to take the values
        }
        end_record();
        return std::move(records_);
    }

  private:
    // Performs the codes; false once a data code finds no value left.
    bool codes(std::span<const Code> list) {
        for (const Code& c : list) {
            switch (c.kind) {
            case Code::Literal: put(c.text); break;
            case Code::Slash: end_record(); break;
            case Code::Skip: column_ += static_cast<std::size_t>(c.w); break;
            case Code::Group:
                for (int k = 0; k < c.w; ++k)
                    if (!codes(c.items)) return false;
                break;
            case Code::Int:
            case Code::Fixed:
            case Code::Expo:
            case Code::Char:
                if (next_ == values_.size()) return false;
                put(field(c, values_[next_++]));
                break;
            }
        }
        return true;
    }

    static std::string field(const Code& c, const Value& v) {
        if (c.kind == Code::Char) {
            const char* ch = std::get_if<char>(&v);
            return std::string(1, ch ? *ch : ' ');
        }
        if (c.kind == Code::Int) {
            if (const auto* i = std::get_if<std::int32_t>(&v)) return render_int(*i, c.w);
            return stars(c.w);
        }
        float x = 0.0f;
        if (const auto* f = std::get_if<float>(&v)) x = *f;
        else if (const auto* i = std::get_if<std::int32_t>(&v)) x = static_cast<float>(*i);
        return c.kind == Code::Fixed ? render_fixed(x, c.w, c.d) : render_expo(x, c.w, c.d);
    }

    // Text at the current column; columns skipped before it become blanks.
    void put(const std::string& text) {
        if (current_.size() < column_) current_.resize(column_, ' ');
        current_.replace(column_, text.size(), text);
        column_ += text.size();
    }

    void end_record() {
        records_.push_back(std::move(current_));
        current_.clear();
        column_ = 0;
    }

    std::span<const Value> values_;
    std::size_t next_ = 0;
    std::vector<std::string> records_;
    std::string current_;
    std::size_t column_ = 0;
};

} // namespace

std::vector<std::string> render(const Format& format, std::span<const Value> values) {
    return Renderer(values).run(format);
}

} // namespace veldran::text
