// Resources of zubhost.exe, shared by zubhost.rc and the sources.
#pragma once

// The common controls of version 6, as a manifest that the console activates at run time
// (an ID other than 1, so that Windows does not apply it at start; --classic leaves it out).
#define ZUBHOST_COMMON_CONTROLS_6 101
