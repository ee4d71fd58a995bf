#include "engine/output/KeyboardDriver.h"

#include "engine/core/YieldDelay.h"
#include "engine/output/KeyboardReport.h"

#include <utility>

KeyboardDriver::KeyboardDriver(std::shared_ptr<IHidReportSink> sink, Wait wait)
    : sink(std::move(sink)), wait(wait ? std::move(wait) : Wait(yieldDelay))
{
}

bool KeyboardDriver::open()
{
    KeyNames::usageTable();
    KeyNames::systemTable();
    if (!opened && sink)
        opened = sink->open();
    return opened;
}

bool KeyboardDriver::keyNameToVirtualKey(const std::string &name, int &code, KeyTable which) const
{
    return KeyNames::keyNameToVirtualKey(name, code, which);
}

bool KeyboardDriver::sendKey(const std::shared_ptr<KeyboardEvent> &event, int delayMilliseconds)
{
    if (!opened || !event)
        return false;
    const bool written = writeReportFor(*event);
    wait(delayMilliseconds);
    return written;
}

std::uint8_t KeyboardDriver::stickyModifiers() const
{
    std::lock_guard<std::mutex> lock(sendMutex);
    return sticky;
}

bool KeyboardDriver::writeReportFor(const KeyboardEvent &event)
{
    std::lock_guard<std::mutex> lock(sendMutex);
    sticky = KeyboardReport::stickyAfter(sticky, event);
    const HidOutputReport report = KeyboardReport::build(event, sticky);
    return sink->writeReport(report.data(), report.size());
}
