// What each rich text command sends to the control: the messages, and in the
// character and paragraph records their size, their mask and the fields it names.
#include "messages.h"
#include "richtext_fixture.h"

#include <cstdio>

namespace {

using zub::Expected;

std::string charFields(WPARAM, LPARAM l)
{
    const auto* format = reinterpret_cast<const CHARFORMAT2A*>(l);
    char fields[160];
    int n = std::snprintf(fields, sizeof fields, "size %u mask 0x%lx", format->cbSize, format->dwMask);
    const DWORD effects = format->dwMask & (CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE);
    if (effects != 0) n += std::snprintf(fields + n, sizeof fields - n, " effects 0x%lx", format->dwEffects & effects);
    if (format->dwMask & CFM_COLOR) n += std::snprintf(fields + n, sizeof fields - n, " color 0x%lx", format->crTextColor);
    if (format->dwMask & CFM_BACKCOLOR) n += std::snprintf(fields + n, sizeof fields - n, " back 0x%lx", format->crBackColor);
    return fields;
}

std::string paraFields(WPARAM, LPARAM l)
{
    const auto* format = reinterpret_cast<const PARAFORMAT2*>(l);
    char fields[160];
    int n = std::snprintf(fields, sizeof fields, "size %u mask 0x%lx", format->cbSize, format->dwMask);
    if (format->dwMask & PFM_ALIGNMENT) n += std::snprintf(fields + n, sizeof fields - n, " align %u", format->wAlignment);
    if (format->dwMask & PFM_NUMBERING) n += std::snprintf(fields + n, sizeof fields - n, " numbering %u", format->wNumbering);
    if (format->dwMask & PFM_STARTINDENT) n += std::snprintf(fields + n, sizeof fields - n, " indent %ld", format->dxStartIndent);
    return fields;
}

std::string rangeFields(WPARAM, LPARAM l)
{
    const auto* range = reinterpret_cast<const CHARRANGE*>(l);
    return std::to_string(range->cpMin) + " " + std::to_string(range->cpMax);
}

Expected record(UINT msg, WPARAM w, const char* fields) { return Expected::withRecord(msg, w, fields); }
Expected addressOnly(UINT msg)
{
    Expected e(msg);
    e.checks = Expected::kWParam;
    return e;
}

class RichSequences : public richtext_test::RichText {};

TEST_F(RichSequences, FormattingCommandsSendRecordsOfTheirSizeWithOnlyTheNamedFields)
{
    const HWND rich = createWith("abc");
    select(rich, 0, 2);
    // The edit box messages below WM_USER, and the rich edit's own.
    zub::MessageRecorder recorder(rich, [](UINT m, WPARAM w, LPARAM l) {
        return (m >= EM_GETSEL && m <= EM_GETIMESTATUS) || zub::controlMessage(m, w, l);
    });
    recorder.describe(EM_GETCHARFORMAT, charFields).describe(EM_SETCHARFORMAT, charFields);
    recorder.describe(EM_GETPARAFORMAT, paraFields).describe(EM_SETPARAFORMAT, paraFields);
    recorder.describe(EM_EXSETSEL, rangeFields);
    const auto toggle = [](const char* fields) {
        return std::vector<Expected>{{EM_GETSEL, 0, 0},
                                     record(EM_GETCHARFORMAT, SCF_SELECTION, "size 84 mask 0x0"),
                                     record(EM_SETCHARFORMAT, SCF_SELECTION, fields),
                                     {EM_SETSEL, 0, 2}};
    };
    std::vector<Expected> toggleBold = toggle("size 84 mask 0x1 effects 0x1");
    toggleBold[0].checks = Expected::kMsg; // the addresses of the command's variables
    std::vector<Expected> boldAgain = toggleBold;
    boldAgain[2] = record(EM_SETCHARFORMAT, SCF_SELECTION, "size 84 mask 0x1 effects 0x0");
    std::vector<Expected> toggleItalic = toggleBold;
    toggleItalic[2] = record(EM_SETCHARFORMAT, SCF_SELECTION, "size 84 mask 0x2 effects 0x2");
    std::vector<Expected> toggleUnderline = toggleBold;
    toggleUnderline[2] = record(EM_SETCHARFORMAT, SCF_SELECTION, "size 84 mask 0x4 effects 0x4");

    zub::ExpectSequences(host, recorder, rich, {
        {"rtBold", {}, toggleBold},
        {"rtBold", {}, boldAgain},
        {"rtItalic", {}, toggleItalic},
        {"rtUnderline", {}, toggleUnderline},
        {"rtSetTextColor", {"1|2|3"},
         {addressOnly(EM_EXGETSEL), record(EM_EXSETSEL, 0, "0 2"),
          record(EM_SETCHARFORMAT, SCF_SELECTION, "size 84 mask 0x40000000 color 0x30201")}},
        {"rtSetTextBackColor", {"1|2|3"},
         {addressOnly(EM_EXGETSEL), record(EM_EXSETSEL, 0, "0 2"),
          record(EM_SETCHARFORMAT, SCF_SELECTION, "size 84 mask 0x4000000 back 0x30201")}},
        {"rtSetAlignment", {PFA_CENTER}, {record(EM_SETPARAFORMAT, 0, "size 188 mask 0x8 align 3")}},
        {"rtSetBulleted", {},
         {record(EM_GETPARAFORMAT, 0, "size 188 mask 0x0"), record(EM_SETPARAFORMAT, 0, "size 188 mask 0x20 numbering 1")}},
        {"rtIndent", {100},
         {record(EM_GETPARAFORMAT, 0, "size 188 mask 0x0"), record(EM_SETPARAFORMAT, 0, "size 188 mask 0x1 indent 100")}},
        {"rtZoom", {}, {{EM_SETZOOM, 1, 1}}},
    });
}

} // namespace
