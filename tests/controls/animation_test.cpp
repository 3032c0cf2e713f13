// Animation commands on a real animation control playing a small uncompressed clip
// that the test writes itself.
#include "files.h"
#include "fixture.h"
#include "messages.h"
#include "misc_controls_support.h"

#include <commctrl.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 12;
constexpr int kFrames = 3;
constexpr int kAnimationId = 2222;

// Little-endian RIFF pieces: the bytes of a file.
using Bytes = std::string;

void put32(Bytes& out, uint32_t value)
{
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}
void put16(Bytes& out, uint16_t value)
{
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}
void putId(Bytes& out, const char (&id)[5])
{
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(id[i]));
}
void append(Bytes& out, const Bytes& more) { out.insert(out.end(), more.begin(), more.end()); }

Bytes chunk(const char (&id)[5], const Bytes& data)
{
    Bytes out;
    putId(out, id);
    put32(out, static_cast<uint32_t>(data.size()));
    append(out, data);
    if (data.size() % 2 != 0) out.push_back(0);
    return out;
}

Bytes list(const char (&kind)[5], const char (&type)[5], const Bytes& body)
{
    Bytes data;
    putId(data, type);
    append(data, body);
    return chunk(kind, data);
}

// A silent video clip: one 'vids' stream of uncompressed 24-bit frames, ten per second.
Bytes clipBytes()
{
    const uint32_t stride = (kFrameWidth * 3 + 3) & ~3u;
    const uint32_t frameSize = stride * kFrameHeight;

    Bytes avih;
    for (uint32_t value : {100000u, frameSize * 10, 0u, 0x10u /* AVIF_HASINDEX */, uint32_t(kFrames), 0u, 1u,
                           frameSize, uint32_t(kFrameWidth), uint32_t(kFrameHeight), 0u, 0u, 0u, 0u}) {
        put32(avih, value);
    }

    Bytes strh;
    putId(strh, "vids");
    putId(strh, "DIB ");
    put32(strh, 0);                  // flags
    put16(strh, 0);                  // priority
    put16(strh, 0);                  // language
    put32(strh, 0);                  // initial frames
    put32(strh, 1);                  // scale
    put32(strh, 10);                 // rate
    put32(strh, 0);                  // start
    put32(strh, kFrames);            // length
    put32(strh, frameSize);          // suggested buffer size
    put32(strh, 0xFFFFFFFF);         // quality
    put32(strh, 0);                  // sample size
    for (uint16_t edge : {uint16_t(0), uint16_t(0), uint16_t(kFrameWidth), uint16_t(kFrameHeight)}) put16(strh, edge);

    Bytes strf;
    put32(strf, 40);
    put32(strf, kFrameWidth);
    put32(strf, kFrameHeight);
    put16(strf, 1);
    put16(strf, 24);
    put32(strf, BI_RGB);
    put32(strf, frameSize);
    for (int i = 0; i < 4; ++i) put32(strf, 0);

    Bytes strl = chunk("strh", strh);
    append(strl, chunk("strf", strf));
    Bytes hdrl = chunk("avih", avih);
    append(hdrl, list("LIST", "strl", strl));

    Bytes movi;
    Bytes idx1;
    for (int frame = 0; frame < kFrames; ++frame) {
        putId(idx1, "00db");
        put32(idx1, 0x10);                                      // AVIIF_KEYFRAME
        put32(idx1, static_cast<uint32_t>(4 + movi.size()));   // from the 'movi' type
        put32(idx1, frameSize);
        append(movi, chunk("00db", Bytes(frameSize, static_cast<uint8_t>(60 * frame + 40))));
    }

    Bytes riff = list("LIST", "hdrl", hdrl);
    append(riff, list("LIST", "movi", movi));
    append(riff, chunk("idx1", idx1));
    return list("RIFF", "AVI ", riff);
}

class Animation : public zub::HostTest {
protected:
    void SetUp() override
    {
        clip = folder.write("clip.avi", clipBytes());
    }

    void TearDown() override
    {
        // An animation keeps its clip open: the controls go before the folder can.
        while (HWND child = GetWindow(dialog.hwnd(), GW_CHILD)) {
            if (!DestroyWindow(child)) break;
        }
    }

    HWND createAnimation(int x = 30, int y = 40, int w = 120, int h = 90)
    {
        const zub::Result r = host.call("anCreateAVI", dialog.hwnd(), x, y, w, h, 0);
        return misc::toWindow(r.integer);
    }

    // Pumps until the notification arrives or the time is up.
    bool waitFor(WORD code, DWORD milliseconds = 3000)
    {
        const DWORD start = GetTickCount();
        for (;;) {
            zub::Dialog::pump();
            for (const zub::Sent& seen : notifications.sent()) {
                if (HIWORD(seen.wParam) == code) return true;
            }
            if (GetTickCount() - start > milliseconds) return false;
            Sleep(10);
        }
    }

    static SIZE size(HWND window)
    {
        RECT rc;
        GetWindowRect(window, &rc);
        return {rc.right - rc.left, rc.bottom - rc.top};
    }

    const zub::TempFolder folder{"korvanet_animation"};
    std::string clip;
    // The animation notifications that reach the dialog.
    zub::MessageRecorder notifications{
        dialog.hwnd(), [](UINT m, WPARAM w, LPARAM) { return m == WM_COMMAND && LOWORD(w) == kAnimationId; }};
};

TEST_F(Animation, CreateMakesAHiddenControlWithItsId)
{
    misc::CreationRecorder recorder;
    HWND animation = createAnimation(30, 40, 120, 90);
    ASSERT_TRUE(IsWindow(animation));
    const misc::Creation* creation = recorder.find(animation);
    ASSERT_NE(nullptr, creation);
    EXPECT_EQ("SysAnimate32", creation->className);
    EXPECT_FALSE(creation->hasText);
    EXPECT_EQ(static_cast<DWORD>(WS_CHILD), creation->style);
    EXPECT_EQ(0u, creation->exStyle);
    // Created without size at the corner, then placed (see the creation tests).
    EXPECT_EQ(0, creation->x);
    EXPECT_EQ(0, creation->y);
    EXPECT_EQ(0, creation->width);
    EXPECT_EQ(0, creation->height);
    EXPECT_EQ(kAnimationId, creation->menu);
    EXPECT_EQ(kAnimationId, GetDlgCtrlID(animation));
    EXPECT_EQ(dialog.hwnd(), GetParent(animation));
    EXPECT_FALSE(IsWindowVisible(animation));
}

TEST_F(Animation, OpenShowsTheControlAndTakesTheClipsFrameSize)
{
    HWND animation = createAnimation();
    const zub::Result r = host.call("anOpenAVI", animation, clip);
    EXPECT_EQ(1, r.completions);
    EXPECT_EQ(0, r.integer);
    EXPECT_TRUE(IsWindowVisible(animation));
    // Without ACS_CENTER the control takes the size of the clip's frames.
    const SIZE s = size(animation);
    EXPECT_EQ(kFrameWidth, s.cx);
    EXPECT_EQ(kFrameHeight, s.cy);
    EXPECT_TRUE(notes.empty());
}

TEST_F(Animation, OpenOfAMissingFileShowsTheControlAndReturnsZeroAsWell)
{
    HWND animation = createAnimation(30, 40, 120, 90);
    EXPECT_EQ(0, host.call("anOpenAVI", animation, folder.file("no_such_clip.avi")).integer);
    EXPECT_TRUE(IsWindowVisible(animation));
    EXPECT_EQ(120, size(animation).cx);
    // No clip: playing does not start.
    host.call("anPlayAVI", animation, 0, -1, -1);
    EXPECT_FALSE(waitFor(ACN_START, 300));
    EXPECT_TRUE(notes.empty());
}

TEST_F(Animation, PlayRunsUntilStop)
{
    HWND animation = createAnimation();
    host.call("anOpenAVI", animation, clip);
    const zub::Result play = host.call("anPlayAVI", animation, 0, -1, -1);
    EXPECT_EQ(1, play.completions);
    EXPECT_EQ(1, play.integer);
    EXPECT_TRUE(waitFor(ACN_START));
    // Six frame times, twice the clip: a repeating clip is still playing.
    EXPECT_FALSE(waitFor(ACN_STOP, 600));

    const zub::Result stop = host.call("anStopAVI", animation);
    EXPECT_EQ(1, stop.integer);
    EXPECT_TRUE(waitFor(ACN_STOP));
}

TEST_F(Animation, PlayFromFirstToLastFrameOnceEndsByItself)
{
    HWND animation = createAnimation();
    host.call("anOpenAVI", animation, clip);
    EXPECT_EQ(1, host.call("anPlayAVI", animation, 0, -1, 1).integer);
    EXPECT_TRUE(waitFor(ACN_START));
    EXPECT_TRUE(waitFor(ACN_STOP));
}

TEST_F(Animation, CloseDropsTheClipAndLeavesTheControlVisible)
{
    HWND animation = createAnimation();
    host.call("anOpenAVI", animation, clip);
    const zub::Result r = host.call("anCloseAVI", animation);
    EXPECT_EQ(1, r.completions);
    EXPECT_EQ(1, r.integer);
    EXPECT_TRUE(IsWindowVisible(animation));
    host.call("anPlayAVI", animation, 0, -1, -1);
    EXPECT_FALSE(waitFor(ACN_START, 300));
}

TEST_F(Animation, CloseAndStopWithoutAClipReturnOne)
{
    HWND animation = createAnimation();
    EXPECT_EQ(1, host.call("anCloseAVI", animation).integer);
    EXPECT_EQ(1, host.call("anStopAVI", animation).integer);
    EXPECT_FALSE(IsWindowVisible(animation));
}

} // namespace
