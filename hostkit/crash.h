// No debugger on a crash: a program that plays the host reports an unhandled exception
// on standard error and exits with 3, so an unattended run never waits for a user.
#pragma once

namespace zub {

// Installs the report, and asks Windows for no error boxes of its own.
void exitOnCrash();

} // namespace zub
