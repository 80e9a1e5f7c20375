#pragma once
/// Formatted records: a record is written from a list of field codes and a
/// list of values, the way the dialogue and the report describe their lines:
///
///     write(screen(), {SL, "   LAS ", I(3), " PROPIEDADES ...", SL}, {nmat});
///
/// Rendering (see render()): values are converted from their exact binary
/// value and rounded to nearest, ties to even.  A value too wide for its field
/// gives asterisks; Infinity and NaN are spelt out when they fit.

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace veldran::text {

/// One field code.
struct Code {
    enum Kind { Literal, Slash, Skip, Int, Fixed, Expo, Char, Group };
    Kind kind = Literal;
    int w = 0;              ///< width; blanks for Skip; repeat count for Group
    int d = 0;              ///< decimals of Fixed, mantissa digits of Expo
    std::string text;       ///< Literal
    std::vector<Code> items; ///< Group

    Code(const char* literal) : kind(Literal), text(literal) {}
    Code(Kind k, int width = 0, int digits = 0) : kind(k), w(width), d(digits) {}
};

using Format = std::vector<Code>;

inline const Code SL{Code::Slash};                       ///< `/`: end of record
inline Code X(int n) { return Code(Code::Skip, n); }     ///< `nX`
inline Code I(int w) { return Code(Code::Int, w); }      ///< `Iw`
inline Code F(int w, int d) { return Code(Code::Fixed, w, d); } ///< `Fw.d`
inline Code E(int w, int d) { return Code(Code::Expo, w, d); }  ///< `Ew.d`
inline const Code A1{Code::Char, 1};                     ///< `A1`
/// `k(...)`: the codes repeated k times
inline Code G(int k, Format items) {
    Code c(Code::Group, k);
    c.items = std::move(items);
    return c;
}

/// A value for a data code: integer for `Iw`, real for `Fw.d` / `Ew.d`,
/// character for `A1`.
using Value = std::variant<std::int32_t, float, char>;

/// The records (without line ends) that a formatted write produces.
std::vector<std::string> render(const Format& format, std::span<const Value> values);

/// Single fields, as a record of one code would show them.
std::string render_int(std::int32_t v, int w);
std::string render_fixed(float v, int w, int d);
std::string render_expo(float v, int w, int d);

} // namespace veldran::text
