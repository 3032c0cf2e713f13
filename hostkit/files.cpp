#include "files.h"

#include <windows.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace zub {

std::string besideThisProgram(std::string_view file)
{
    char path[MAX_PATH + 1] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string program(path);
    return program.substr(0, program.find_last_of("\\/") + 1) + std::string(file);
}

std::string tempPath()
{
    char path[MAX_PATH + 1] = {};
    GetTempPathA(sizeof path, path);
    return path;
}

TempFolder::TempFolder(std::string_view prefix)
{
    static int count = 0;
    const std::string base = tempPath() + std::string(prefix) + "_" + std::to_string(GetCurrentProcessId()) + "_";
    // A folder left behind by an earlier process of the same number is not reused.
    for (;;) {
        const std::string folder = base + std::to_string(count++);
        if (CreateDirectoryA(folder.c_str(), nullptr)) {
            m_path = folder + "\\";
            return;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("cannot create the folder " + folder);
    }
}

TempFolder::~TempFolder()
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((m_path + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) DeleteFileA(file(found.cFileName).c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(m_path.c_str());
}

std::string TempFolder::write(std::string_view name, std::string_view content) const
{
    const std::string path = file(name);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.close();
    if (!out) throw std::runtime_error("cannot write " + path);
    return path;
}

std::optional<std::string> readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::optional<unsigned long> runWithOutputIn(std::string command, const std::string& outputFile,
                                             const std::string& folder, unsigned long patienceMs)
{
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    const HANDLE out = CreateFileA(outputFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
    if (out == INVALID_HANDLE_VALUE) return std::nullopt;
    STARTUPINFOA start = {};
    start.cb = sizeof start;
    start.dwFlags = STARTF_USESTDHANDLES;
    start.hStdOutput = start.hStdError = out;
    PROCESS_INFORMATION process = {};
    const BOOL started = CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        folder.empty() ? nullptr : folder.c_str(), &start, &process);
    CloseHandle(out);
    if (!started) return std::nullopt;
    std::optional<unsigned long> exitCode;
    if (WaitForSingleObject(process.hProcess, patienceMs) == WAIT_TIMEOUT) {
        TerminateProcess(process.hProcess, WAIT_TIMEOUT);
        WaitForSingleObject(process.hProcess, INFINITE);
    } else {
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        exitCode = code;
    }
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return exitCode;
}

} // namespace zub
