#pragma once
#include <string_view>

namespace vorlix {

// The bytes of a built-in data file, by its path below src/data ("faq.txt", "isp/telecom.txt");
// empty when there is no such file. The bytes live for the whole program.
std::string_view embedded_file(std::string_view path);

}  // namespace vorlix
