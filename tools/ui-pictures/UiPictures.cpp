// Draws the settings window's pictures and the application icon:
//   ui-pictures <source root>
// writes res/image/comm/** and app/QZTablet.ico.
#include "AppLogo.h"
#include "IcoFile.h"
#include "Picture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

#include <functional>
#include <vector>

std::vector<PictureList> &pictureLists()
{
    static std::vector<PictureList> lists;
    return lists;
}

namespace {

// Maximum zlib compression; the pictures are flat colours.
constexpr int kPngQuality = 0;
const int kIconSizes[] = {16, 24, 32, 48, 256};

QString savePicture(const QImage &image, const QString &path)
{
    if (!QDir().mkpath(QFileInfo(path).path()) || !image.save(path, "PNG", kPngQuality))
        return QStringLiteral("cannot write ") + path;
    return QString();
}

QString saveIcon(const QString &path)
{
    QVector<QImage> images;
    for (int size : kIconSizes)
        images << AppLogo::draw(size);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(IcoFile::encode(images)) < 0)
        return QStringLiteral("cannot write ") + path;
    return QString();
}

QString drawAll(const QDir &root)
{
    const QDir pictureFolder(root.filePath(QStringLiteral("res/image/comm")));
    for (const PictureList &list : pictureLists()) {
        for (const Picture &picture : list()) {
            const QString error =
                    savePicture(picture.draw(), pictureFolder.filePath(QString::fromLatin1(picture.path)));
            if (!error.isEmpty())
                return error;
        }
    }
    return saveIcon(root.filePath(QStringLiteral("app/QZTablet.ico")));
}

} // namespace

#if defined(__SANITIZE_ADDRESS__)
// Qt's offscreen platform never frees its screen; its libraries carry no frame pointers, so the
// reports stop in Qt's own frames, which these lines name.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libqoffscreen.so\n"
           "leak:QScreen::QScreen\n"
           "leak:QPlatformScreen::QPlatformScreen\n"
           "leak:QWindowSystemInterface::handleScreenAdded\n";
}

extern "C" const char *__lsan_default_options()
{
    return "print_suppressions=0";
}
#endif

int main(int argc, char **argv)
{
    // Text is drawn with the fonts of the machine; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 2) {
        err << "usage: ui-pictures <source root>\n";
        return 2;
    }
    const QString error = drawAll(QDir(arguments.at(1)));
    if (!error.isEmpty()) {
        err << "ui-pictures: " << error << "\n";
        return 1;
    }
    return 0;
}
