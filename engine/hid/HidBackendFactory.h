#pragma once

#include "engine/hid/IHidBackend.h"

#include <QString>

#include <functional>
#include <memory>
#include <ostream>

// Chooses the HID backend the program runs on: the simulated bus when the environment variable
// QZTABLET_SIMULATED_HID names a description file, the system's HID otherwise. A description
// that cannot be used is reported on `messages` with its reason, and the system's HID is used.
class HidBackendFactory
{
public:
    static constexpr const char *kEnvironmentVariable = "QZTABLET_SIMULATED_HID";

    using SystemBackendMaker = std::function<std::shared_ptr<IHidBackend>()>;

    static std::shared_ptr<IHidBackend> fromEnvironment(const SystemBackendMaker &makeSystemBackend,
                                                        std::ostream &messages);

    // An empty path chooses the system's HID.
    static std::shared_ptr<IHidBackend> fromDescription(const QString &descriptionPath,
                                                        const SystemBackendMaker &makeSystemBackend,
                                                        std::ostream &messages);
};
