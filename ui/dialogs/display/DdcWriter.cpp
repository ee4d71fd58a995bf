#include "ui/dialogs/display/DdcWriter.h"

#include <algorithm>
#include <utility>

DdcWriter::DdcWriter(std::shared_ptr<IDDCInterface> ddc)
    : ddc(std::move(ddc)), thread(&DdcWriter::run, this)
{
}

DdcWriter::~DdcWriter()
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        pending.clear();
        stopping = true;
    }
    changed.notify_all();
    thread.join();
}

void DdcWriter::post(Control control, std::uint32_t value)
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        const auto queued = std::find_if(pending.begin(), pending.end(),
                                         [control](const Write &write) { return write.control == control; });
        if (queued != pending.end())
            queued->value = value;
        else if (lastWritten[int(control)] != value)
            pending.push_back({control, value});
    }
    changed.notify_all();
}

void DdcWriter::finish()
{
    std::unique_lock<std::mutex> lock(mutex);
    waitUntilIdle(lock);
}

void DdcWriter::discard()
{
    std::unique_lock<std::mutex> lock(mutex);
    pending.clear();
    waitUntilIdle(lock);
}

// The caller is about to use the interface itself, so what was written last is no longer known.
void DdcWriter::waitUntilIdle(std::unique_lock<std::mutex> &lock)
{
    changed.wait(lock, [this] { return pending.empty() && !writing; });
    for (std::optional<std::uint32_t> &value : lastWritten)
        value.reset();
}

void DdcWriter::run()
{
    std::unique_lock<std::mutex> lock(mutex);
    for (;;) {
        changed.wait(lock, [this] { return stopping || !pending.empty(); });
        if (stopping)
            return;
        const Write request = pending.front();
        pending.erase(pending.begin());
        lastWritten[int(request.control)] = request.value;
        writing = true;
        lock.unlock();
        write(request);
        lock.lock();
        writing = false;
        changed.notify_all();
    }
}

void DdcWriter::write(const Write &request)
{
    switch (request.control) {
    case Control::Brightness:
        ddc->setBrightness(request.value);
        break;
    case Control::Contrast:
        ddc->setContrast(request.value);
        break;
    case Control::Red:
        ddc->setGain(IDDCInterface::Gain::Red, request.value);
        break;
    case Control::Green:
        ddc->setGain(IDDCInterface::Gain::Green, request.value);
        break;
    case Control::Blue:
        ddc->setGain(IDDCInterface::Gain::Blue, request.value);
        break;
    }
}
