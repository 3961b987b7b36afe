#include "app/Language.hpp"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "app/QtText.hpp"
#include "app/ScriptPane.hpp"
#include "data/embedded.hpp"

namespace vorlix {
namespace {

const std::string* lookup(const LanguagePack& pack, std::string_view section, const QString& key) {
    if (key.isEmpty()) return nullptr;
    return pack.find(section, key.toStdString());
}

// Edit boxes and labels keep their own text where the pack's value is empty.
const std::string* nonEmpty(const std::string* value) {
    return value != nullptr && !value->empty() ? value : nullptr;
}

void applyOne(QWidget* w, const LanguagePack& pack) {
    const QString name = w->objectName();
    if (qobject_cast<ScriptPane*>(w) != nullptr || qobject_cast<ScriptPane*>(w->parentWidget()) != nullptr) return;
    if (auto* edit = qobject_cast<QPlainTextEdit*>(w)) {
        if (const std::string* v = nonEmpty(lookup(pack, pack_section::edit, name)))
            edit->setPlainText(fromScriptText(from_pack_value(*v)));
    } else if (auto* line = qobject_cast<QLineEdit*>(w)) {
        if (const std::string* v = nonEmpty(lookup(pack, pack_section::edit, name)))
            line->setText(qs(from_pack_value(*v)));
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        const QString labelOf = label->property(kLabelOfProperty).toString();
        const std::string* v = !labelOf.isEmpty() ? lookup(pack, pack_section::input_label, labelOf)
                               // A hyperlink shows rich text and is not in the packs.
                               : label->textFormat() == Qt::RichText ? nullptr
                                                                     : lookup(pack, pack_section::label, name);
        if ((v = nonEmpty(v))) label->setText(qs(from_pack_value(*v)));
    } else if (auto* radio = qobject_cast<QRadioButton*>(w)) {
        if (const std::string* v = lookup(pack, pack_section::radio, name)) radio->setText(qs(*v));
    } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
        if (const std::string* v = lookup(pack, pack_section::check, name)) check->setText(qs(*v));
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {  // push and tool buttons
        if (const std::string* v = lookup(pack, pack_section::button, name)) button->setText(qs(*v));
    } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
        if (const std::string* v = lookup(pack, pack_section::group, name)) box->setTitle(qs(*v));
    }
}

}  // namespace

LanguagePack builtinLanguagePack(const std::string& fileName) {
    return LanguagePack::parse(embedded_file("language/" + fileName));
}

void applyLanguagePack(QWidget* root, const LanguagePack& pack) {
    if (root == nullptr || pack.empty()) return;
    applyOne(root, pack);
    for (QWidget* w : root->findChildren<QWidget*>()) applyOne(w, pack);
}

void applyLanguagePack(QTreeWidget* tree, const std::string& section, const LanguagePack& pack) {
    for (QTreeWidgetItemIterator it(tree); *it != nullptr; ++it) {
        const int index = (*it)->data(0, Qt::UserRole).toInt();
        if (const std::string* v = pack.find(section, tree_item_key(static_cast<std::size_t>(index))))
            (*it)->setText(0, qs(*v));
    }
}

}  // namespace vorlix
