#pragma once
// Table-driven checks of the engine's text-to-text functions: {input, expected} rows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

struct TextCase {
    std::string input;
    std::string expected;
};

template <typename Function>
void ExpectTexts(Function function, const std::vector<TextCase>& cases)
{
    for (const TextCase& c : cases)
        EXPECT_EQ(function(c.input), c.expected) << "input: " << c.input;
}
