#include "core/int_text.h"

#include <gtest/gtest.h>

#include <string>

namespace orvex {
namespace {

TEST(IntText, AcceptsDecimalAndHexadecimalForms)
{
    struct Case {
        const char* text;
        std::int32_t value;
    };
    const Case cases[] = {
        {"0", 0},
        {"144", 144},
        {"-7", -7},
        {"+12", 12},
        {"   42", 42},
        {"007", 7},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"$1F", 31},
        {"$ff", 255},
        {"0x10", 16},
        {"0XaB", 171},
        {"-$10", -16},
        {" -0x10", -16},
        {"$FFFFFFFF", -1},
        {"$7FFFFFFF", 2147483647},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StrToInt(c.text), c.value) << c.text;
}

TEST(IntText, RefusesAnythingElseWithTheUsualMessage)
{
    const char* refused[] = {"",         " ",         "abc",        "12a",  "1 ",  "1.5",
                             "--1",      "+-1",       "2147483648", "-2147483649", "$",
                             "0x",       "$1G",       "$100000000", "1e3", "- 1", "\t1",
                             "99999999999999999999"};
    for (const char* text : refused) {
        try {
            StrToInt(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const IntConversionError& error) {
            EXPECT_EQ(std::string(error.what()), "'" + std::string(text) + "' is not a valid integer value");
        }
    }
}

} // namespace
} // namespace orvex
