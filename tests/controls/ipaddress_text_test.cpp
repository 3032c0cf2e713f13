// The address text parser and formatter of the IP address commands.
#include "controls/ipaddress_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::string Format(uint32_t address)
{
    char text[IP_TEXT_MAX];
    std::memset(text, 'x', sizeof text);
    IpAddressToText(address, text);
    return text;
}

TEST(IpTextToAddress, PacksTheFieldsFirstFieldInTheTopByte)
{
    struct { const char* text; uint32_t expected; } cases[] = {
        {"192.168.0.1", 0xC0A80001},
        {"255.255.255.255", 0xFFFFFFFF},
        {"0.0.0.0", 0},
        {"", 0},
        {"7", 7},                        // a lone group is field 4
        {"1.2", 0x01000002},             // the last group always goes to field 4
        {"1.2.3", 0x01020003},
        {"1.2.3.4.5", 0x01020305},       // the group between the third and the last dot is dropped
        {"1.2.3.4.5.6", 0x01020306},
        {"1.2.3.300", 0x0102042C},       // above 255 carries into the next field
        {"256.0.0.0", 0},                // ... and out of the top one
        {"-1.0.0.0", 0xFF000000},
        {"1.2.3.-1", 0x010202FF},
        {"1..3.4", 0x01000304},          // an empty group reads as 0
        {".1.2.3", 0x00020003},          // the first character always opens the first group
        {"a.b.c.d", 0},
        {"12x.5y.6.7z", 0x0C050607},     // a number ends at the first other character
        {" 10.20.30.40", 0x0A141E28},    // a leading blank is skipped by the conversion
    };
    for (const auto& c : cases) EXPECT_EQ(c.expected, IpTextToAddress(c.text)) << '"' << c.text << '"';
    EXPECT_EQ(0u, IpTextToAddress(nullptr));
}

TEST(IpTextToAddress, ReadsNoMoreThanFifteenCharacters)
{
    // The 15th character is the dot after "50"; the "6" after it is not read.
    EXPECT_EQ(0x0A141E00u, IpTextToAddress("10.20.30.40.50.6"));
    EXPECT_EQ(0x0A141E28u, IpTextToAddress("10.20.30.040999"));
    EXPECT_EQ(0x0102037Bu, IpTextToAddress("1.2.3.123456789012"));
}

TEST(IpTextToAddress, AGroupLongerThanThreeCharactersKeepsItsFirstThree)
{
    struct { const char* text; uint32_t expected; } cases[] = {
        {"1000.2.3.4", 0x64020304},      // "100"
        {"1.2222.3.4", 0x01DE0304},      // "222"
        {"1.2.3.4567", 0x010204C8},      // "456" = 0x1C8
        {"0001.2.3.4", 0x00020304},      // "000"
        {"    5.1.1.1", 0x00010101},     // "   ": the digit falls outside the group
    };
    for (const auto& c : cases) EXPECT_EQ(c.expected, IpTextToAddress(c.text)) << '"' << c.text << '"';
}

TEST(IpAddressToText, WritesFourDecimalFieldsFirstFieldFromTheTopByte)
{
    EXPECT_EQ("0.0.0.0", Format(0));
    EXPECT_EQ("192.168.0.1", Format(0xC0A80001));
    EXPECT_EQ("255.255.255.255", Format(0xFFFFFFFF));
    EXPECT_EQ("1.2.4.44", Format(0x0102042C));
}

} // namespace
