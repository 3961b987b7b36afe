#pragma once
// A script editor: the main window's pane, which every page's generate button writes to, and the
// own editor of a side window. A line-number gutter is painted beside the text; the file and text
// actions around the editor act on its content.
#include <QPlainTextEdit>
#include <string>
#include <string_view>

#include "forms/outcome.hpp"

namespace vorlix {

class ScriptPane : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit ScriptPane(QWidget* parent = nullptr);

    // Replaces the whole content. The text is UTF-8 with CR LF (or LF) line ends.
    void setScript(std::string_view utf8);
    // The content as UTF-8 with CR LF line ends.
    std::string script() const;
    // Lines of the content; an empty pane has one.
    int lineCount() const;
    // What the gutter stands for: "1" to lineCount() joined by CR LF.
    QString gutterText() const;
    // The number of the first line the gutter paints (the topmost visible line).
    int firstVisibleLine() const;

    // Puts text in as one step that can be undone: in place of the selection (at the caret when
    // nothing is selected), or at the end of the text after a line end of its own. The caret ends
    // after it, in view, and the pane has the keyboard focus.
    void insert(const Insertion& insertion);

    // The file and text actions of the buttons around the pane. Each reports to the user itself;
    // copying says that it copied unless told to be quiet.
    void copyToClipboard(bool confirm = true);
    void saveAs(const QString& title = QStringLiteral("内容另存为"));
    // Empties the pane as one step that can be undone.
    void clearText();
    // Asks for a font; the text and the line numbers take it.
    void chooseFont();
    bool saveTo(const QString& path);
    void openFile(const QString& path);
    void replaceAll(const QString& from, const QString& to);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    friend class LineNumberGutter;

    int gutterWidth() const;
    void updateGutterWidth();
    void updateGutter(const QRect& rect, int dy);
    void paintGutter(QPaintEvent* event);

    QWidget* m_gutter = nullptr;
};

}  // namespace vorlix
