// Fuzzes the address text reader with any text and the writer with any packed value.
// Reading: only fifteen characters count; groups split at "." from the second
// character on; each group is read from its first three characters (so it is -99 to
// 999: the cut, where a value above 255 carries upward); the first three groups are
// fields 1 to 3, the last is field 4. Writing: four decimal groups of 0 to 255 that
// read back to the same value.
#include "controls/ipaddress_text.h"
#include "host/values.h"

#include "fuzz_support.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using fuzz::CText;
using fuzz::Require;

uint32_t Expected(std::string_view text)
{
    text = text.substr(0, 15);
    std::vector<std::string> groups(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '.' && i > 0) {
            groups.emplace_back();
        } else {
            groups.back() += text[i];
        }
    }
    uint32_t fields[4] = {};
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const int32_t value = TextToInt(groups[g].substr(0, 3).c_str());
        Require(value >= -99 && value <= 999, "a group is read from three characters at most");
        if (g + 1 == groups.size()) {
            fields[3] = static_cast<uint32_t>(value);
        } else if (g < 3) {
            fields[g] = static_cast<uint32_t>(value);
        }
    }
    return (fields[0] << 24) + (fields[1] << 16) + (fields[2] << 8) + fields[3];
}

bool IsAddressText(std::string_view text)
{
    int groups = 0;
    while (true) {
        const std::size_t end = std::min(text.size(), text.find('.'));
        const std::string_view group = text.substr(0, end);
        if (group.empty() || group.size() > 3 || group.find_first_not_of("0123456789") != std::string_view::npos)
            return false;
        if (group.size() > 1 && group[0] == '0') return false;
        if (TextToInt(std::string(group).c_str()) > 255) return false;
        ++groups;
        if (end == text.size()) return groups == 4;
        text.remove_prefix(end + 1);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider provider(data, size);
    const uint32_t address = provider.ConsumeIntegral<uint32_t>();
    const auto buffer = std::make_unique<char[]>(IP_TEXT_MAX);
    IpAddressToText(address, buffer.get());
    Require(IsAddressText(buffer.get()), "an address is written as four groups of 0 to 255");
    Require(IpTextToAddress(buffer.get()) == address, "a written address reads back");

    const CText text(provider.ConsumeRemainingBytesAsString());
    const uint32_t read = IpTextToAddress(text.c_str());
    Require(read == IpTextToAddress(CText(text.view().substr(0, 15)).c_str()), "only fifteen characters count");
    Require(read == Expected(text.view()), "fields 1 to 3 from the first groups, field 4 from the last");
    return 0;
}
