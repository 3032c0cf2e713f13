// A minimal PNG writer: 8-bit RGB, no filtering, the image data in stored (uncompressed)
// deflate blocks. Enough for a picture of a dialog, with nothing to link.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zub::png {

uint32_t crc32(const uint8_t* data, size_t size, uint32_t crc = 0);
uint32_t adler32(const uint8_t* data, size_t size, uint32_t adler = 1);

// The zlib stream of the data in stored blocks of at most 65535 bytes.
std::vector<uint8_t> storedZlib(const std::vector<uint8_t>& data);

// The PNG file of an image whose rows run top to bottom, 3 bytes a pixel (red, green,
// blue), with no padding between rows.
std::vector<uint8_t> encodeRgb(int width, int height, const std::vector<uint8_t>& rgb);

// Writes the bytes to a file; false when the file cannot be written.
bool writeFile(const std::string& path, const std::vector<uint8_t>& bytes);

} // namespace zub::png
