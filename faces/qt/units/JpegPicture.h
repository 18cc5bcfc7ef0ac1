#pragma once
// Pictures held in picture properties as file data, turned into images for painting.
#include <QImage>

#include <cstdint>
#include <span>

// Decodes a JPEG held in memory with libjpeg into an RGB888 image. Grey and colour pictures
// (one or three components) are accepted; anything broken gives a null image and never ends
// the process: truncated or corrupt data, other component counts (CMYK), or a size beyond
// kMaxPictureSide per side or kMaxPicturePixels in all.
//   program/data/diagram.jpg -> 195 x 113     its first 1000 bytes -> null     {} -> null
QImage DecodeJpeg(std::span<const uint8_t> bytes);

// Decodes picture file data of any format a picture property may hold: JPEG through
// DecodeJpeg, other formats (PNG, BMP, GIF) through Qt's readers. Null when none can read it.
QImage DecodePicture(std::span<const uint8_t> bytes);

constexpr int kMaxPictureSide = 16384;
constexpr int64_t kMaxPicturePixels = int64_t{64} * 1024 * 1024;
