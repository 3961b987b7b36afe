#pragma once
// Qt's own texts (the standard buttons of message boxes and dialogs, the edit boxes' context menus) in
// Simplified Chinese, like the rest of the window.
#include <QString>

namespace vorlix {

// The file of Qt's Simplified Chinese texts, or "" when it is not installed: where Qt keeps its
// translations, else the "translations" folder beside the program (a copied Windows build).
QString qtTranslationFile();

// Loads that file for the whole program, once. Returns whether Qt's texts are now Chinese; without the
// file they stay English and nothing else changes.
bool installQtTranslations();

}  // namespace vorlix
