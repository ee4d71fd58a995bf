#pragma once

#include "engine/output/IHidReportSink.h"
#include "engine/output/IKeyboardDriverInterface.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>

// The keyboard driver over any report sink: builds each report from the event and the sticky
// modifier state and hands it to the sink. Sends may come from the worker and the GUI thread.
class KeyboardDriver : public IKeyboardDriverInterface
{
public:
    using Wait = std::function<void(int milliseconds)>;

    // `wait` runs after every report; it is `yieldDelay` unless a test replaces it.
    explicit KeyboardDriver(std::shared_ptr<IHidReportSink> sink, Wait wait = {});

    bool open() override;
    bool keyNameToVirtualKey(const std::string &name, int &code, KeyTable which) const override;
    bool sendKey(const std::shared_ptr<KeyboardEvent> &event, int delayMilliseconds) override;

    bool isOpen() const { return opened; }
    std::uint8_t stickyModifiers() const;

private:
    bool writeReportFor(const KeyboardEvent &event);

    const std::shared_ptr<IHidReportSink> sink;
    const Wait wait;
    std::atomic<bool> opened{false};
    mutable std::mutex sendMutex;
    std::uint8_t sticky = 0;
};
