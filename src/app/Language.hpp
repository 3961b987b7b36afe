#pragma once
// The interface language: Simplified as the page tables are written, or Traditional from the built-in
// language packs, chosen in the settings and fixed for the whole run. A pack is applied from memory
// when a window (or a page of the main window) is built, by control name; nothing is written to disk.
#include <string>

#include "forms/language_pack.hpp"

class QTreeWidget;
class QWidget;

namespace vorlix {

// A dynamic property that names the input a caption belongs to, for a label that has no control name
// of its own; the pack's input label is its text. (A page builds its row labels and hints from the
// pack itself: see PageView.)
inline constexpr char kLabelOfProperty[] = "vorlixLabelOf";
// The built-in pack with that file name ("language1.ini"); empty when there is none.
LanguagePack builtinLanguagePack(const std::string& fileName);

// Gives the widgets below `root` (and `root` itself) the pack's texts, by objectName and kind: edit
// boxes their content and labels their caption only where the pack's value is not empty; buttons,
// radio buttons, check boxes and group boxes their caption even when it is empty. A control the pack
// does not list keeps its text, and a script pane is never touched.
void applyLanguagePack(QWidget* root, const LanguagePack& pack);

// Sets the items of a navigation tree (item index in Qt::UserRole) from section `section` of the pack.
void applyLanguagePack(QTreeWidget* tree, const std::string& section, const LanguagePack& pack);

}  // namespace vorlix
