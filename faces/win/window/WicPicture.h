#pragma once
// Pictures decoded by the system's imaging component (WIC).
#include "faces/win/window/WinApi.h"

#include <cstdint>
#include <span>

// A picture file (JPEG, PNG, BMP, GIF) as a 32-bit top-down bitmap; null when it does not decode.
HBITMAP DecodePicture(std::span<const uint8_t> bytes);
