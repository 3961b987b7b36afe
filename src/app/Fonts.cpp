#include "app/Fonts.hpp"

#include <QApplication>
#include <QFontDatabase>
#include <QStringList>

namespace vorlix {

QFont codeFont() {
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    QFont font = QApplication::font();
    // Qt takes the first family of the list that is installed; the system's fixed font stands in for
    // the CJK one, and the style hint for both.
    font.setFamilies({QStringLiteral("Noto Sans Mono CJK SC"), fixed.family()});
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    return font;
}

}  // namespace vorlix
