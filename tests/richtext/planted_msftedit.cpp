// A stand-in for a "Msftedit.dll" that someone placed beside a script: it does
// nothing but say that it is the planted one.
#include <windows.h>

extern "C" __attribute__((dllexport)) int PlantedMarker() { return 1; }

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
