#include "app/QtTranslations.hpp"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace vorlix {

QString qtTranslationFile() {
    const QString name = QStringLiteral("qtbase_zh_CN.qm");
    for (const QString& dir : {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                               QCoreApplication::applicationDirPath() + QStringLiteral("/translations")}) {
        const QFileInfo file(QDir(dir), name);
        if (file.isFile()) return file.absoluteFilePath();
    }
    return {};
}

bool installQtTranslations() {
    static QTranslator* installed = nullptr;
    if (installed != nullptr) return true;
    const QString file = qtTranslationFile();
    if (file.isEmpty()) return false;
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(file) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    installed = translator;
    return true;
}

}  // namespace vorlix
