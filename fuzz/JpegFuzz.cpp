// Feeds arbitrary bytes to the picture decoder: it must answer with an image or a null image,
// never crash, exit, read out of bounds or hang. Seed it with program/data/diagram.jpg.
#include "faces/qt/units/JpegPicture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QImage image = DecodeJpeg({data, size});
    if (!image.isNull() && (image.width() > kMaxPictureSide || image.height() > kMaxPictureSide))
        __builtin_trap();
    return 0;
}
