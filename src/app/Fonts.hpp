#pragma once
// The fonts of the window, chosen in one place.
#include <QFont>

namespace vorlix {

// The font of the window's own text (labels, tree, tabs, buttons): the system's, or, where it is
// installed, WenQuanYi Micro Hei without hinting. Set once as the application font, before the first
// widget.
QFont interfaceFont();

// The font of scripts: monospaced, so that columns of addresses line up and l, I and 1 differ, and with
// Chinese glyphs of the same width grid. Falls back to the system's fixed font where the preferred
// family is not installed.
QFont codeFont();

}  // namespace vorlix
