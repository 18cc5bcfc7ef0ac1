// The message catalogue as Windows reads it from its resource: msgfmt's output from po/zh.po,
// looked up by the English text; a cut or damaged catalogue translates nothing rather than
// reading outside its bytes.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "cli/MessageCatalogue.h"

namespace {

std::string CatalogueBytes()
{
    std::ifstream in(ANGLARIX_CALC_CATALOGUE, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

const struct {
    const char* english;
    const char* chinese;
} kRows[] = {
    {"the expression is empty", "表达式为空"},
    {"an angle is required", "角度必须输入"},
    {"a side is too large", "边长太大，溢出"},
    {"%s takes two values", "%s 需要两个值"},
    {"Try '%s --help' for more information.\n", "请用“%s --help”查看用法。\n"},
    {"unrecognized option '%s'", "无法识别的选项 '%s'"},
    {"no such message", nullptr},
    {"the expression is empt", nullptr},
};

TEST(MessageCatalogue, TranslatesByTheEnglishText)
{
    const std::string bytes = CatalogueBytes();
    ASSERT_FALSE(bytes.empty()) << ANGLARIX_CALC_CATALOGUE;
    const MessageCatalogue catalogue(bytes);
    for (const auto& row : kRows) {
        const char* translation = catalogue.Translate(row.english);
        if (row.chinese == nullptr)
            EXPECT_EQ(translation, nullptr) << row.english;
        else
            EXPECT_STREQ(translation, row.chinese) << row.english;
    }
    EXPECT_EQ(MessageCatalogue().Translate("the expression is empty"), nullptr);
}

// Every length the catalogue can be cut to, and every byte of its header and tables set to
// 0xFF: the right translation or none, and no read beyond the bytes (the sanitizer build).
TEST(MessageCatalogue, CutOrDamagedTranslatesNothingWrong)
{
    const std::string bytes = CatalogueBytes();
    const auto check = [](const MessageCatalogue& catalogue, size_t where) {
        for (const auto& row : kRows) {
            const char* translation = catalogue.Translate(row.english);
            if (translation != nullptr && row.chinese != nullptr)
                EXPECT_STREQ(translation, row.chinese) << "at " << where;
        }
    };
    for (size_t length = 0; length < bytes.size(); ++length) {
        const std::string cut = bytes.substr(0, length);
        check(MessageCatalogue(cut), length);
    }
    const size_t tables_end = std::min<size_t>(bytes.size(), 28 + 2 * 8 * 64);
    for (size_t at = 0; at < tables_end; ++at) {
        std::string damaged = bytes;
        damaged[at] = '\xFF';
        check(MessageCatalogue(damaged), at);
    }
}

}  // namespace
