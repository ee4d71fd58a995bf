#pragma once

// Records every emission of an engine signal that carries one QVariant, whichever thread emits
// it: QSignalSpy may only be read on the thread that fills it, and the engine's worker emits. The
// record lives as long as the connection, which may outlive this object when a test ends early.
#include <QObject>
#include <QVariant>

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <vector>

class SignalRecorder
{
public:
    template <typename Sender, typename Signal>
    SignalRecorder(Sender *sender, Signal signal)
    {
        QObject::connect(sender, signal, sender,
                         [state = state](const QVariant &value) {
                             std::lock_guard<std::mutex> lock(state->mutex);
                             state->values.push_back(value);
                             state->changed.notify_all();
                         },
                         Qt::DirectConnection);
    }

    bool waitFor(std::size_t expected, std::chrono::milliseconds patience = std::chrono::seconds(5)) const
    {
        std::unique_lock<std::mutex> lock(state->mutex);
        return state->changed.wait_for(lock, patience, [&] { return state->values.size() >= expected; });
    }

    std::size_t count() const
    {
        std::lock_guard<std::mutex> lock(state->mutex);
        return state->values.size();
    }

    QVariant at(std::size_t index) const
    {
        std::lock_guard<std::mutex> lock(state->mutex);
        return index < state->values.size() ? state->values[index] : QVariant();
    }

private:
    struct State
    {
        std::mutex mutex;
        std::condition_variable changed;
        std::vector<QVariant> values;
    };
    const std::shared_ptr<State> state = std::make_shared<State>();
};
