// Dotted address text to the IP address control's packed value and back. Pure: no
// window calls, so it also builds natively.
#pragma once

#include <cstdint>

// Longest address text, terminator included: "255.255.255.255".
constexpr int IP_TEXT_MAX = 16;

// Reads up to fifteen characters of dotted text: the groups before the first three
// dots become fields 1 to 3, the last group always becomes field 4, groups between
// later dots are dropped. A group keeps its first three characters. Each group is
// read as a decimal number; the fields are added at their byte positions without
// cutting, so a value above 255 carries into the next higher field.
uint32_t IpTextToAddress(const char* pszText);

// Formats a packed address as "f1.f2.f3.f4" (field 1 in the top byte) into a buffer
// of IP_TEXT_MAX characters.
void IpAddressToText(uint32_t nAddress, char* pszDest);
