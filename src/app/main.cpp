// vorlix: the desktop program. Besides the normal start it has two modes for scripts and
// benchmarks that neither take the single-instance lock nor wait for a user:
//   vorlix --screenshot FILE [--tree-item N] [--form JSON]
//                                              render the main window with tree item N to a PNG,
//                                              its page first filled from a form file
//                                              (as `vorlix-cli generate --form` reads it)
//   vorlix --screenshot FILE --window CAPTION [--form JSON] [--press BUTTON]...
//                                              render the side window of that caption to a PNG,
//                                              first filled from a form file (the tab of what it
//                                              fills comes forward) and its buttons pressed in turn
//   vorlix --smoke                             show the main window, process pending events, end
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <cstdio>
#include <cstring>
#include <optional>
#include <vector>

#include "app/Fonts.hpp"
#include "app/MainWindow.hpp"
#include "app/Notices.hpp"
#include "app/PageView.hpp"
#include "app/QtTranslations.hpp"
#include "app/SingleInstance.hpp"
#include "app/TrayIcon.hpp"
#include "forms/data_dir.hpp"
#include "forms/press.hpp"
#include "forms/settings.hpp"
#include "generators/all_pages.hpp"
#include "version.hpp"
#include "windows/SideWindow.hpp"

namespace {

constexpr int kUsageError = 2;

int fail(const QString& message, int code) {
    std::fprintf(stderr, "vorlix: %s\n", message.toLocal8Bit().constData());
    return code;
}

// Lays the window out and paints it as on screen, without it appearing there, and saves the picture.
int saveScreenshot(QWidget* window, const QString& file) {
    window->setAttribute(Qt::WA_DontShowOnScreen);
    window->show();
    QApplication::processEvents();
    const QPixmap image = window->grab();
    if (!image.save(file, "PNG")) return fail(QStringLiteral("cannot write %1").arg(file), 1);
    return 0;
}

// Sets the controls of a page to the values of a JSON form file (control name -> value, a line list
// as an array of rows). Returns what went wrong, or nothing.
std::optional<QString> fillView(vorlix::PageView* view, const QString& formFile) {
    QFile in(formFile);
    if (!in.open(QIODevice::ReadOnly)) return QStringLiteral("cannot read the form file %1").arg(formFile);
    const QByteArray json = in.readAll();
    const vorlix::Form shown = view->collect();
    vorlix::Form filled = shown;
    if (auto e = vorlix::apply_json(view->spec(), filled, std::string_view(json.constData(), json.size())))
        return formFile + QStringLiteral(": ") + QString::fromStdString(*e);
    // Only what the file changes, so that labels and buttons keep their captions.
    const std::vector<vorlix::ControlUpdate> updates = vorlix::changed_values(shown, filled);
    view->apply(updates);
    // What reacts to every change of a control (a calculator's results) follows the filled values.
    vorlix::SeededRandom random;
    vorlix::Env env{random, vorlix::local_now(), vorlix::data_dir()};
    view->apply(vorlix::follow_changes(view->entry(), filled, updates, env));
    // A control filled on a tab page brings its page forward, so that the picture shows it.
    for (const vorlix::ControlUpdate& u : updates) {
        for (QWidget* w = view->control(u.name); w != nullptr && w != view; w = w->parentWidget()) {
            auto* tabs =
                w->parentWidget() != nullptr ? qobject_cast<QTabWidget*>(w->parentWidget()->parentWidget()) : nullptr;
            if (tabs != nullptr && tabs->indexOf(w) >= 0) tabs->setCurrentWidget(w);
        }
    }
    return std::nullopt;
}

std::optional<QString> fillPage(const vorlix::MainWindow& window, int treeItem, const QString& formFile) {
    const vorlix::TreeItem& item = vorlix::registry().tree()[static_cast<std::size_t>(treeItem)];
    vorlix::PageView* view = window.pageView(item.outer, item.inner);
    if (view == nullptr) return QStringLiteral("tree item %1 shows no page to fill").arg(treeItem);
    return fillView(view, formFile);
}

int takeScreenshot(const QString& file, int treeItem, const QString& formFile) {
    vorlix::MainWindow window;
    // Laid out and painted as on screen, without appearing there.
    window.setAttribute(Qt::WA_DontShowOnScreen);
    window.show();
    window.selectTreeItem(treeItem);
    if (!formFile.isEmpty())
        if (const std::optional<QString> error = fillPage(window, treeItem, formFile)) return fail(*error, kUsageError);
    return saveScreenshot(&window, file);
}

int takeSideWindowScreenshot(const QString& file, const QString& caption, const QString& formFile,
                             const QStringList& presses) {
    vorlix::MainWindow window;
    vorlix::SideWindow* side = window.sideWindow(caption);
    if (side == nullptr)
        return fail(QStringLiteral("no side window \"%1\"; there are: %2")
                        .arg(caption, vorlix::MainWindow::sideWindowCaptions().join(QStringLiteral(", "))),
                    kUsageError);
    side->setAttribute(Qt::WA_DontShowOnScreen);
    side->show();
    if (!formFile.isEmpty())
        if (const std::optional<QString> error = fillView(side->page(), formFile)) return fail(*error, kUsageError);
    for (const QString& name : presses) {
        auto* button = qobject_cast<QPushButton*>(side->page()->control(name.toStdString()));
        if (button == nullptr)
            return fail(QStringLiteral("side window \"%1\" has no button %2").arg(caption, name), kUsageError);
        button->click();
    }
    return saveScreenshot(side, file);
}

}  // namespace

int main(int argc, char** argv) {
    // Answered before the window system is touched, so that it also works without a display.
    if (argc == 2 && (std::strcmp(argv[1], "--version") == 0 || std::strcmp(argv[1], "-v") == 0)) {
        std::printf("vorlix %s\n", vorlix::kVersion);
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vorlix"));
    QApplication::setApplicationVersion(QString::fromLatin1(vorlix::kVersion));
    QApplication::setDesktopFileName(QStringLiteral("org.vorlix.Vorlix"));  // the installed .desktop file
    QApplication::setWindowIcon(vorlix::TrayIcon::programIcon());
    QApplication::setFont(vorlix::interfaceFont());
    vorlix::installQtTranslations();  // without them, Qt's buttons stay English and all else works

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("RouterOS 5.x/6.x script generator"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Render the main window to the PNG file <file> and exit."),
                                        QStringLiteral("file"));
    const QCommandLineOption treeItem(QStringLiteral("tree-item"),
                                      QStringLiteral("With --screenshot: select navigation item <n> (0 to 42) first."),
                                      QStringLiteral("n"), QStringLiteral("0"));
    const QCommandLineOption form(
        QStringLiteral("form"),
        QStringLiteral("With --screenshot: fill the page from the JSON form file <file> (control name -> value)."),
        QStringLiteral("file"));
    const QCommandLineOption smoke(QStringLiteral("smoke"),
                                   QStringLiteral("Show the main window, process pending events and exit."));
    const QCommandLineOption sideWindow(QStringLiteral("window"),
                                        QStringLiteral("With --screenshot: render the side window <caption> instead."),
                                        QStringLiteral("caption"));
    const QCommandLineOption press(
        QStringLiteral("press"),
        QStringLiteral("With --screenshot --window: press the button <name> first (repeatable)."),
        QStringLiteral("name"));
    parser.addOptions({screenshot, treeItem, form, sideWindow, press, smoke});
    if (!parser.parse(QApplication::arguments())) return fail(parser.errorText(), kUsageError);
    if (parser.isSet(QStringLiteral("help"))) parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version"))) parser.showVersion();
    if (!parser.positionalArguments().isEmpty())
        return fail(QStringLiteral("unexpected argument %1").arg(parser.positionalArguments().constFirst()),
                    kUsageError);

    if (parser.isSet(screenshot) && parser.isSet(sideWindow)) {
        if (parser.isSet(treeItem))
            return fail(QStringLiteral("--tree-item and --window exclude each other"), kUsageError);
        return takeSideWindowScreenshot(parser.value(screenshot), parser.value(sideWindow), parser.value(form),
                                        parser.values(press));
    }
    if (parser.isSet(screenshot)) {
        if (parser.isSet(press)) return fail(QStringLiteral("--press goes with --window"), kUsageError);
        bool ok = false;
        const int item = parser.value(treeItem).toInt(&ok);
        const int items = static_cast<int>(vorlix::registry().tree().size());
        if (!ok || item < 0 || item >= items)
            return fail(QStringLiteral("--tree-item takes a number from 0 to %1, not \"%2\"")
                            .arg(items - 1)
                            .arg(parser.value(treeItem)),
                        kUsageError);
        return takeScreenshot(parser.value(screenshot), item, parser.value(form));
    }
    if (parser.isSet(treeItem)) return fail(QStringLiteral("--tree-item goes with --screenshot"), kUsageError);
    if (parser.isSet(form)) return fail(QStringLiteral("--form goes with --screenshot"), kUsageError);
    if (parser.isSet(sideWindow)) return fail(QStringLiteral("--window goes with --screenshot"), kUsageError);
    if (parser.isSet(press)) return fail(QStringLiteral("--press goes with --screenshot --window"), kUsageError);

    const bool smokeRun = parser.isSet(smoke);
    vorlix::SingleInstance instance(vorlix::SingleInstance::defaultServerName());
    if (!smokeRun && !instance.claim()) return 0;  // the running program shows its window instead

    // The data directory is only needed for what the user chooses to keep; without it the program
    // still works.
    QDir().mkpath(QString::fromStdString(vorlix::data_dir()));

    vorlix::MainWindow window;
    vorlix::TrayIcon tray;
    QObject::connect(&tray, &vorlix::TrayIcon::showWindowRequested, &window, &vorlix::MainWindow::bringToFront);
    QObject::connect(&tray, &vorlix::TrayIcon::quitRequested, &window, &vorlix::MainWindow::requestQuit);
    QObject::connect(&instance, &vorlix::SingleInstance::showRequested, &window, &vorlix::MainWindow::bringToFront);
    if (QSystemTrayIcon::isSystemTrayAvailable()) tray.show();
    window.move(50, 50);
    window.restoreState();  // where the user left it last time, if that is known
    window.show();

    if (smokeRun) {
        QApplication::processEvents();
        return 0;
    }
    // Usage notices go only to a statistics page the user named; by default nothing is sent.
    const std::string dataDir = vorlix::data_dir();
    vorlix::Notices notices(dataDir, vorlix::stats_endpoint(dataDir));
    notices.start(vorlix::local_now());
    const int status = QApplication::exec();
    // Not being able to keep it costs the user only the window's place next time.
    window.saveState();
    // The window is gone; the offline report may hold the end for a few seconds at most.
    notices.stop();
    notices.sendOffline();
    return status;
}
