// Draws the settings window's pictures and the application icon:
//   ui-pictures <source root>
// writes res/image/comm/** and app/QZTablet.ico.
#include "AppLogo.h"
#include "ControlIcons.h"
#include "IcoFile.h"
#include "Illustrations.h"
#include "MenuIcons.h"
#include "PrivacyPictures.h"
#include "TitleBarIcons.h"
#include "UiPalette.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

#include <functional>
#include <vector>

namespace {

// Maximum zlib compression; the pictures are flat colours.
constexpr int kPngQuality = 0;
const int kIconSizes[] = {16, 24, 32, 48, 256};

struct Picture
{
    const char *path;
    std::function<QImage()> draw;
};

std::vector<Picture> pictures()
{
    using PrivacyPictures::Language;
    using PrivacyPictures::Setting;
    const QColor text = UiPalette::kText;
    const QColor disabled = UiPalette::kDisabled;
    return {
        {"32x32/logo_32x32.png", [] { return AppLogo::draw(32); }},
        {"256x256/logo_256x256.png", [] { return AppLogo::draw(256); }},
        {"32x32/pen_32x32.png", MenuIcons::pen},
        {"32x32/hotkey_32x32.png", MenuIcons::expressKeys},
        {"32x32/mapping_32x32.png", MenuIcons::screenMapping},
        {"32x32/settings_32x32.png", MenuIcons::settings},
        {"showwindow_24x24.png", MenuIcons::showWindow},
        {"exit_24x24.png", MenuIcons::exitProgram},
        {"16x16/triangle_right_16x16.png", ControlIcons::rowArrow},
        {"16x16/link_16x16.png", ControlIcons::rowLink},
        {"16x16/arrow_down_16x16.png", [text] { return ControlIcons::chevronDown(text); }},
        {"16x16/arrow_up_16x16.png", [text] { return ControlIcons::chevronUp(text); }},
        {"16x16/arrow_right_16x16.png", [text] { return ControlIcons::chevronRight(text); }},
        {"16x16/arrow_down_disabled_16x16.png",
         [disabled] { return ControlIcons::chevronDown(disabled); }},
        {"16x16/arrow_up_disabled_16x16.png",
         [disabled] { return ControlIcons::chevronUp(disabled); }},
        {"16x16/check_16x16.png", ControlIcons::checkMark},
        {"16x16/partial_16x16.png", ControlIcons::partialMark},
        {"titlebar/close.png", [text] { return TitleBarIcons::close(text); }},
        {"titlebar/close_hover.png", [] { return TitleBarIcons::close(UiPalette::kSurface); }},
        {"titlebar/min.png", TitleBarIcons::minimise},
        {"titlebar/max.png", TitleBarIcons::maximise},
        {"titlebar/set.png", TitleBarIcons::settings},
        {"titlebar/thumbtack.png", TitleBarIcons::thumbtack},
        {"not_detected.png", Illustrations::notDetected},
        {"macOS/exclaim_64x64.png", Illustrations::exclaim},
        {"macOS/privacy_accessibility_en.png",
         [] { return PrivacyPictures::draw(Setting::Accessibility, Language::English); }},
        {"macOS/privacy_accessibility_cn.png",
         [] { return PrivacyPictures::draw(Setting::Accessibility, Language::Chinese); }},
        {"macOS/privacy_screen_en.png",
         [] { return PrivacyPictures::draw(Setting::ScreenRecording, Language::English); }},
        {"macOS/privacy_screen_cn.png",
         [] { return PrivacyPictures::draw(Setting::ScreenRecording, Language::Chinese); }},
    };
}

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
    for (const Picture &picture : pictures()) {
        const QString error =
                savePicture(picture.draw(), pictureFolder.filePath(QString::fromLatin1(picture.path)));
        if (!error.isEmpty())
            return error;
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
