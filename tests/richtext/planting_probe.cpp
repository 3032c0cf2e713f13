// Run by the planting test in a folder that holds a planted "Msftedit.dll", with the
// current directory searched before the system directory. It reports through its
// exit code which rich edit library its process got:
//   0 the system's, 1 the planted one, 2 none, 3 bad use.
// "bare" loads the library by its bare name, as a careless caller would;
// "command" lets the extender's rtCreate load it.
#include "dialog.h"
#include "host.h"

#include <windows.h>

#include <cstring>

namespace {

int whichLibrary()
{
    HMODULE library = GetModuleHandleA("msftedit.dll");
    if (library == nullptr) return 2;
    return GetProcAddress(library, "PlantedMarker") != nullptr ? 1 : 0;
}

} // namespace

int main(int argc, char** argv)
{
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    if (argc != 2) return 3;
    if (GetModuleHandleA("msftedit.dll") != nullptr) return 3;   // must start without it
    if (std::strcmp(argv[1], "bare") == 0) {
        LoadLibraryA("Msftedit.dll");
        return whichLibrary();
    }
    if (std::strcmp(argv[1], "command") == 0) {
        zub::Dialog dialog;
        zub::Host host;
        host.window = dialog.hwnd();
        const zub::Result r = host.call("rtCreate", dialog.hwnd(), 10, 10, 200, 100, 0);
        const int library = whichLibrary();
        if (library == 0 && r.integer == 0) return 2;   // the system's library, yet no control
        return library;
    }
    return 3;
}
