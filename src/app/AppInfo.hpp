#pragma once
// Names the program shows about itself: window title, tray tool tip, exit question, "访问官网".
namespace vorlix {

inline constexpr const char* kProductName = "Vorlix 5.X/6.X";
inline constexpr const char* kWebAddress = "https://vorlix.org";

}  // namespace vorlix
