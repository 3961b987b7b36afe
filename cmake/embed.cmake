# Turns each file under ROOT into a byte array and writes OUT, a C++ source that looks them up
# by their path relative to ROOT (for example "isp/telecom.txt").
set(body "")
set(table "")
set(index 0)
separate_arguments(files NATIVE_COMMAND "${FILES}")
list(SORT files)
foreach(path IN LISTS files)
    file(RELATIVE_PATH rel "${ROOT}" "${path}")
    file(READ "${path}" hex HEX)
    string(LENGTH "${hex}" hexlen)
    math(EXPR size "${hexlen} / 2")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(APPEND body "static const unsigned char k${index}[] = {${bytes}0};\n")
    string(APPEND table "    {\"${rel}\", {reinterpret_cast<const char*>(k${index}), ${size}}},\n")
    math(EXPR index "${index} + 1")
endforeach()
file(WRITE "${OUT}.tmp" "// Generated from src/data; do not edit.
#include <string_view>
#include \"data/embedded.hpp\"
namespace vorlix {
namespace {
${body}
struct Entry { std::string_view path; std::string_view bytes; };
const Entry kEntries[] = {
${table}    {\"\", {}}};
}  // namespace
std::string_view embedded_file(std::string_view path) {
    for (const Entry& e : kEntries)
        if (!e.path.empty() && e.path == path) return e.bytes;
    return {};
}
}  // namespace vorlix
")
file(COPY_FILE "${OUT}.tmp" "${OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUT}.tmp")
