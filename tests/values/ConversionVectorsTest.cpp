// The shared conversion vectors (tonumber.tsv, totext_double.tsv, totext_float.tsv), read from
// the folder named by ANGLARIX_VECTORS_DIR; skipped when the folder is not there.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/values/CommandCall.h"
#include "values/NumberText.h"
#include "values/Bits.h"

namespace {

using Row = std::vector<std::string>;

// The rows of a vector file, without its "# " header; skips the test when the folder is absent.
std::vector<Row> ReadVectors(const char* name, size_t columns)
{
    const char* dir = std::getenv("ANGLARIX_VECTORS_DIR");
    if (dir == nullptr || !std::filesystem::is_directory(dir))
        return {};
    std::ifstream file(std::filesystem::path(dir) / name);
    EXPECT_TRUE(file.is_open()) << name;
    std::vector<Row> rows;
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        Row row;
        std::stringstream fields(line);
        std::string field;
        while (std::getline(fields, field, '\t'))
            row.push_back(field);
        while (row.size() < columns)  // a trailing empty field
            row.emplace_back();
        EXPECT_EQ(row.size(), columns) << line;
        rows.push_back(std::move(row));
    }
    EXPECT_FALSE(rows.empty()) << name;
    return rows;
}

bool VectorsPresent()
{
    const char* dir = std::getenv("ANGLARIX_VECTORS_DIR");
    return dir != nullptr && std::filesystem::is_directory(dir);
}

std::string FromHex(const std::string& hex)
{
    std::string bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes.push_back(char(std::stoi(hex.substr(i, 2), nullptr, 16)));
    return bytes;
}

uint64_t HexBits(const std::string& hex) { return std::stoull(hex, nullptr, 16); }

TEST(ConversionVectors, ToNumberAndToFloat)
{
    if (!VectorsPresent())
        GTEST_SKIP() << "ANGLARIX_VECTORS_DIR is not a folder";
    // id group input_hex input_escaped double_bits double_repr alt_double_bits float_bits ...
    for (const Row& row : ReadVectors("tonumber.tsv", 11)) {
        const std::string text = FromHex(row[2]);
        const TypedValue value = TypedValue::Text(text.c_str());
        EXPECT_EQ(RunCommand(ToNumber, {value}).payload, HexBits(row[4]))
            << row[0] << " ToNumber " << row[3] << " (" << row[5] << ")";
        EXPECT_EQ(RunCommand(ToFloat, {value}).payload, HexBits(row[7]))
            << row[0] << " ToFloat " << row[3] << " (" << row[8] << ")";
    }
}

TEST(ConversionVectors, ToTextOfDoubles)
{
    if (!VectorsPresent())
        GTEST_SKIP() << "ANGLARIX_VECTORS_DIR is not a folder";
    // id group bits expected alt repr tags
    for (const Row& row : ReadVectors("totext_double.tsv", 7)) {
        const TypedValue value{HexBits(row[2]), TYPE_DOUBLE};
        EXPECT_EQ(TakeText(RunCommand(ToText, {value})), row[3]) << row[0] << ' ' << row[5];
    }
}

TEST(ConversionVectors, ToTextOfFloats)
{
    if (!VectorsPresent())
        GTEST_SKIP() << "ANGLARIX_VECTORS_DIR is not a folder";
    // id group bits expected alt repr round6_bits tags
    for (const Row& row : ReadVectors("totext_float.tsv", 8)) {
        const auto bits = uint32_t(HexBits(row[2]));
        EXPECT_EQ(TakeText(RunCommand(ToText, {{bits, TYPE_FLOAT}})), row[3]) << row[0] << ' ' << row[5];
        if (row[6] != "-") {
            EXPECT_EQ(BitCast<uint64_t>(RoundToSixDigits(BitCast<float>(bits))), HexBits(row[6]))
                << row[0] << " RoundToSixDigits " << row[5];
        }
    }
}

}  // namespace
