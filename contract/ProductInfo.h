#pragma once
// What the program says about itself: in the window program, the desktop entry, the AppStream
// metainfo and both programs' `--version`. Plain constants, so the command-line tool can use
// them without Qt. The version follows the CMake project version (a test keeps them equal).
namespace product {

inline constexpr char kName[] = "Anglarix";
inline constexpr char kVersion[] = "1.0.0.0";
// The SPDX name of the LICENSE file at the root, as the metainfo's project_license gives it.
inline constexpr char kLicense[] = "MIT";
inline constexpr char kCopyright[] = "Copyright (c) 2024-2026 Anglarix developers";
// The Chinese summary, UTF-8: 根据正弦、余弦、正切值计算角度
inline constexpr char kDescription[] =
    "\xE6\xA0\xB9\xE6\x8D\xAE\xE6\xAD\xA3\xE5\xBC\xA6\xE3\x80\x81\xE4\xBD\x99\xE5\xBC\xA6\xE3\x80\x81"
    "\xE6\xAD\xA3\xE5\x88\x87\xE5\x80\xBC\xE8\xAE\xA1\xE7\xAE\x97\xE8\xA7\x92\xE5\xBA\xA6";

}  // namespace product
