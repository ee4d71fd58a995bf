#pragma once

#include "engine/output/IHidReportSink.h"
#include "engine/output/IPointerDriverInterface.h"
#include "engine/output/IPointerSystemState.h"

#include <atomic>
#include <memory>
#include <optional>

// The pointer driver over any report sink and system state: checks the session rule, builds
// the report for the event's kind and hands it to the sink. Only the worker thread sends.
class PointerDriver : public IPointerDriverInterface
{
public:
    PointerDriver(std::shared_ptr<IHidReportSink> sink,
                  std::shared_ptr<IPointerSystemState> systemState);

    bool open() override;
    bool sendPointerEvent(const std::shared_ptr<PointerEvent> &event) override;
    void setMode(int mode) override;

    bool isOpen() const { return opened; }
    int mode() const { return heldMode; }

    // The report for `event`, or nothing for an event of an unknown kind.
    static std::optional<HidOutputReport> reportFor(const PointerEvent &event, int mode,
                                                    bool buttonsSwapped);

private:
    bool outputHeldBack() const;

    const std::shared_ptr<IHidReportSink> sink;
    const std::shared_ptr<IPointerSystemState> systemState;
    std::atomic<bool> opened{false};
    std::atomic<int> heldMode{0};
};
