#include "app/SaveFile.hpp"

#include <QSaveFile>

namespace vorlix {

QString writeFileAtomically(const QString& path, const QByteArray& bytes) {
    // Unbuffered, so that a short write (a full disk) shows up here instead of being lost in a flush.
    QSaveFile file(path);
    bool ok = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    for (qsizetype done = 0; ok && done < bytes.size();) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        ok = n > 0;
        if (ok) done += static_cast<qsizetype>(n);
    }
    if (ok) ok = file.commit();
    if (ok) return {};
    QString reason = file.errorString();
    if (reason.isEmpty()) reason = QStringLiteral("write failed");
    file.cancelWriting();
    return reason;
}

}  // namespace vorlix
