// Where a test program finds what it reads from the build or the sources. Built here, at
// the path it was built with; run from the conformance kit (run-tests.cmd names the kit's
// folder in KORVANET_KIT), at the same relative path in that folder, which holds the
// build's and the sources' files in one tree.
#pragma once

#include <cstdlib>
#include <string>

namespace zub {

inline std::string testPath(const char* relative, const char* built)
{
    const char* kit = std::getenv("KORVANET_KIT");
    if (kit == nullptr || *kit == '\0') return built;
    std::string path = kit;
    if (path.back() != '\\' && path.back() != '/') path += '\\';
    return path + relative;
}

} // namespace zub
