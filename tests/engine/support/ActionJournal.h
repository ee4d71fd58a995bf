#pragma once

// Stand-ins for everything an action reaches, all writing one journal of readable lines, so
// that a test compares what happened, in order, across keyboard, pointer and window.
#include "config/packets/PointerEvent.h"
#include "config/profiles/AppProfile.h"
#include "engine/actions/ActionServices.h"
#include "engine/apps/IForegroundProcess.h"
#include "engine/core/IActionHost.h"
#include "engine/output/IKeyboardDriverInterface.h"
#include "engine/output/IPointerDriverInterface.h"
#include "engine/output/KeyNames.h"

#include <QPoint>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

class ActionJournal
{
public:
    void add(const std::string &line)
    {
        std::lock_guard<std::mutex> lock(mutex);
        lines.push_back(line);
    }
    std::vector<std::string> take()
    {
        std::lock_guard<std::mutex> lock(mutex);
        std::vector<std::string> taken;
        taken.swap(lines);
        return taken;
    }
    std::size_t size()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return lines.size();
    }

private:
    std::mutex mutex;
    std::vector<std::string> lines;
};

inline std::string hex(int value)
{
    char text[16];
    std::snprintf(text, sizeof(text), value < 0 ? "%d" : "0x%02X", value);
    return text;
}

// "key+ mods=2 0x16 -1 5": press (+) or release (-), modifier bits, both keys, the delay.
class JournalKeyboard : public IKeyboardDriverInterface
{
public:
    explicit JournalKeyboard(ActionJournal &journal) : journal(journal) {}

    bool open() override { return true; }
    bool keyNameToVirtualKey(const std::string &name, int &code, KeyTable which) const override
    {
        return KeyNames::keyNameToVirtualKey(name, code, which);
    }
    bool sendKey(const std::shared_ptr<KeyboardEvent> &event, int delay) override
    {
        journal.add(std::string("key") + (event->pressed ? "+" : "-") + " mods=" + std::to_string(event->modifiers)
                    + " " + hex(event->key1) + " " + hex(event->key2) + " " + std::to_string(delay));
        return true;
    }

private:
    ActionJournal &journal;
};

// "mode 1"; "abs x,y button pressed"; "rel x,y button pressed"; "pen leave=0 eraser=1".
class JournalPointer : public IPointerDriverInterface
{
public:
    explicit JournalPointer(ActionJournal &journal) : journal(journal) {}

    bool open() override { return true; }
    bool sendPointerEvent(const std::shared_ptr<PointerEvent> &event) override
    {
        const auto *mouse = dynamic_cast<const MousePointerEvent *>(event.get());
        if (const auto *pen = dynamic_cast<const DigitizerPointerEvent *>(event.get())) {
            journal.add("pen leave=" + std::to_string(pen->leave) + " eraser=" + std::to_string(pen->eraser));
            return true;
        }
        if (!mouse)
            return false;
        journal.add(std::string(mouse->kind == PointerEvent::AbsoluteMouse ? "abs " : "rel ")
                    + std::to_string(mouse->x) + "," + std::to_string(mouse->y) + " "
                    + std::to_string(mouse->button) + " " + std::to_string(mouse->pressed));
        return true;
    }
    void setMode(int mode) override { journal.add("mode " + std::to_string(mode)); }

private:
    ActionJournal &journal;
};

class FixedForeground : public IForegroundProcess
{
public:
    bool foregroundProcess(ProcessEntry &process) const override
    {
        if (!current)
            return false;
        process = *current;
        return true;
    }

    void set(const QString &name, const QString &path)
    {
        ProcessEntry entry;
        entry.name = name.toUpper();
        entry.path = path;
        current = entry;
    }

    std::optional<ProcessEntry> current;
};

// "screen", "dial 1", "paste text".
class JournalHost : public IActionHost
{
public:
    explicit JournalHost(ActionJournal &journal) : journal(journal) {}

    void requestScreenSwitch() override { journal.add("screen"); }
    void requestDialActionSwitch(int dial) override { journal.add("dial " + std::to_string(dial)); }
    void requestPaste(const QString &text) override { journal.add("paste " + text.toStdString()); }
    bool eraserMode() const override { return eraser; }
    bool switchPenTool() override
    {
        eraser = !eraser;
        ++toolChanges;
        return eraser;
    }
    int dialKeyCount() const override { return dialKeys; }
    bool lastPointerPosition(QPoint &position) const override
    {
        if (!lastPosition)
            return false;
        position = *lastPosition;
        return true;
    }
    QPoint cursorToNormalized() const override { return cursor; }

    bool eraser = false;
    int toolChanges = 0;
    int dialKeys = 0;
    std::optional<QPoint> lastPosition;
    QPoint cursor{-1, -1};

private:
    ActionJournal &journal;
};

// Services over the journal: "wait 10", "tip text", "start path"; a clock that only the waits
// (and the test) move.
struct JournalServices
{
    explicit JournalServices(ActionJournal &journal)
        : keyboard(std::make_shared<JournalKeyboard>(journal)),
          pointer(std::make_shared<JournalPointer>(journal)),
          foreground(std::make_shared<FixedForeground>()), journal(journal)
    {
    }

    ActionServices services()
    {
        ActionServices services;
        services.keyboard = keyboard;
        services.pointer = pointer;
        services.foreground = foreground;
        services.appProfiles = [this] { return profiles; };
        services.toolShortcuts = [this](const ProcessEntry &process, ShortcutEntries &entries) {
            return known.shortcuts(process, entries);
        };
        services.translateWord = [](const QString &word) { return QStringLiteral("tr:") + word; };
        services.showTip = [this](const QString &text) { journal.add("tip " + text.toStdString()); };
        services.startProgram = [this](const QString &path) { journal.add("start " + path.toStdString()); };
        services.wait = [this](int milliseconds) {
            journal.add("wait " + std::to_string(milliseconds));
            now += std::uint64_t(milliseconds);
        };
        services.clock = [this] { return now; };
        return services;
    }

    std::shared_ptr<JournalKeyboard> keyboard;
    std::shared_ptr<JournalPointer> pointer;
    std::shared_ptr<FixedForeground> foreground;
    AppProfileSnapshot profiles = std::make_shared<const AppProfileList>();
    ThirdPartyProfiles known;
    std::uint64_t now = 1000;

private:
    ActionJournal &journal;
};
