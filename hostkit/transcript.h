// What a console run prints, made the same on every machine and every run, so it can
// be compared with a transcript written down once.
#pragma once

#include <string>

namespace zub {

// The text with window handles ("window 0x0001006A") written "window HWND", image list
// handles ("image list 0x0015A328") written "image list HIMAGELIST", and the temp folder
// (ending in a backslash) written %TEMP%\ — inside a quoted text, where its backslashes
// are doubled, %TEMP%\\.
std::string portableOutput(std::string text, const std::string& tempFolder);

} // namespace zub
