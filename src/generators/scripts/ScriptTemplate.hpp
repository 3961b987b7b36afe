#pragma once
// The router-side scripts that the pages under "DDNS域名解析" and "脚本" fill in, kept as files under
// src/data/scripts so they read like the scripts they are.
#include <string>
#include <string_view>

namespace vorlix {

// The built-in script scripts/NAME with CR LF between its lines and none after the last, whatever
// line ends the file was saved with; empty when there is no such file.
// Example: script_template("ddns_http_update.rsc") starts with "#" and holds "{网卡}"
std::string script_template(std::string_view name);

}  // namespace vorlix
