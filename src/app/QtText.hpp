#pragma once
// Text between the program (UTF-8 std::string, CR LF line ends) and Qt (QString, documents of one
// block per line).
#include <QString>
#include <QTextDocument>
#include <string_view>

namespace vorlix {

// UTF-8 text as a QString.
inline QString qs(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// UTF-8 text with CR LF or LF line ends, as a document's plain text.
inline QString fromScriptText(std::string_view utf8) {
    QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

// A document's text with `lineEnd` between its lines. Unlike toPlainText() it keeps no-break
// spaces as they are.
inline QString documentText(const QTextDocument* document, const QString& lineEnd) {
    QString text = document->toRawText();
    text.replace(QChar::ParagraphSeparator, lineEnd);
    text.replace(QChar::LineSeparator, lineEnd);
    return text;
}

}  // namespace vorlix
