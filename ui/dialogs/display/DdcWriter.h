#pragma once

#include "engine/ddc/IDDCInterface.h"

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

// Writes the picture dialog's slider values to a monitor on a thread of its own: a monitor takes
// a third of a second per write, and a window that waited for each would freeze while a slider
// moves. Of the values posted for one control while the monitor is busy, only the last is
// written. Posting, finish and discard come from one thread.
class DdcWriter
{
public:
    enum class Control { Brightness, Contrast, Red, Green, Blue };

    explicit DdcWriter(std::shared_ptr<IDDCInterface> ddc);
    // Drops the values not written yet and waits for the write in progress.
    ~DdcWriter();

    DdcWriter(const DdcWriter &) = delete;
    DdcWriter &operator=(const DdcWriter &) = delete;

    // A value equal to the last one written for that control is not written again.
    void post(Control control, std::uint32_t value);
    // Waits until every posted value is written. Until it posts again, the caller may then use
    // the interface itself.
    void finish();
    // Drops the values not written yet and waits for the write in progress; the caller may then
    // use the interface itself.
    void discard();

private:
    struct Write
    {
        Control control;
        std::uint32_t value;
    };

    static constexpr int kControlCount = 5;

    void run();
    void waitUntilIdle(std::unique_lock<std::mutex> &lock);
    void write(const Write &request);

    const std::shared_ptr<IDDCInterface> ddc;
    std::mutex mutex;
    std::condition_variable changed;
    // In the order first posted; one entry per control.
    std::vector<Write> pending;
    std::optional<std::uint32_t> lastWritten[kControlCount];
    bool writing = false;
    bool stopping = false;
    std::thread thread;
};
