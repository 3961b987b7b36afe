#pragma once
// The one way the program writes a file the user chose: scripts from the script pane, form files.
#include <QByteArray>
#include <QString>

namespace vorlix {

// Writes `bytes` to `path` through a temporary file beside it, which replaces `path` only once
// everything is written: a failed write leaves an existing file as it was and no temporary file
// behind. Returns why it failed, or an empty string.
QString writeFileAtomically(const QString& path, const QByteArray& bytes);

}  // namespace vorlix
