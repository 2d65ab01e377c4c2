#include "mesh/text.h"
#include "vector_expectations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace {

using objl::afterLeadingToken;
using objl::elementAtObjIndex;
using objl::leadingToken;
using objl::readFloat;
using objl::readInt;
using objl::splitOn;
using objl::trimTrailingLineBreaks;

struct TokenCase {
    std::string line;
    std::string leading;
    std::string after;
};

TEST(LineTokens, KeywordAndRest) {
    const TokenCase cases[] = {
        {"", "", ""},
        {" \t  ", "", ""},
        {"   v 1 2 3", "v", "1 2 3"},
        {"\tNs 32", "Ns", "32"},
        {"v  -1.0000 1.0000 0.0000", "v", "-1.0000 1.0000 0.0000"},
        {"f 1/1/1 2/2/1 3/3/1 ", "f", "1/1/1 2/2/1 3/3/1"},
        {"o Two  Words\t", "o", "Two  Words"},
        {"vt\t0 1", "vt", "0 1"},
        // Only spaces and tabs are blanks: line breaks stay with the word or the rest.
        {"newmtl\r", "newmtl\r", ""},
        {"Ns 32\r", "Ns", "32\r"},
        {"o", "o", ""},
        {"o \t ", "o", ""},
    };
    for (const TokenCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.line));
        EXPECT_EQ(leadingToken(c.line), c.leading);
        EXPECT_EQ(afterLeadingToken(c.line), c.after);
    }
}

struct SplitCase {
    std::string text;
    char separator;
    std::vector<std::string> parts;
};

TEST(SplitOn, EverySeparatorEndsOnePart) {
    const SplitCase cases[] = {
        {"1/1/1", '/', {"1", "1", "1"}},
        {"3//1", '/', {"3", "", "1"}},
        {"3/1", '/', {"3", "1"}},
        {"3", '/', {"3"}},
        {"3/", '/', {"3"}},
        {"/3", '/', {"", "3"}},
        {"//", '/', {"", ""}},
        {"", '/', {}},
        {"a  b", ' ', {"a", "", "b"}},
        {"a\tb c", ' ', {"a\tb", "c"}},
    };
    for (const SplitCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        std::vector<std::string> parts = {"left", "over"};
        splitOn(c.text, c.separator, parts);
        EXPECT_EQ(parts, c.parts);
    }
}

TEST(TrimTrailingLineBreaks, CutsBreaksUnlessNothingElseIsLeft) {
    const std::pair<std::string, std::string> cases[] = {
        {"wire\r\n", "wire"}, {"wire", "wire"},     {"a\rb\n\r", "a\rb"},
        {"\r", "\r"},         {"\r\n\r", "\r\n\r"}, {"", ""},
    };
    for (const auto& [text, trimmed] : cases) {
        SCOPED_TRACE(testing::PrintToString(text));
        std::string changed = text;
        EXPECT_EQ(&trimTrailingLineBreaks(changed), &changed);
        EXPECT_EQ(changed, trimmed);
    }
}

TEST(ReadFloat, ReadsTheDecimalNumberAtTheStart) {
    const float infinity = std::numeric_limits<float>::infinity();
    const std::pair<std::string, float> cases[] = {
        {"0.3412\r", 0.3412f}, {"32", 32.0f},    {"-0.0000", -0.0f}, {" \t\r\n+1.5e2x", 150},
        {".5", 0.5f},          {"5.", 5.0f},     {"-.5e-1", -0.05f}, {"1e", 1.0f},
        {"2E+", 2.0f},         {"0x1p3", 0.0f},  {"1.5.5", 1.5f},    {"1e39", infinity},
        {"-1e39", -infinity},  {"1e-310", 0.0f},
    };
    for (const auto& [text, value] : cases) {
        SCOPED_TRACE(testing::PrintToString(text));
        const std::optional<float> read = readFloat(text);
        ASSERT_TRUE(read.has_value());
        EXPECT_PRED2(mesh_test::sameFloat, *read, value);
    }
}

TEST(ReadFloat, FailsWithoutADecimalNumber) {
    const std::string cases[] = {"",   " \r", "abc", "-",   "+",     ".",      "+-1",
                                 "e5", "-e5", "inf", "nan", "1e400", "-1e400", "1e-400"};
    for (const std::string& text : cases) {
        SCOPED_TRACE(testing::PrintToString(text));
        EXPECT_FALSE(readFloat(text).has_value());
    }
}

TEST(ReadInt, ReadsTheBase10NumberAtTheStart) {
    const std::pair<std::string, std::int32_t> cases[] = {
        {"2\r", 2},
        {"-7", -7},
        {"+12", 12},
        {"\t 42abc", 42},
        {"007", 7},
        {"3.9", 3},
        {"2147483647", std::numeric_limits<std::int32_t>::max()},
        {"-2147483648", std::numeric_limits<std::int32_t>::min()},
    };
    for (const auto& [text, value] : cases) {
        SCOPED_TRACE(testing::PrintToString(text));
        EXPECT_EQ(readInt(text), value);
    }
}

TEST(ReadInt, FailsWithoutDigitsOrOutside32Bits) {
    const std::string cases[] = {"",
                                 "x1",
                                 "-",
                                 "+-1",
                                 "2147483648",
                                 "-2147483649",
                                 "1" + std::string(40, '0'),
                                 "-99999999999999999999"};
    for (const std::string& text : cases) {
        SCOPED_TRACE(testing::PrintToString(text));
        EXPECT_FALSE(readInt(text).has_value());
    }
}

TEST(ElementAtObjIndex, CountsFromOneOrFromTheEnd) {
    const std::vector<int> list = {10, 20, 30, 40};
    const std::pair<std::string, int> found[] = {{"1", 10},  {"4", 40},    {"-1", 40},
                                                 {"-4", 10}, {"2abc", 20}, {" 3", 30}};
    for (const auto& [index, element] : found) {
        SCOPED_TRACE(index);
        const int* at = elementAtObjIndex(list, index);
        ASSERT_NE(at, nullptr);
        EXPECT_EQ(at, &list[static_cast<std::size_t>(element / 10 - 1)]);
    }
}

TEST(ElementAtObjIndex, NamesNothingOutsideTheList) {
    const std::vector<int> list = {10, 20, 30, 40};
    for (const std::string index : {"0", "5", "-5", "x", "", "-2147483648", "2147483647"}) {
        SCOPED_TRACE(index);
        EXPECT_EQ(elementAtObjIndex(list, index), nullptr);
    }
    EXPECT_EQ(elementAtObjIndex(std::vector<int>{}, "-1"), nullptr);
}

} // namespace
