#pragma once
// Builds a multi-line script: lines joined by CR LF, blank lines only where asked for, and no line
// end after the last line.
#include <string>
#include <string_view>

namespace vorlix {

class ScriptBuilder {
public:
    // Adds one line (it must not hold a line end of its own).
    ScriptBuilder& line(std::string_view text);
    // Adds an empty line.
    ScriptBuilder& blank();
    // Adds text that already holds CR LF between its lines (a built-in block) as lines.
    ScriptBuilder& block(std::string_view text);
    bool empty() const { return lines_ == 0; }
    // The script: the lines joined by CR LF.
    const std::string& str() const { return text_; }

private:
    std::string text_;
    std::size_t lines_ = 0;
};

}  // namespace vorlix
