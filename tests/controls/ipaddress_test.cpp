// IP address commands on a real IP address control in the dialog.
#include "fixture.h"
#include "misc_controls_support.h"

#include <commctrl.h>

#include <string>

namespace {

using misc::deadWindow;

class IpAddress : public zub::HostTest {
protected:
    HWND createIp(int x = 20, int y = 30, int w = 160, int h = 24, int extra = 0)
    {
        const zub::Result r = host.call("ipCreateIP", dialog.hwnd(), x, y, w, h, extra);
        return misc::toWindow(r.integer);
    }

    std::string getIp(HWND ip)
    {
        const zub::Result r = host.call("ipGetIP", ip);
        EXPECT_EQ(2, r.type);
        return r.text;
    }

    static DWORD packed(HWND ip)
    {
        DWORD address = 0;
        SendMessageA(ip, IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&address));
        return address;
    }

    // Types into the field that has the focus, as a user would.
    static void type(const char* text)
    {
        for (const char* p = text; *p != '\0'; ++p) SendMessageA(GetFocus(), WM_CHAR, static_cast<BYTE>(*p), 1);
    }
};

TEST_F(IpAddress, SetIpThenGetIpGivesTheAddressAsParsed)
{
    HWND ip = createIp();
    struct { const char* text; const char* expected; } cases[] = {
        {"192.168.0.1", "192.168.0.1"},
        {"255.255.255.255", "255.255.255.255"},
        {"1.2", "1.0.0.2"},                    // the last group is field 4, the rest 0
        {"1.2.3.4.5", "1.2.3.5"},              // the group between the third and last dot is dropped
        {"1.2.3.300", "1.2.4.44"},             // 300 carries into field 3
        {"", "0.0.0.0"},
        {"10.20.30.40.50.6", "10.20.30.0"},    // the 16th character is not read
        {"1000.2.3.4", "100.2.3.4"},           // a long group keeps its first three characters
    };
    for (const auto& c : cases) {
        host.call("ipSetIP", ip, c.text);
        EXPECT_EQ(c.expected, getIp(ip)) << '"' << c.text << '"';
    }
    host.call("ipSetIP", ip, "1.2.3.300");
    EXPECT_EQ(0x0102042Cu, packed(ip));
}

TEST_F(IpAddress, GetIpOnABlankControlOrADeadHandleGivesZeros)
{
    HWND ip = createIp();
    EXPECT_EQ("0.0.0.0", getIp(ip));
    EXPECT_EQ("0.0.0.0", getIp(deadWindow()));
}

TEST_F(IpAddress, ClearBlanksTheControl)
{
    HWND ip = createIp();
    EXPECT_NE(0, host.call("ipIsBlank", ip).integer);
    host.call("ipSetIP", ip, "0.0.0.0"); // zeros are shown, so the fields are not blank
    EXPECT_EQ(0, host.call("ipIsBlank", ip).integer);
    host.call("ipSetIP", ip, "10.0.0.1");
    EXPECT_EQ(0, host.call("ipIsBlank", ip).integer);
    host.call("ipClearIP", ip);
    EXPECT_NE(0, host.call("ipIsBlank", ip).integer);
    EXPECT_EQ("0.0.0.0", getIp(ip));
}

TEST_F(IpAddress, SetFocusPutsTheCaretIntoTheNamedField)
{
    HWND ip = createIp();
    host.call("ipSetFocus", ip, 3);
    ASSERT_TRUE(IsChild(ip, GetFocus()));
    type("77");
    EXPECT_EQ("0.0.77.0", getIp(ip));
    host.call("ipSetFocus", ip, 1);
    type("9");
    EXPECT_EQ("9.0.77.0", getIp(ip));
}

TEST_F(IpAddress, SetRangeLimitsWhatTheUserCanEnterInTheField)
{
    HWND ip = createIp();
    EXPECT_NE(0, host.call("ipSetRange", ip, 1, 0, 127).integer);
    host.call("ipSetFocus", ip, 1);
    type("200");
    // The field is checked against its range when the user leaves it.
    host.call("ipSetFocus", ip, 2);
    EXPECT_EQ(127u, packed(ip) >> 24);

    // The bounds are cut to their low eight bits: 0x164 and 0x1FF become 100 and 255.
    EXPECT_NE(0, host.call("ipSetRange", ip, 4, 0x164, 0x1FF).integer);
    host.call("ipSetFocus", ip, 4);
    type("5");
    host.call("ipSetFocus", ip, 1);
    EXPECT_EQ(100u, packed(ip) & 0xFF);
}

// A tab control made before it lies above it among the dialog's windows; the control
// clips its siblings, so below the tab it could not draw at all.
TEST_F(IpAddress, ControlMadeOnATabPageDraws)
{
    const zub::Result tab = host.call("taCreateTab", dialog.hwnd(), 10, 10, 300, 200, 0);
    HWND ip = createIp(30, 60, 160, 24);
    HDC dc = GetDC(ip);
    RECT visible = {};
    EXPECT_EQ(SIMPLEREGION, GetClipBox(dc, &visible));
    ReleaseDC(ip, dc);
    EXPECT_EQ(160, visible.right - visible.left);
    EXPECT_NE(0, tab.integer);
}

} // namespace
