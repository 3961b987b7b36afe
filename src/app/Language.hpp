#pragma once
// The interface language: Simplified as the page tables are written, or Traditional from the built-in
// language packs, chosen in the settings and fixed for the whole run. A pack is applied from memory
// when a window (or a page of the main window) is built, by control name; nothing is written to disk.
#include <QString>
#include <string>
#include <utility>

#include "forms/language_pack.hpp"

class QTreeWidget;
class QWidget;

namespace vorlix {

// Dynamic properties that name the input a caption belongs to, for the labels and hints that have no
// control name of their own.
inline constexpr char kLabelOfProperty[] = "vorlixLabelOf";
inline constexpr char kHintOfProperty[] = "vorlixHintOf";
// A label too long for its page's label column shows without its parenthesised qualifier, which goes
// to the start of the field's hint: the label carries kQualifiedProperty (true); the hint carries
// kQualifierOfProperty (the control's name), its qualifier and the field's own hint (Simplified, kept
// where the pack has no text).
inline constexpr char kQualifiedProperty[] = "vorlixQualified";
inline constexpr char kQualifierOfProperty[] = "vorlixQualifierOf";
inline constexpr char kQualifierProperty[] = "vorlixQualifier";
inline constexpr char kOwnHintProperty[] = "vorlixOwnHint";

// A label without its first parenthesised qualifier, and that qualifier: "(多个服务器请勿重复)  拨号网卡接口:"
// gives {"拨号网卡接口:", "(多个服务器请勿重复)"}. The qualifier is empty (and the label whole) when there
// is none or nothing would be left of the label.
std::pair<QString, QString> splitQualifier(const QString& label);

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
