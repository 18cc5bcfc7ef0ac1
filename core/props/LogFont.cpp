#include "core/props/LogFont.h"

#include <cstring>

#include "core/props/PropertySet.h"

const std::vector<uint8_t>& DefaultLogFont()
{
    static const std::vector<uint8_t> font = [] {
        std::vector<uint8_t> bytes(kLogFontSize, 0);
        logfont::WriteWord(bytes.data(), logfont::kHeight, -kGuiFontPixels);
        logfont::WriteWord(bytes.data(), logfont::kWeight, logfont::kWeightNormal);
        bytes[logfont::kCharSet] = logfont::kGb2312Charset;
        std::memcpy(bytes.data() + logfont::kFaceName, kGuiFontFamily, std::strlen(kGuiFontFamily));
        return bytes;
    }();
    return font;
}
