#pragma once

#include "config/profiles/AppProfile.h"
#include "engine/apps/IForegroundProcess.h"
#include "engine/apps/ThirdPartyProfiles.h"
#include "engine/device/IDeviceListener.h"
#include "engine/hid/IHidBackend.h"
#include "engine/output/DriverInterfaceSet.h"

#include <QPoint>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class ScreenStatusListen;

// The operating-system services the engine runs on: the system's in the program, stand-ins in
// tests. Any of them may be absent; the engine then goes without that output or input.
struct EnginePlatform
{
    std::shared_ptr<IHidBackend> hid;
    std::unique_ptr<IDeviceListener> listener;
    std::unique_ptr<DriverInterfaceSet> drivers;
    // The process-wide display manager; not owned.
    ScreenStatusListen *displays = nullptr;
    // The cursor position in desktop pixels.
    std::function<QPoint()> cursorPosition;
    // The running programs that the application picker offers, without icons; absent: none.
    std::function<std::vector<ProcessEntry>()> runningProcesses;

    // What actions use. The program gives the application profiles (appProfilesSnapshot), the
    // translation of action words (TabletLanguage's translateWord; the word itself when
    // absent) and the on-screen tip (none when absent).
    std::shared_ptr<IForegroundProcess> foreground;
    std::function<AppProfileSnapshot()> appProfiles;
    std::function<QString(const QString &)> translateWord;
    std::function<void(const QString &)> showTip;
    // Starts an exec action's program without waiting; absent: no program starts.
    std::function<void(const QString &)> startProgram;
    // The pen and eraser shortcuts of known applications; absent: the compiled-in profiles.
    std::function<bool(const ProcessEntry &, ShortcutEntries &)> toolShortcuts;
    // Waits between the reports of an action and its steady clock in milliseconds; absent:
    // the system's.
    std::function<void(int)> wait;
    std::function<std::uint64_t()> clock;
};
