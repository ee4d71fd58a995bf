#pragma once

// One picture of the screenshot tool: a name (the PNG's file name without ".png") and a function
// that builds the window to photograph. The tool shows it, lets the event loop settle, grabs it
// and deletes it. Scenes register themselves from tools/screenshots/scenes/*.cpp:
//
//   QZ_SCREENSHOT_SCENE(mainWindow, "main-window", [] { return new MainWindow(...); })
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

struct ScreenshotScene
{
    QString name;
    std::function<QWidget *()> build;
};

std::vector<ScreenshotScene> &screenshotScenes();

struct ScreenshotSceneRegistration
{
    ScreenshotSceneRegistration(const char *name, std::function<QWidget *()> build)
    {
        screenshotScenes().push_back({QString::fromUtf8(name), std::move(build)});
    }
};

#define QZ_SCREENSHOT_SCENE(id, name, build) \
    static const ScreenshotSceneRegistration screenshotScene_##id(name, build);
