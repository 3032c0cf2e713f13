// A small icon file for commands that load icons, and a check that an icon still lives.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace zub {

// A 16x16 icon file with one 32-bit image: a blue square.
inline std::string smallIconFile()
{
    std::string bytes;
    auto put16 = [&](uint16_t v) { bytes.push_back(char(v & 0xFF)); bytes.push_back(char(v >> 8)); };
    auto put32 = [&](uint32_t v) { put16(uint16_t(v & 0xFFFF)); put16(uint16_t(v >> 16)); };
    const uint32_t imageSize = 40 + 16 * 16 * 4 + 16 * 4;
    put16(0); put16(1); put16(1);                           // icon directory: one image
    bytes.push_back(16); bytes.push_back(16);               // width, height
    bytes.push_back(0); bytes.push_back(0);                 // no palette
    put16(1); put16(32); put32(imageSize); put32(6 + 16);   // planes, bits, size, offset
    put32(40); put32(16); put32(32); put16(1); put16(32);   // header: height counts both masks
    put32(0); put32(16 * 16 * 4); put32(0); put32(0); put32(0); put32(0);
    for (int i = 0; i < 16 * 16; ++i) put32(0xFF0000FF);    // opaque blue
    for (int i = 0; i < 16 * 4; ++i) bytes.push_back(0);    // AND mask: all shown
    return bytes;
}

inline bool isIcon(HICON icon)
{
    ICONINFO info = {};
    if (!GetIconInfo(icon, &info)) return false;
    if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
    if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
    return true;
}

} // namespace zub
