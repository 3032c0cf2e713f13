// The PNG writer: checksums, stored deflate blocks and the file layout.
#include "png.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using namespace zub::png;

uint32_t big32(const std::vector<uint8_t>& b, size_t at)
{
    return uint32_t(b[at]) << 24 | uint32_t(b[at + 1]) << 16 | uint32_t(b[at + 2]) << 8 | b[at + 3];
}

// Reads back a zlib stream made of stored blocks; fails the test on anything else.
std::vector<uint8_t> inflateStored(const std::vector<uint8_t>& z)
{
    std::vector<uint8_t> out;
    EXPECT_EQ(0x78, z[0]);
    EXPECT_EQ(0u, (uint32_t(z[0]) << 8 | z[1]) % 31) << "header check bits";
    size_t pos = 2;
    for (;;) {
        const uint8_t head = z[pos];
        EXPECT_EQ(0, head & 6) << "a stored block";
        const unsigned len = z[pos + 1] | z[pos + 2] << 8;
        const unsigned nlen = z[pos + 3] | z[pos + 4] << 8;
        EXPECT_EQ(0xFFFFu, len ^ nlen);
        out.insert(out.end(), z.begin() + pos + 5, z.begin() + pos + 5 + len);
        pos += 5 + len;
        if (head & 1) break;
    }
    EXPECT_EQ(adler32(out.data(), out.size()), big32(z, pos));
    EXPECT_EQ(z.size(), pos + 4);
    return out;
}

TEST(Png, ChecksumsOfKnownTexts)
{
    const char* iend = "IEND";
    EXPECT_EQ(0xAE426082u, crc32(reinterpret_cast<const uint8_t*>(iend), 4));
    const char* check = "123456789";
    EXPECT_EQ(0xCBF43926u, crc32(reinterpret_cast<const uint8_t*>(check), 9));
    const char* wiki = "Wikipedia";
    EXPECT_EQ(0x11E60398u, adler32(reinterpret_cast<const uint8_t*>(wiki), 9));
    EXPECT_EQ(1u, adler32(nullptr, 0));
}

TEST(Png, StoredBlocksSplitAt65535AndRoundTrip)
{
    for (size_t size : {size_t(0), size_t(1), size_t(65535), size_t(65536), size_t(200000)}) {
        std::vector<uint8_t> data(size);
        for (size_t i = 0; i < size; ++i) data[i] = static_cast<uint8_t>(i * 7 + i / 300);
        const std::vector<uint8_t> z = storedZlib(data);
        const size_t blocks = size == 0 ? 1 : (size + 65534) / 65535;
        EXPECT_EQ(2 + 5 * blocks + size + 4, z.size()) << size;
        EXPECT_EQ(data, inflateStored(z)) << size;
    }
}

TEST(Png, FileLayout)
{
    // Two pixels wide, one high: red, then blue.
    const std::vector<uint8_t> file = encodeRgb(2, 1, {255, 0, 0, 0, 0, 255});
    const uint8_t signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    ASSERT_GT(file.size(), 8u);
    EXPECT_EQ(0, std::memcmp(file.data(), signature, 8));

    size_t pos = 8;
    std::vector<std::string> types;
    std::vector<uint8_t> idat;
    while (pos < file.size()) {
        const uint32_t length = big32(file, pos);
        const std::string type(file.begin() + pos + 4, file.begin() + pos + 8);
        types.push_back(type);
        const uint32_t crc = crc32(file.data() + pos + 4, length + 4);
        EXPECT_EQ(crc, big32(file, pos + 8 + length)) << type;
        if (type == "IHDR") {
            ASSERT_EQ(13u, length);
            EXPECT_EQ(2u, big32(file, pos + 8));
            EXPECT_EQ(1u, big32(file, pos + 12));
            EXPECT_EQ(8, file[pos + 16]);  // bit depth
            EXPECT_EQ(2, file[pos + 17]);  // RGB
        }
        if (type == "IDAT") idat.assign(file.begin() + pos + 8, file.begin() + pos + 8 + length);
        pos += 12 + length;
    }
    EXPECT_EQ(file.size(), pos);
    EXPECT_EQ((std::vector<std::string>{"IHDR", "IDAT", "IEND"}), types);
    EXPECT_EQ((std::vector<uint8_t>{0, 255, 0, 0, 0, 0, 255}), inflateStored(idat)); // filter byte, then the row
}

TEST(Png, RefusesPixelsThatDoNotMatchTheSize)
{
    EXPECT_THROW(encodeRgb(2, 2, std::vector<uint8_t>(11)), std::invalid_argument);
    EXPECT_THROW(encodeRgb(0, 1, {}), std::invalid_argument);
}

} // namespace
