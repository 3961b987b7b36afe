#include "app/Fonts.hpp"

#include <QApplication>
#include <QFontDatabase>
#include <QStringList>

namespace vorlix {

QFont interfaceFont() {
    QFont font = QApplication::font();
    // The start page alone draws about a thousand distinct Chinese glyphs. The CJK font most Linux
    // systems pick has CFF outlines, each costing some 65,000 instructions to load, and every glyph
    // is loaded twice (for its width, then for its picture). WenQuanYi Micro Hei has TrueType
    // outlines; unhinted, a glyph costs about a tenth of that, and start-up time follows. Where it is
    // not installed (Windows, a minimal system) the system's font stays.
    const QString family = QStringLiteral("WenQuanYi Micro Hei");
    if (QFontDatabase::hasFamily(family)) {
        font.setFamilies({family});
        font.setHintingPreference(QFont::PreferNoHinting);
    }
    return font;
}

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
