// Free-form records: the writer's columns and the reader's rules.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "driver/text/console.h"

using namespace veldran::text;

namespace {
using Records = std::vector<std::string>;
}

TEST(FreeFormWrite, RealsIntegersAndTexts) {
    const struct {
        std::vector<FreeItem> items;
        Records expected;
    } cases[] = {
        {{std::string("EL TRABAJO TERMINO CON NORMALIDAD")}, {" EL TRABAJO TERMINO CON NORMALIDAD"}},
        {{std::string("  ")}, {"   "}},
        {{3, 0.25f}, {"           3  0.2500000    "}},
        {{7}, {"           7"}},
        {{1.0f}, {"   1.000000    "}},
        {{0.28f}, {"  0.2800000    "}},
        {{250.5f}, {"   250.5000    "}},
        {{1234567.0f}, {"   1234567.    "}},
        {{-0.5f}, {" -0.5000000    "}},
        {{0.1f}, {"  0.1000000    "}},
        {{9999999.0f}, {"   9999999.    "}},
        {{9.9999999f}, {"   10.00000    "}},     // the choice is made after rounding
        {{0.099999994f}, {"  9.9999994E-02"}},   // just below the fixed range
        {{0.0f}, {"  0.0000000E+00"}},
        {{-0.0f}, {" -0.0000000E+00"}},
        {{0.05f}, {"  5.0000001E-02"}},          // the binary value shows
        {{0.01f}, {"  9.9999998E-03"}},
        {{2.0e7f}, {"  2.0000000E+07"}},
        {{-2.0e-5f}, {" -1.9999999E-05"}},
        {{181.0e9f}, {"  1.8100000E+11"}},
        {{std::numeric_limits<float>::infinity()}, {"       Infinity"}},
        {{-std::numeric_limits<float>::infinity()}, {"      -Infinity"}},
        {{std::numeric_limits<float>::quiet_NaN()}, {"            NaN"}},
        {{1, std::string("AB"), std::string("C"), 2}, {"           1 ABC           2"}},
        {{}, {""}},
    };
    for (const auto& c : cases) EXPECT_EQ(render_free(c.items), c.expected);
}

TEST(FreeFormWrite, SevenRealsWrapAfterTheFifth) {
    const auto r = render_free({181.0e9f, 10.3e9f, 0.28f, 7.17e9f, 2.0e-8f, 22.5e-6f, 1.25e-4f});
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0].size(), 75u);
    EXPECT_EQ(r[0], "  1.8100000E+11  1.0300000E+10  0.2800000      7.1699999E+09  2.0000000E-08");
    EXPECT_EQ(r[1], "  2.2500000E-05  1.2500001E-04");
    // A text that does not fit starts the next record after one blank.
    const auto t = render_free({std::string(70, 'A'), std::string("BCDEFGHIJKLM")});
    EXPECT_EQ(t, (Records{" " + std::string(70, 'A'), " BCDEFGHIJKLM"}));
}

namespace {

struct ReadCase {
    const char* input;
    int nvars;             // reals read
    ReadStatus status;
    std::vector<float> expected; // all three variables afterwards (start 7, 8, 9)
};

} // namespace

TEST(FreeFormRead, SeparatorsNullsSlashesAndRepeats) {
    const ReadCase cases[] = {
        {"1.5,,3\n", 3, ReadStatus::Ok, {1.5f, 8, 3}},
        {"1.5 /\n", 3, ReadStatus::Ok, {1.5f, 8, 9}},
        {"1.5\n\n2 3\n", 3, ReadStatus::Ok, {1.5f, 2, 3}},
        {"1.5\n,3\n", 2, ReadStatus::Ok, {1.5f, 3, 9}},   // blanks, line end and one comma: one separator
        {",3\n", 2, ReadStatus::Ok, {7, 3, 9}},           // a comma first: null
        {" , , 4\n", 3, ReadStatus::Ok, {7, 8, 4}},
        {"1,\n,3\n", 3, ReadStatus::Ok, {1, 8, 3}},
        {"2,5\n", 1, ReadStatus::Ok, {2, 8, 9}},
        {"2,5\n", 2, ReadStatus::Ok, {2, 5, 9}},
        {"\t1\t2\t3\n", 3, ReadStatus::Ok, {1, 2, 3}},
        {"3*2.5\n", 3, ReadStatus::Ok, {2.5f, 2.5f, 2.5f}},
        {"2* 4\n", 3, ReadStatus::Ok, {7, 8, 4}},
        {"5*1\n", 2, ReadStatus::Ok, {1, 1, 9}},          // copies beyond the last are dropped
        {"1.5E2 2D-1 -3e+1\n", 3, ReadStatus::Ok, {150, 0.2f, -30}},
        {"1. .5 +4\n", 3, ReadStatus::Ok, {1, 0.5f, 4}},
        {"1e39 -1e39 1e-50\n", 3, ReadStatus::Ok,
         {std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity(), 0}},
        {"1.5/2\n", 3, ReadStatus::Ok, {1.5f, 8, 9}},
        {"1.5\r\n2\r\n3", 3, ReadStatus::Ok, {1.5f, 2, 3}}, // CR LF, and a last line without LF
        {"1 2 3 abc\n", 3, ReadStatus::Ok, {1, 2, 3}},      // the rest of the line is not looked at
        {"1 abc 3\n", 3, ReadStatus::Error, {1, 8, 9}},
        {"0*5\n", 1, ReadStatus::Error, {7, 8, 9}},
        {"1.5.2\n", 1, ReadStatus::Error, {7, 8, 9}},
        {"E5\n", 1, ReadStatus::Error, {7, 8, 9}},
        {"1E\n", 1, ReadStatus::Error, {7, 8, 9}},
        {"inf\n", 1, ReadStatus::Error, {7, 8, 9}},
        {"1;2\n", 1, ReadStatus::Error, {7, 8, 9}},
        {"1\r5\n", 1, ReadStatus::Error, {7, 8, 9}},       // a CR inside a line is a character
        {"", 1, ReadStatus::End, {7, 8, 9}},
        {"1.5\n\n", 2, ReadStatus::End, {1.5f, 8, 9}},
    };
    for (const auto& c : cases) {
        float v[3] = {7, 8, 9};
        std::vector<Var> vars;
        for (int i = 0; i < c.nvars; ++i) vars.push_back(&v[i]);
        TextSource src(c.input);
        EXPECT_EQ(try_list_read(src, vars), c.status) << c.input;
        for (int i = 0; i < 3; ++i) EXPECT_EQ(v[i], c.expected[static_cast<std::size_t>(i)]) << c.input;
    }
}

TEST(FreeFormRead, IntegerVariables) {
    const struct {
        const char* input;
        ReadStatus status;
        std::int32_t expected;
    } cases[] = {
        {"5 abc\n", ReadStatus::Ok, 5},     {"-12\n", ReadStatus::Ok, -12},
        {"+3\n", ReadStatus::Ok, 3},        {"2147483647\n", ReadStatus::Ok, 2147483647},
        {"-2147483648\n", ReadStatus::Ok, -2147483647 - 1},
        {"2.5\n", ReadStatus::Error, 0},    {"2147483648\n", ReadStatus::Error, 0},
        {"1E2\n", ReadStatus::Error, 0},    {"abc\n", ReadStatus::Error, 0},
        {"\n\n", ReadStatus::End, 0},
    };
    for (const auto& c : cases) {
        std::int32_t n = 0;
        TextSource src(c.input);
        EXPECT_EQ(try_list_read(src, {&n}), c.status) << c.input;
        EXPECT_EQ(n, c.expected) << c.input;
    }
}

TEST(FreeFormRead, EveryReadStartsOnANewLine) {
    TextSource src("1 2 3\n4\n");
    std::int32_t a = 0, b = 0;
    ASSERT_EQ(try_list_read(src, {&a}), ReadStatus::Ok);
    ASSERT_EQ(try_list_read(src, {&b}), ReadStatus::Ok);
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 4);
}

TEST(OneCharacterRead, FirstCharacterOrBlank) {
    TextSource src("SI\n\n  N\nn");
    char c = 0;
    const char expected[] = {'S', ' ', ' ', 'n'};
    for (char e : expected) {
        ASSERT_EQ(try_read_char(src, c), ReadStatus::Ok);
        EXPECT_EQ(c, e);
    }
    EXPECT_EQ(try_read_char(src, c), ReadStatus::End);
}
