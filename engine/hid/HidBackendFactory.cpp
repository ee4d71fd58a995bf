#include "engine/hid/HidBackendFactory.h"

#include "engine/hid/simulated/SimulatedHidBus.h"
#include "engine/hid/simulated/SimulatedHidDescription.h"

#include <QtGlobal>

namespace {

QString addFailure(SimulatedHidBus::AddResult result, const SimulatedHidDevice &device)
{
    const QString path = QString::fromStdString(device.path);
    switch (result) {
    case SimulatedHidBus::AddResult::Added:
        break;
    case SimulatedHidBus::AddResult::PathInUse:
        return QStringLiteral("the path \"%1\" is used twice").arg(path);
    case SimulatedHidBus::AddResult::OutputLogNotWritable:
        return QStringLiteral("cannot create the output log \"%1\" of \"%2\"")
                .arg(device.outputLogPath, path);
    }
    return QString();
}

// The bus with every device of the description, or an empty pointer and the reason.
std::shared_ptr<SimulatedHidBus> simulatedBus(const QString &descriptionPath, QString &error)
{
    const SimulatedHidDescription::Devices description =
            SimulatedHidDescription::readFile(descriptionPath);
    if (!description.error.isEmpty()) {
        error = description.error;
        return nullptr;
    }
    auto bus = std::make_shared<SimulatedHidBus>();
    for (const SimulatedHidDevice &device : description.devices) {
        error = addFailure(bus->addDevice(device), device);
        if (!error.isEmpty())
            return nullptr;
    }
    return bus;
}

} // namespace

std::shared_ptr<IHidBackend> HidBackendFactory::fromEnvironment(
        const SystemBackendMaker &makeSystemBackend, std::ostream &messages)
{
    return fromDescription(qEnvironmentVariable(kEnvironmentVariable), makeSystemBackend, messages);
}

std::shared_ptr<IHidBackend> HidBackendFactory::fromDescription(
        const QString &descriptionPath, const SystemBackendMaker &makeSystemBackend,
        std::ostream &messages)
{
    if (descriptionPath.isEmpty())
        return makeSystemBackend();
    QString error;
    std::shared_ptr<SimulatedHidBus> bus = simulatedBus(descriptionPath, error);
    if (!bus) {
        messages << kEnvironmentVariable << ": " << error.toStdString()
                 << "; using the system's HID devices" << std::endl;
        return makeSystemBackend();
    }
    messages << kEnvironmentVariable << ": simulated HID devices from \""
             << descriptionPath.toStdString() << '"' << std::endl;
    return bus;
}
