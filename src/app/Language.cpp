#include "app/Language.hpp"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpression>
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

// The hint after a field whose label gave up its qualifier: the pack's qualifier (from the label's
// text), then the pack's hint of the field, each kept in Simplified where the pack has none.
void applyQualifiedHint(QLabel* hint, const QString& control, const LanguagePack& pack) {
    QString qualifier = hint->property(kQualifierProperty).toString();
    if (const std::string* v = nonEmpty(lookup(pack, pack_section::input_label, control)))
        if (QString translated = splitQualifier(qs(from_pack_value(*v))).second; !translated.isEmpty())
            qualifier = translated;
    QString own = hint->property(kOwnHintProperty).toString();
    if (!own.isEmpty())
        if (const std::string* v = nonEmpty(lookup(pack, pack_section::hint, control))) own = qs(from_pack_value(*v));
    hint->setText(own.isEmpty() ? qualifier : qualifier + QLatin1Char(' ') + own);
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
        if (const QString control = label->property(kQualifierOfProperty).toString(); !control.isEmpty()) {
            applyQualifiedHint(label, control, pack);
            return;
        }
        const QString labelOf = label->property(kLabelOfProperty).toString();
        const QString hintOf = label->property(kHintOfProperty).toString();
        const std::string* v = !labelOf.isEmpty()  ? lookup(pack, pack_section::input_label, labelOf)
                               : !hintOf.isEmpty() ? lookup(pack, pack_section::hint, hintOf)
                               // A hyperlink shows rich text and is not in the packs.
                               : label->textFormat() == Qt::RichText ? nullptr
                                                                     : lookup(pack, pack_section::label, name);
        if (!(v = nonEmpty(v))) return;
        const QString text = qs(from_pack_value(*v));
        if (!labelOf.isEmpty() && label->property(kQualifiedProperty).toBool()) {
            // The qualifier is already at the start of the field's hint; the whole text stays a tooltip.
            const auto [shown, qualifier] = splitQualifier(text);
            label->setText(shown);
            label->setToolTip(text);
            if (label->buddy() != nullptr) label->buddy()->setToolTip(text);
        } else {
            label->setText(text);
        }
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

std::pair<QString, QString> splitQualifier(const QString& label) {
    static const QRegularExpression kQualifier(QStringLiteral("[(（][^()（）]*[)）]"));
    const QRegularExpressionMatch match = kQualifier.match(label);
    if (!match.hasMatch()) return {label, {}};
    QString shown = label;
    shown.remove(match.capturedStart(), match.capturedLength());
    shown = shown.trimmed();
    if (shown.isEmpty() || shown == QStringLiteral(":")) return {label, {}};
    return {shown, match.captured()};
}

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
