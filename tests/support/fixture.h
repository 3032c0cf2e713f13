// The usual test setting: a dialog window, a note catcher and a freshly loaded
// extender whose calls carry the dialog as the host window.
#pragma once

#include "dialog.h"
#include "host.h"
#include "notes.h"

#include <gtest/gtest.h>

namespace zub {

class HostTest : public testing::Test {
protected:
    HostTest() { host.window = dialog.hwnd(); }

    Dialog dialog;
    NoteCatcher notes;
    Host host;
};

} // namespace zub
