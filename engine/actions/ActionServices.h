#pragma once

#include "config/profiles/AppProfile.h"
#include "engine/apps/IForegroundProcess.h"
#include "engine/apps/ThirdPartyProfiles.h"
#include "engine/output/IKeyboardDriverInterface.h"
#include "engine/output/IPointerDriverInterface.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

// The services that running an action uses beside the engine itself. Any of them may be
// absent: the actions that need it then do nothing, and the timing ones take the system's.
struct ActionServices
{
    std::shared_ptr<IKeyboardDriverInterface> keyboard;
    std::shared_ptr<IPointerDriverInterface> pointer;
    std::shared_ptr<IForegroundProcess> foreground;
    // The application profiles as of now.
    std::function<AppProfileSnapshot()> appProfiles;
    // The pen and eraser shortcuts of a known application.
    std::function<bool(const ProcessEntry &, ShortcutEntries &)> toolShortcuts;
    // An action word in the interface language; the word itself when absent.
    std::function<QString(const QString &)> translateWord;
    // The on-screen tip.
    std::function<void(const QString &)> showTip;
    // Starts a program without waiting for it.
    std::function<void(const QString &)> startProgram;
    // Waits that many milliseconds; yieldDelay when absent.
    std::function<void(int)> wait;
    // Steady milliseconds; the steady clock when absent.
    std::function<std::uint64_t()> clock;
};
