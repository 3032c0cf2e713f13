// Files for programs that play the host: the temp folder, a folder of one's own in
// it that goes away with its files, whole files read into a string, and the path of a
// file beside the running program (where the extender DLL is looked for by default).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zub {

// The temp folder, ending in a backslash.
std::string tempPath();

// A new folder in the temp folder, named after the prefix, the process and a count;
// removed with the files in it when the object goes.
class TempFolder {
public:
    explicit TempFolder(std::string_view prefix = "zub");
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder, ending in a backslash.
    const std::string& path() const { return m_path; }
    // The path of a file in the folder.
    std::string file(std::string_view name) const { return m_path + std::string(name); }
    // Writes the file (replacing one of that name) and returns its path; throws when it
    // cannot be written.
    std::string write(std::string_view name, std::string_view content) const;

private:
    std::string m_path;
};

// The file's bytes, or nothing when it cannot be opened.
std::optional<std::string> readFile(const std::string& path);

// The path of the named file in the running program's folder.
std::string besideThisProgram(std::string_view file);

// Runs the command line in FOLDER (empty: this program's current folder) with standard
// output and error in OUTPUT_FILE (a pipe can stay open past the program under Wine),
// and stops it after PATIENCE_MS. Its exit code; nothing when it did not start or had to
// be stopped, or when its output file could not be made.
std::optional<unsigned long> runWithOutputIn(std::string command, const std::string& outputFile,
                                             const std::string& folder, unsigned long patienceMs);

} // namespace zub
