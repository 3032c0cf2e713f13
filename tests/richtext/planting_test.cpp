// A "Msftedit.dll" placed in the current directory must not get into the host when
// a script creates a rich edit control.
#include "test_paths.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

const char kSessionManager[] = "System\\CurrentControlSet\\Control\\Session Manager";

// Puts the current directory ahead of the system directory in the DLL search, as
// old Windows did, for the processes started while it lives; then puts back what was.
class CurrentDirectoryFirst {
public:
    CurrentDirectoryFirst()
    {
        RegCreateKeyExA(HKEY_LOCAL_MACHINE, kSessionManager, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &m_key,
                        nullptr);
        DWORD size = sizeof m_old;
        m_hadValue = RegQueryValueExA(m_key, "SafeDllSearchMode", nullptr, nullptr,
                                      reinterpret_cast<BYTE*>(&m_old), &size) == ERROR_SUCCESS;
        const DWORD off = 0;
        m_set = RegSetValueExA(m_key, "SafeDllSearchMode", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&off),
                               sizeof off) == ERROR_SUCCESS;
    }
    ~CurrentDirectoryFirst()
    {
        if (m_hadValue) {
            RegSetValueExA(m_key, "SafeDllSearchMode", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&m_old),
                           sizeof m_old);
        } else {
            RegDeleteValueA(m_key, "SafeDllSearchMode");
        }
        RegCloseKey(m_key);
    }
    bool set() const { return m_set; }

private:
    HKEY m_key = nullptr;
    DWORD m_old = 0;
    bool m_hadValue = false;
    bool m_set = false;
};

// Runs the probe in the planted folder and returns its exit code.
DWORD runProbe(const char* mode)
{
    std::string command = std::string("\"") + PROBE_PATH + "\" " + mode;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, PLANTED_DIR.c_str(), &startup,
                        &process)) {
        ADD_FAILURE() << "cannot start the probe: " << GetLastError();
        return 99;
    }
    WaitForSingleObject(process.hProcess, 60000);
    DWORD code = 99;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

TEST(RichTextPlanting, CreateLoadsTheSystemLibraryEvenWhenTheCurrentDirectoryHoldsAnother)
{
    const CurrentDirectoryFirst order;
    ASSERT_TRUE(order.set());
    // The setting works: a bare name picks the planted library here.
    ASSERT_EQ(1u, runProbe("bare"));
    // rtCreate, in the same setting, gets the system's library and a working control.
    EXPECT_EQ(0u, runProbe("command"));
}

} // namespace
