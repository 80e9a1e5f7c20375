// Rendering of formatted records, against hand-worked expectations.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "driver/text/format.h"

using namespace veldran::text;

namespace {

const float inf_ = std::numeric_limits<float>::infinity();
const float qnan = std::numeric_limits<float>::quiet_NaN();

struct FieldCase {
    Code code;
    Value value;
    const char* expected;
};

std::string one(const Code& c, const Value& v) {
    const Value vs[] = {v};
    const auto r = render({c}, vs);
    return r.size() == 1 ? r[0] : "<" + std::to_string(r.size()) + " records>";
}

} // namespace

TEST(FormattedField, RendersEachCodeAsTheFieldListSays) {
    const FieldCase cases[] = {
        // Iw
        {I(3), 7, "  7"},
        {I(2), 100, "**"},
        {I(2), -5, "-5"},
        {I(2), -10, "**"},
        {I(5), 0, "    0"},
        // Fw.d
        {F(7, 1), 22.0f, "   22.0"},
        {F(5, 2), 0.3f, " 0.30"},
        {F(8, 6), 0.000125f, "0.000125"},
        {F(8, 6), 10.0f, "********"},
        {F(5, 2), 0.125f, " 0.12"},  // tie on the exact binary value: to even
        {F(5, 2), 0.375f, " 0.38"},
        {F(7, 1), -0.0f, "   -0.0"},  // negative zero keeps its sign
        {F(4, 2), 0.5f, "0.50"},
        {F(3, 2), 0.5f, ".50"},       // no column left for the zero
        {F(5, 2), -0.5f, "-0.50"},
        {F(4, 2), -0.5f, "-.50"},
        {F(9, 6), 0.125f, " 0.125000"},
        {F(7, 2), -90.0f, " -90.00"},
        {F(7, 1), 1.0e30f, "*******"},
        // Ew.d
        {E(12, 6), 12.5f, "0.125000E+02"},
        {E(12, 6), -12.5f, "-.125000E+02"},
        {E(13, 6), 12.5f, " 0.125000E+02"},
        {E(13, 6), -12.5f, "-0.125000E+02"},
        {E(10, 3), 0.000125f, " 0.125E-03"},
        {E(10, 3), -0.000125f, "-0.125E-03"},
        {E(12, 5), 0.5f, " 0.50000E+00"},
        {E(12, 6), 0.0f, "0.000000E+00"},
        {E(12, 6), -0.0f, "-.000000E+00"},
        {E(12, 6), 0.9999996f, "0.100000E+01"}, // the rounding carries
        {E(12, 6), 1.0e30f, "0.100000E+31"},
        {E(12, 6), -1.0e30f, "-.100000E+31"},
        {E(10, 3), 181.0e9f, " 0.181E+12"},
        {E(13, 6), 1.0e-45f, " 0.140130E-44"},
        {E(5, 3), 1.0f, "*****"},
        {E(10, 3), 0.0005f, " 0.500E-03"},
        // Infinity and NaN
        {E(12, 6), inf_, "    Infinity"},
        {E(12, 6), -inf_, "   -Infinity"},
        {F(7, 1), inf_, "    Inf"},
        {F(8, 1), -inf_, "    -Inf"},
        {F(9, 1), -inf_, "-Infinity"},
        {F(3, 1), -inf_, "***"},
        {E(12, 6), qnan, "         NaN"},
        {E(12, 6), -qnan, "         NaN"},
        {F(3, 1), qnan, "NaN"},
        {F(2, 1), qnan, "**"},
        // A1
        {A1, 'Y', "Y"},
    };
    for (const auto& c : cases) EXPECT_EQ(one(c.code, c.value), c.expected) << c.expected;
}

TEST(FormattedRecord, LiteralsSlashesAndSkips) {
    EXPECT_EQ(render({SL, "   INTRODUZCA EL ESPESOR DEL MATERIAL:", SL}, {}),
              (std::vector<std::string>{"", "   INTRODUZCA EL ESPESOR DEL MATERIAL:", ""}));
    EXPECT_EQ(render({SL, SL, "A"}, {}), (std::vector<std::string>{"", "", "A"}));
    EXPECT_EQ(render({"A", SL}, {}), (std::vector<std::string>{"A", ""}));
    const Value seven[] = {7};
    EXPECT_EQ(render({X(5), I(2)}, seven), std::vector<std::string>{"      7"});
    EXPECT_EQ(render({I(2), X(5)}, seven), std::vector<std::string>{" 7"});
    EXPECT_EQ(render({}, {}), std::vector<std::string>{""});
}

TEST(FormattedRecord, ValuesRunOutAtTheFirstDataCodeWithoutAValue) {
    // The thermal-properties row: four values for five data codes.
    const Value row[] = {1, 1.0e-6f, 2.0e-5f, 0.005f};
    const auto r = render({I(3), X(1), G(4, {E(10, 3)}), X(1), F(9, 6)}, row);
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0], "  1  0.100E-05 0.200E-04 0.500E-02");
    EXPECT_EQ(r[0].size(), 34u);
    // Literals and slashes before the first code without a value still appear.
    const Value k[] = {3};
    EXPECT_EQ(render({" N=", I(2), " END", SL, "  M=", I(2), "X"}, k),
              (std::vector<std::string>{" N= 3 END", "  M="}));
    // A format ending with a literal after its last data code prints it.
    const Value v[] = {2.0f};
    EXPECT_EQ(render({"(", F(4, 1), ")"}, v), std::vector<std::string>{"( 2.0)"});
}

TEST(FormattedRecord, ValuesLeftOverTakeTheLastGroupAgain) {
    const Value six[] = {1, 2, 3, 4, 5, 6};
    EXPECT_EQ(render({"R", G(2, {I(2)})}, six),
              (std::vector<std::string>{"R 1 2", " 3 4", " 5 6"}));
    EXPECT_EQ(render({I(2), ":"}, std::span<const Value>(six, 3)),
              (std::vector<std::string>{" 1:", " 2:", " 3:"}));
    // A matrix row: 6(E12.5, 1X) ends without trailing blanks.
    const Value row[] = {1.0f, 0.0f, -2.5f, 3.0e5f, 1.0e-3f, -0.0f};
    EXPECT_EQ(render({G(6, {E(12, 5), X(1)})}, row),
              std::vector<std::string>{" 0.10000E+01  0.00000E+00 -0.25000E+01  0.30000E+06 "
                                       " 0.10000E-02 -0.00000E+00"});
}
