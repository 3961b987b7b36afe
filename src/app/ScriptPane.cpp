#include "app/ScriptPane.hpp"

#include <QClipboard>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextLayout>

#include "app/MessageBox.hpp"
#include "app/QtText.hpp"
#include "app/SaveFile.hpp"
#include "script/encoding.hpp"
#include "script/text.hpp"

namespace vorlix {

// The strip left of the text. It owns no state: the pane paints it, so the numbers always come
// from the blocks the pane shows at that moment.
class LineNumberGutter final : public QWidget {
public:
    explicit LineNumberGutter(ScriptPane* pane) : QWidget(pane), m_pane(pane) {
        setObjectName(QStringLiteral("编辑框_行号"));
    }
    QSize sizeHint() const override { return {m_pane->gutterWidth(), 0}; }

protected:
    void paintEvent(QPaintEvent* event) override { m_pane->paintGutter(event); }

private:
    ScriptPane* m_pane;
};

namespace {

// A dropped file's first local path, or "" when the drop carries none.
QString droppedFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls()) return {};
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) return url.toLocalFile();
    return {};
}

}  // namespace

ScriptPane::ScriptPane(QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName(QStringLiteral("编辑框_代码"));
    // Scripts are read line by line: no wrapping, so one pane line is one script line.
    setLineWrapMode(QPlainTextEdit::NoWrap);
    m_gutter = new LineNumberGutter(this);
    connect(this, &QPlainTextEdit::blockCountChanged, this, &ScriptPane::updateGutterWidth);
    connect(this, &QPlainTextEdit::updateRequest, this, &ScriptPane::updateGutter);
    updateGutterWidth();
}

void ScriptPane::setScript(std::string_view utf8) {
    setPlainText(fromScriptText(utf8));
}

std::string ScriptPane::script() const {
    return documentText(document(), QStringLiteral("\r\n")).toStdString();
}

int ScriptPane::lineCount() const {
    return blockCount();
}

QString ScriptPane::gutterText() const {
    return QString::fromStdString(line_numbers(lineCount()));
}

int ScriptPane::firstVisibleLine() const {
    return firstVisibleBlock().blockNumber() + 1;
}

int ScriptPane::gutterWidth() const {
    int digits = 1;
    for (int n = qMax(1, blockCount()); n >= 10; n /= 10) ++digits;
    return 10 + fontMetrics().horizontalAdvance(QLatin1Char('9')) * qMax(digits, 3);
}

void ScriptPane::updateGutterWidth() {
    const int width = gutterWidth();
    setViewportMargins(width, 0, 0, 0);
    const QRect cr = contentsRect();
    m_gutter->setGeometry(QRect(cr.left(), cr.top(), width, cr.height()));
}

void ScriptPane::updateGutter(const QRect& rect, int dy) {
    if (dy != 0)
        m_gutter->scroll(0, dy);
    else
        m_gutter->update(0, rect.y(), m_gutter->width(), rect.height());
    if (rect.contains(viewport()->rect())) updateGutterWidth();
}

void ScriptPane::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    updateGutterWidth();
}

void ScriptPane::changeEvent(QEvent* event) {
    QPlainTextEdit::changeEvent(event);
    // The numbers are drawn in the pane's font: a larger font needs a wider strip.
    if (event->type() == QEvent::FontChange) {
        updateGutterWidth();
        m_gutter->update();
    }
}

void ScriptPane::paintGutter(QPaintEvent* event) {
    QPainter painter(m_gutter);
    const QPalette& pal = palette();
    painter.fillRect(event->rect(), pal.color(QPalette::AlternateBase));
    painter.setPen(pal.color(QPalette::Mid));
    painter.drawLine(m_gutter->width() - 1, event->rect().top(), m_gutter->width() - 1, event->rect().bottom());
    painter.setPen(pal.color(QPalette::PlaceholderText));
    painter.setFont(font());

    QTextBlock block = firstVisibleBlock();
    int number = block.blockNumber();
    qreal top = blockBoundingGeometry(block).translated(contentOffset()).top();
    const int right = m_gutter->width() - 5;
    const QFontMetrics metrics(font());
    while (block.isValid() && top <= event->rect().bottom()) {
        const qreal height = blockBoundingRect(block).height();
        if (block.isVisible() && top + height >= event->rect().top()) {
            // On the baseline of the block's first line, so that the number sits level with the
            // text even where a fallback font makes the line taller.
            qreal baseline = top + metrics.ascent();
            if (const QTextLayout* layout = block.layout(); layout != nullptr && layout->lineCount() > 0)
                baseline = top + layout->lineAt(0).y() + layout->lineAt(0).ascent();
            const QString text = QString::number(number + 1);
            painter.drawText(QPointF(right - metrics.horizontalAdvance(text), baseline), text);
        }
        block = block.next();
        top += height;
        ++number;
    }
}

void ScriptPane::keyPressEvent(QKeyEvent* event) {
    // Ctrl+A alone selects everything; with Shift or Alt held it is not the select-all key.
    if (event->key() == Qt::Key_A && event->modifiers() == Qt::ControlModifier) {
        selectAll();
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void ScriptPane::insert(const Insertion& insertion) {
    QTextCursor cursor = textCursor();
    QString text = fromScriptText(insertion.text);
    if (insertion.at == InsertAt::new_line) {
        cursor.clearSelection();
        cursor.movePosition(QTextCursor::End);
        text.prepend(QLatin1Char('\n'));
    }
    cursor.beginEditBlock();
    cursor.insertText(text);
    cursor.endEditBlock();
    setTextCursor(cursor);
    ensureCursorVisible();
    setFocus(Qt::OtherFocusReason);
}

void ScriptPane::copyToClipboard(bool confirm) {
    // Line ends as the platform's clipboard expects them ('\n' here; Qt writes CR LF on Windows).
    QGuiApplication::clipboard()->setText(documentText(document(), QStringLiteral("\n")));
    if (confirm) showMessage({.text = "已复制到剪切板", .icon = kIconWarning}, window());
}

void ScriptPane::clearText() {
    // Through a cursor rather than clear(), which would also forget the undo history: an emptied
    // script comes back with Ctrl+Z.
    QTextCursor cursor(document());
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
}

void ScriptPane::chooseFont() {
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, font(), window(), QStringLiteral("修改字体"));
    if (ok) setFont(chosen);
}

void ScriptPane::saveAs(const QString& title) {
    static const QStringList kFilters = {QStringLiteral("RSC文件(*.rsc)"), QStringLiteral("文本文档(*.txt)"),
                                         QStringLiteral("所有文件(*.*)")};
    static const QStringList kSuffixes = {QStringLiteral("rsc"), QStringLiteral("txt"), QString()};
    QFileDialog dialog(window(), title, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(kFilters);
    dialog.setDefaultSuffix(kSuffixes.front());
    connect(&dialog, &QFileDialog::filterSelected, &dialog,
            [&dialog](const QString& filter) { dialog.setDefaultSuffix(kSuffixes.value(kFilters.indexOf(filter))); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    saveTo(dialog.selectedFiles().constFirst());
}

bool ScriptPane::saveTo(const QString& path) {
    // The GBK bytes replace the target only once all of them are written: a failed save leaves an
    // existing file as it was.
    const std::string bytes = utf8_to_gbk(script());
    const QString reason = writeFileAtomically(path, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (reason.isEmpty()) return true;
    showMessage(
        {.text = QStringLiteral("无法保存文件 %1:\n%2").arg(QDir::toNativeSeparators(path), reason).toStdString(),
         .icon = kIconError},
        window());
    return false;
}

void ScriptPane::openFile(const QString& path) {
    QFile file(path);
    // A script is kilobytes; a file this large was dropped by mistake (an image, an archive). Reading
    // it would freeze the window and throw away what the pane holds, so it is refused instead.
    constexpr qint64 kLargestScript = 32 * 1024 * 1024;
    if (file.size() > kLargestScript) {
        showMessage({.text = QStringLiteral("文件太大(超过32MB),不是脚本文件,未打开:\n%1")
                                 .arg(QDir::toNativeSeparators(path))
                                 .toStdString(),
                     .icon = kIconWarning},
                    window());
        return;
    }
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly)) bytes = file.readAll();
    setScript(decode_dropped_file(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
}

void ScriptPane::replaceAll(const QString& from, const QString& to) {
    if (from.isEmpty()) return;
    setScript(replace_all(script(), from.toStdString(), to.toStdString()));
}

void ScriptPane::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        QPlainTextEdit::dragEnterEvent(event);
}

void ScriptPane::dragMoveEvent(QDragMoveEvent* event) {
    if (!droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        QPlainTextEdit::dragMoveEvent(event);
}

void ScriptPane::dropEvent(QDropEvent* event) {
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty()) {
        QPlainTextEdit::dropEvent(event);
        return;
    }
    event->acceptProposedAction();
    openFile(path);
}

}  // namespace vorlix
