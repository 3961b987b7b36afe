#include "app/FormFiles.hpp"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/PageView.hpp"
#include "app/QtText.hpp"
#include "app/SaveFile.hpp"
#include "forms/control_kind.hpp"
#include "forms/data_dir.hpp"
#include "forms/form_file.hpp"
#include "forms/press.hpp"
#include "script/random.hpp"
#include "script/ros_date.hpp"
#include "version.hpp"

namespace vorlix {
namespace {

// A form file is a few kilobytes; anything this large was picked by mistake.
constexpr qint64 kLargestFormFile = 4 * 1024 * 1024;

QString recentListPath() {
    return QDir(QString::fromStdString(data_dir())).filePath(qs(kRecentFormFilesName));
}

// The list is a convenience: when it cannot be written the file itself is still saved or loaded.
void remember(const QString& path, const std::string& page) {
    std::vector<RecentFormFile> list = recentFormFiles();
    remember_form_file(list, {QFileInfo(path).absoluteFilePath().toStdString(), page});
    QDir().mkpath(QString::fromStdString(data_dir()));
    const std::string text = recent_form_files_text(list);
    writeFileAtomically(recentListPath(), QByteArray(text.data(), static_cast<qsizetype>(text.size())));
}

// What a control takes, said to the user whose file holds something else.
QString expected(const ControlSpec& c) {
    switch (kind_info(c.kind).value) {
        case ValueForm::flag:
            return QStringLiteral("应为 true 或 false");
        case ValueForm::pick: {
            QStringList items;
            for (const std::string& item : c.items) items << qs(item);
            return QStringLiteral("应为下拉列表中的一项: %1").arg(items.join(QStringLiteral(", ")));
        }
        case ValueForm::rows:
            return QStringLiteral("应为若干行, 每行 %1 个文本").arg(c.columns.size());
        case ValueForm::number:
            return QStringLiteral("应为 %1 到 %2 之间的整数").arg(c.minimum).arg(c.maximum);
        case ValueForm::text:
        case ValueForm::none:
            break;
    }
    return QStringLiteral("应为文本");
}

QString refusal(const FormFileRead& read, const PageSpec& page, const QString& file) {
    switch (read.problem) {
        case FormFileProblem::not_json:
            return QStringLiteral("%1\n不是完整的表单文件(JSON 格式有误, 文件可能不完整), 未载入。").arg(file);
        case FormFileProblem::not_a_form:
            return QStringLiteral("%1\n不是 Vorlix 表单文件, 未载入。").arg(file);
        case FormFileProblem::newer_format:
            return QStringLiteral("%1\n是较新版本的 Vorlix 保存的表单文件, 本版本无法读取, 未载入。").arg(file);
        case FormFileProblem::other_page:
            return QStringLiteral("表单文件 %1\n是页面「%2」的表单, 不能载入到页面「%3」。")
                .arg(file, qs(read.file_page), qs(page.caption));
        case FormFileProblem::unknown_control:
            return QStringLiteral("表单文件 %1\n含有页面「%2」没有的控件 %3, 未载入。")
                .arg(file, qs(page.caption), qs(read.control));
        case FormFileProblem::bad_value: {
            const ControlSpec* c = page.find(read.control);
            return QStringLiteral("表单文件 %1\n中控件 %2 的值不正确(%3), 整个表单未载入。")
                .arg(file, qs(read.control), c != nullptr ? expected(*c) : QString());
        }
        case FormFileProblem::none:
            break;
    }
    return {};
}

}  // namespace

QString saveForm(const PageView& view, const QString& path) {
    const std::string text = form_file_text(view.spec(), view.collect(), kVersion);
    const QString reason = writeFileAtomically(path, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
    if (!reason.isEmpty())
        return QStringLiteral("无法保存表单文件 %1:\n%2").arg(QDir::toNativeSeparators(path), reason);
    remember(path, view.spec().caption);
    return {};
}

FormLoad loadForm(PageView& view, const QString& path) {
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    if (file.size() > kLargestFormFile)
        return {QStringLiteral("文件太大(超过4MB), 不是表单文件, 未载入:\n%1").arg(shown), {}};
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("无法读取表单文件 %1:\n%2").arg(shown, file.errorString()), {}};
    const QByteArray bytes = file.readAll();

    const PageSpec& spec = view.spec();
    const Form before = view.collect();
    // A loaded page is the file's whole set-up: what the file leaves out is back at its default,
    // whatever was typed before. Script editors keep their text; a form file holds no output.
    Form base = Form::defaults(spec);
    for (const ControlSpec& c : spec.controls)
        if (c.kind == ControlKind::editor)
            if (const FieldValue* v = before.find(c.name)) base.at(c.name) = *v;
    FormFileRead read =
        read_form_file(spec, base, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!read.ok()) return {refusal(read, spec, shown), {}};

    SeededRandom random;
    Env env{random, local_now(), data_dir()};
    const std::vector<ControlUpdate> reactions = settle(view.entry(), read.form, env);
    const std::vector<ControlUpdate> changed = changed_values(before, read.form);
    std::vector<ControlUpdate> updates = changed;
    // Which controls are usable follows the loaded check boxes, as after the user's own clicks.
    for (const ControlUpdate& r : reactions) updates.push_back(r);
    view.apply(updates);
    // What follows every change of a control (a calculator's results) follows the loaded values too.
    view.apply(follow_changes(view.entry(), read.form, changed, env));
    remember(path, spec.caption);

    FormLoad loaded;
    for (const std::string& name : read.ignored) loaded.ignored << qs(name);
    return loaded;
}

std::vector<RecentFormFile> recentFormFiles() {
    QFile file(recentListPath());
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.read(kLargestFormFile);
    return parse_recent_form_files(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

QString formFileName(const QString& pageCaption) {
    QString name = pageCaption;
    for (QChar& ch : name)
        if (ch.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(ch)) ch = QLatin1Char('_');
    name = name.trimmed();
    if (name.isEmpty() || name.startsWith(QLatin1Char('.'))) name.prepend(QStringLiteral("表单"));
    return name + QStringLiteral(".json");
}

}  // namespace vorlix
