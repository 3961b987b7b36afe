// The smallest Qt Widgets program with a main window: what start-up costs before any of Vorlix's
// own work. `--smoke` shows the window, processes pending events and ends, as `vorlix --smoke` does.
// `--label` puts one short Chinese label into it, which makes Qt load a CJK font: the part of
// start-up that any Chinese window pays before it shows its first character.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <cstring>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    bool smoke = false, label = false;
    for (int i = 1; i < argc; ++i) {
        smoke = smoke || std::strcmp(argv[i], "--smoke") == 0;
        label = label || std::strcmp(argv[i], "--label") == 0;
    }
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bare window"));
    if (label) window.setCentralWidget(new QLabel(QStringLiteral("系统")));
    window.resize(965, 740);
    window.show();
    if (smoke) {
        QApplication::processEvents();
        return 0;
    }
    return QApplication::exec();
}
