#include "png.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <stdexcept>

namespace zub::png {

namespace {

const std::array<uint32_t, 256>& crcTable()
{
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    return table;
}

void putBig32(std::vector<uint8_t>& out, uint32_t v)
{
    out.push_back(static_cast<uint8_t>(v >> 24));
    out.push_back(static_cast<uint8_t>(v >> 16));
    out.push_back(static_cast<uint8_t>(v >> 8));
    out.push_back(static_cast<uint8_t>(v));
}

void putChunk(std::vector<uint8_t>& out, const char type[4], const std::vector<uint8_t>& data)
{
    putBig32(out, static_cast<uint32_t>(data.size()));
    const size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    putBig32(out, crc32(out.data() + start, out.size() - start));
}

} // namespace

uint32_t crc32(const uint8_t* data, size_t size, uint32_t crc)
{
    const auto& table = crcTable();
    uint32_t c = crc ^ 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i) c = table[(c ^ data[i]) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

uint32_t adler32(const uint8_t* data, size_t size, uint32_t adler)
{
    uint32_t a = adler & 0xFFFF, b = adler >> 16;
    for (size_t i = 0; i < size; ++i) {
        a = (a + data[i]) % 65521;
        b = (b + a) % 65521;
    }
    return b << 16 | a;
}

std::vector<uint8_t> storedZlib(const std::vector<uint8_t>& data)
{
    std::vector<uint8_t> out = {0x78, 0x01}; // deflate, 32K window, no dictionary, fastest
    size_t pos = 0;
    do {
        const size_t length = std::min<size_t>(65535, data.size() - pos);
        const bool last = pos + length == data.size();
        out.push_back(last ? 1 : 0); // BFINAL, BTYPE 00 (stored)
        out.push_back(static_cast<uint8_t>(length));
        out.push_back(static_cast<uint8_t>(length >> 8));
        out.push_back(static_cast<uint8_t>(~length));
        out.push_back(static_cast<uint8_t>(~length >> 8));
        out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(pos),
                   data.begin() + static_cast<std::ptrdiff_t>(pos + length));
        pos += length;
    } while (pos < data.size());
    putBig32(out, adler32(data.data(), data.size()));
    return out;
}

std::vector<uint8_t> encodeRgb(int width, int height, const std::vector<uint8_t>& rgb)
{
    if (width <= 0 || height <= 0) throw std::invalid_argument("an image needs a positive size");
    const size_t row = static_cast<size_t>(width) * 3;
    if (rgb.size() != row * static_cast<size_t>(height)) throw std::invalid_argument("pixel data of the wrong size");

    std::vector<uint8_t> raw;
    raw.reserve((row + 1) * static_cast<size_t>(height));
    for (int y = 0; y < height; ++y) {
        raw.push_back(0); // filter: none
        raw.insert(raw.end(), rgb.begin() + static_cast<std::ptrdiff_t>(row * y),
                   rgb.begin() + static_cast<std::ptrdiff_t>(row * (y + 1)));
    }

    std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> header;
    putBig32(header, static_cast<uint32_t>(width));
    putBig32(header, static_cast<uint32_t>(height));
    header.insert(header.end(), {8, 2, 0, 0, 0}); // 8 bits, RGB, deflate, no filter set, no interlace
    putChunk(out, "IHDR", header);
    putChunk(out, "IDAT", storedZlib(raw));
    putChunk(out, "IEND", {});
    return out;
}

bool writeFile(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

} // namespace zub::png
