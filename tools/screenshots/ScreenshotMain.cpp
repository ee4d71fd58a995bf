// Renders every registered window of the settings program into a PNG file:
//   ui_screenshots <output folder> [name-regex]
// Under Wine with the windows platform (and a display) the pictures show what a user sees.
#include "ScreenshotScene.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTextStream>

std::vector<ScreenshotScene> &screenshotScenes()
{
    static std::vector<ScreenshotScene> scenes;
    return scenes;
}

namespace {

// Lets the window be laid out, styled and painted before it is grabbed.
void settle(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 2) {
        out << "usage: ui_screenshots <output folder> [name-regex]\n";
        return 2;
    }
    const QDir folder(arguments.at(1));
    if (!folder.mkpath(QStringLiteral("."))) {
        out << "cannot create " << folder.path() << "\n";
        return 1;
    }
    const QRegularExpression only(arguments.size() > 2 ? arguments.at(2) : QStringLiteral("."));
    int failures = 0;
    for (const ScreenshotScene &scene : screenshotScenes()) {
        if (!only.match(scene.name).hasMatch())
            continue;
        QWidget *window = scene.build();
        if (!window) {
            out << scene.name << ": not built\n";
            ++failures;
            continue;
        }
        window->show();
        settle(600);
        const QString path = folder.filePath(scene.name + QStringLiteral(".png"));
        const bool saved = window->grab().save(path);
        out << (saved ? "wrote " : "cannot write ") << path << "\n";
        failures += saved ? 0 : 1;
        delete window;
        settle(50);
    }
    return failures == 0 ? 0 : 1;
}
