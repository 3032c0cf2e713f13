# Writes OUTPUT, a C++ source that holds the reference pages DOCS_DIR/*.md as texts for
# the console's help. Run at build time (cmake -P), so the pages have no second copy.
# The family pages; README.md is the index, whose entries are links, not commands.
file(GLOB pages "${DOCS_DIR}/*.md")
list(FILTER pages EXCLUDE REGEX "/README\\.md$")
list(SORT pages)
set(delimiter "zubdoc")
set(rows "")
foreach(page IN LISTS pages)
    get_filename_component(name "${page}" NAME_WE)
    file(READ "${page}" text)
    string(FIND "${text}" ")${delimiter}\"" clash)
    if(NOT clash EQUAL -1)
        message(FATAL_ERROR "${page} holds )${delimiter}\", which ends the text that carries it")
    endif()
    string(APPEND rows "        {\"${name}\", R\"${delimiter}(${text})${delimiter}\"},\n")
endforeach()
set(source "// Generated from docs/*.md by tools/zubhost/embed_pages.cmake: do not edit.
#include \"reference.h\"

namespace zub::reference {

std::vector<Page> builtInPages()
{
    return {
${rows}    };
}

} // namespace zub::reference
")
file(WRITE "${OUTPUT}" "${source}")
