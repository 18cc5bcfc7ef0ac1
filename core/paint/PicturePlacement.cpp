#include "core/paint/PicturePlacement.h"

#include "core/paint/Borders.h"
#include "core/paint/Colours.h"
#include "core/template/LittleEndian.h"

namespace paint {

namespace {

uint32_t Be16(const uint8_t* p) { return uint32_t(p[0]) << 8 | p[1]; }
uint32_t Be32(const uint8_t* p) { return Be16(p) << 16 | Be16(p + 2); }

Size Checked(int64_t w, int64_t h)
{
    constexpr int64_t kMaxSide = 1 << 16;
    if (w <= 0 || h <= 0 || w > kMaxSide || h > kMaxSide)
        return {};
    return {int32_t(w), int32_t(h)};
}

// The frame header (SOF0-SOF15 but DHT, JPG and DAC) after the markers before it.
Size JpegSize(std::span<const uint8_t> b)
{
    size_t at = 2;
    while (at + 9 <= b.size()) {
        if (b[at] != 0xFF)
            return {};
        const uint8_t marker = b[at + 1];
        if (marker == 0xFF) {
            ++at;
            continue;
        }
        const uint32_t length = Be16(&b[at + 2]);
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
            return Checked(Be16(&b[at + 7]), Be16(&b[at + 5]));
        if (length < 2)
            return {};
        at += 2 + length;
    }
    return {};
}

}  // namespace

Rect PictureTarget(int32_t mode, Size picture, const Rect& area)
{
    const int64_t pw = picture.w, ph = picture.h;
    const int64_t aw = area.w, ah = area.h;
    if (pw <= 0 || ph <= 0 || aw <= 0 || ah <= 0)
        return {};
    switch (PictureMode(mode)) {
    case PictureMode::Stretched: return area;
    case PictureMode::FittedCentred: {
        int64_t w = pw, h = ph;
        if (pw > aw || ph > ah) {
            // The side that overflows most decides the scale.
            if (pw * ah > ph * aw) {
                w = aw;
                h = ph * aw / pw;
            } else {
                h = ah;
                w = pw * ah / ph;
            }
        }
        return {area.x + int32_t((aw - w) / 2), area.y + int32_t((ah - h) / 2), int32_t(w), int32_t(h)};
    }
    default: return {area.x, area.y, picture.w, picture.h};
    }
}

void AddPicture(DisplayList& list, Size picture, int32_t mode, const Rect& area)
{
    const Rect target = PictureTarget(mode, picture, area);
    if (!target.Empty())
        list.push_back(PictureOp{area, target});
}

Size PictureFileSize(std::span<const uint8_t> b)
{
    const size_t n = b.size();
    if (n >= 4 && b[0] == 0xFF && b[1] == 0xD8)
        return JpegSize(b);
    if (n >= 24 && b[0] == 0x89 && b[1] == 'P' && b[2] == 'N' && b[3] == 'G')
        return Checked(Be32(&b[16]), Be32(&b[20]));
    if (n >= 10 && b[0] == 'G' && b[1] == 'I' && b[2] == 'F')
        return Checked(ReadLe16(&b[6]), ReadLe16(&b[8]));
    if (n >= 26 && b[0] == 'B' && b[1] == 'M') {
        if (ReadLe32(&b[14]) == 12)  // the old core header: 16-bit sides
            return Checked(ReadLe16(&b[18]), ReadLe16(&b[20]));
        const int64_t height = int32_t(ReadLe32(&b[22]));
        return Checked(int32_t(ReadLe32(&b[18])), height < 0 ? -height : height);
    }
    return {};
}

DisplayList PaintPicBox(const PicBoxProps& props, Size size, Size picture)
{
    DisplayList list;
    const Rect client = AddBorder(list, {0, 0, size.w, size.h}, props.border);
    if (client.Empty())
        return list;
    list.push_back(FillOp{client, ArgbFromWin(props.background)});
    AddPicture(list, picture, props.display_mode, client);
    return list;
}

}  // namespace paint
