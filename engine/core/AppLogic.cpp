#include "engine/core/AppLogic.h"

#include "BuildConfig.h"
#include "config/PacketMetaTypes.h"
#include "config/TabletComponentPacketWrapper.h"
#include "config/TabletPenPacketWrapper.h"
#include "engine/decoding/ReportDecoder.h"
#include "engine/device/TabletDevice_Win32.h"
#include "engine/display/ScreenStatusListen.h"
#include "engine/hid/HidPathEnumeration.h"
#include "engine/pen/CursorNormalization.h"
#include "engine/pen/PenDeviceLimits.h"
#include "engine/pen/PenPressure.h"
#include "engine/pen/WintabPosition.h"

#include <QLoggingCategory>

#include <chrono>

namespace {

Q_LOGGING_CATEGORY(lcEngine, "qz.engine")

constexpr std::chrono::milliseconds kWorkerWait(20);

} // namespace

AppLogic::AppLogic(EnginePlatform platform, QObject *parent)
    : QObject(parent)
    , platform_(std::move(platform))
    , basePressure_(basePressureTable())
    , actions_(actionServices(), *this)
{
    registerPacketMetaTypes();
    configuredPressure_ = basePressure_;
    if (platform_.displays) {
        connect(platform_.displays, &ScreenStatusListen::displayChanged, this, &AppLogic::refreshMonitors);
        refreshMonitors();
    }
}

AppLogic::~AppLogic()
{
    // Nothing may call into the engine once its parts go: first the listener and the read
    // threads, which enter it from outside, then the worker.
    if (platform_.listener)
        platform_.listener->stop();
    {
        std::lock_guard<std::mutex> change(deviceChangeMutex_);
        closeAllDevices();
    }
    stop();
}

void AppLogic::start()
{
    if (platform_.drivers) {
        platform_.drivers->openAll();
        if (!(platform_.drivers->status() & DriverInterfaceSet::PointerDriverOpen))
            qCInfo(lcEngine) << "no virtual HID device: the pen moves no pointer";
    }
    if (platform_.displays)
        platform_.displays->start();
    {
        std::lock_guard<std::mutex> change(deviceChangeMutex_);
        std::vector<DevicePtr> opened = openTablets();
        {
            std::lock_guard<std::mutex> lock(deviceListMutex_);
            devices_ = opened;
        }
        if (!opened.empty())
            makeCurrent(0);
    }
    if (platform_.listener) {
        platform_.listener->setStatusCallback(
                [this](TabletStatus status, const char *path) { onTabletStatus(status, path); });
        if (!platform_.listener->start())
            qCInfo(lcEngine) << "no device arrival listener; the tablets present now are all there is";
    }
    if (!worker_.joinable()) {
        stop_ = false; // cleared before the worker starts, so an early stop is never lost
        worker_ = std::thread(&AppLogic::workerLoop, this);
    }
}

void AppLogic::stop()
{
    {
        std::lock_guard<std::mutex> lock(packetMutex_);
        stop_ = true;
    }
    wake_.notify_all();
    if (worker_.joinable())
        worker_.join();
}

void AppLogic::setConfigure(TabletConfigurePtr configure)
{
    if (!configure)
        return;
    PressureTable table;
    pressureCurveTable(configure->pen.curve.middle, configure->pen.curve.end, table);
    std::lock_guard<std::mutex> lock(packetMutex_);
    requestedConfigure_ = std::move(configure);
    configuredPressure_ = std::move(table);
}

TabletConfigurePtr AppLogic::activeConfigure() const
{
    std::lock_guard<std::mutex> lock(packetMutex_);
    return configureInUse_;
}

std::shared_ptr<TabletDevice_Win32> AppLogic::currentDevice() const
{
    std::lock_guard<std::mutex> lock(deviceListMutex_);
    if (currentIndex_ < 0 || currentIndex_ >= int(devices_.size()))
        return {};
    return devices_[std::size_t(currentIndex_)];
}

std::vector<TabletDeviceInfo> AppLogic::deviceInfoList() const
{
    std::vector<DevicePtr> devices;
    {
        std::lock_guard<std::mutex> lock(deviceListMutex_);
        devices = devices_;
    }
    std::vector<TabletDeviceInfo> infos;
    for (const DevicePtr &device : devices)
        infos.push_back(device->info());
    return infos;
}

std::uint32_t AppLogic::driverStatus() const
{
    return platform_.drivers ? platform_.drivers->status() : 0;
}

int AppLogic::currentIndex() const
{
    std::lock_guard<std::mutex> lock(deviceListMutex_);
    return currentIndex_;
}

// ---- devices

AppLogic::DevicePtr AppLogic::openDevice(const std::string &path)
{
    if (!platform_.hid)
        return {};
    auto device = std::make_shared<TabletDevice_Win32>(platform_.hid);
    if (!device->open(path))
        return {};
    return device;
}

std::vector<AppLogic::DevicePtr> AppLogic::openTablets()
{
    std::vector<DevicePtr> opened;
    if (!platform_.hid)
        return opened;
    for (const std::string &path : enumerateTabletHidPaths(*platform_.hid, BuildConfig::kVendorId)) {
        if (DevicePtr device = openDevice(path))
            opened.push_back(device);
    }
    return opened;
}

// Makes entry `index` current (-1: none). Only the current device keeps a report callback.
void AppLogic::makeCurrent(int index)
{
    DevicePtr previous = currentDevice();
    {
        std::lock_guard<std::mutex> lock(deviceListMutex_);
        currentIndex_ = index;
    }
    listenToCurrentDevice(previous);
}

void AppLogic::listenToCurrentDevice(const DevicePtr &previous)
{
    const DevicePtr current = currentDevice();
    if (previous && previous != current)
        previous->clearReportCallback();
    if (current && current != previous)
        current->setReportCallback([this](const std::uint8_t *report, std::size_t size) { onHidReport(report, size); });
}

void AppLogic::closeAllDevices()
{
    std::vector<DevicePtr> devices;
    {
        std::lock_guard<std::mutex> lock(deviceListMutex_);
        devices.swap(devices_);
        currentIndex_ = -1;
    }
    for (const DevicePtr &device : devices)
        device->close();
}

void AppLogic::selectDevice(int index)
{
    std::lock_guard<std::mutex> change(deviceChangeMutex_);
    const int current = currentIndex();
    {
        std::lock_guard<std::mutex> lock(deviceListMutex_);
        if (devices_.empty() || index < 0 || index >= int(devices_.size()) || current < 0 || index == current)
            return;
    }
    makeCurrent(index);
    clearPacketQueue();
}

void AppLogic::reopenDevices()
{
    std::lock_guard<std::mutex> change(deviceChangeMutex_);
    closeAllDevices();
    clearPacketQueue();
    std::vector<DevicePtr> opened = openTablets();
    {
        std::lock_guard<std::mutex> lock(deviceListMutex_);
        devices_ = opened;
    }
    makeCurrent(opened.empty() ? -1 : 0);
}

void AppLogic::onTabletStatus(TabletStatus status, const char *path)
{
    std::lock_guard<std::mutex> change(deviceChangeMutex_);
    const std::string devicePath = path ? path : "";
    const DevicePtr previous = currentDevice();

    DevicePtr removed;
    int removedIndex = -1;
    {
        std::lock_guard<std::mutex> lock(deviceListMutex_);
        for (std::size_t i = 0; i < devices_.size(); ++i) {
            if (devices_[i]->info().path == devicePath) {
                removed = devices_[i];
                removedIndex = int(i);
                devices_.erase(devices_.begin() + std::ptrdiff_t(i));
                break;
            }
        }
        if (removedIndex >= 0) {
            // Removing the current device makes the first remaining one current; removing
            // one before it keeps the current one current.
            if (removedIndex == currentIndex_)
                currentIndex_ = devices_.empty() ? -1 : 0;
            else if (removedIndex < currentIndex_)
                --currentIndex_;
        }
    }
    if (removed)
        removed->close();

    if (status != TabletStatus::Arrived) {
        listenToCurrentDevice(previous == removed ? DevicePtr() : previous);
        emit tabletStatusChanged(false);
        return;
    }

    DevicePtr arrived = openDevice(devicePath);
    if (arrived) {
        std::lock_guard<std::mutex> lock(deviceListMutex_);
        devices_.push_back(arrived);
        currentIndex_ = 0; // an arrival makes the first tablet of the list current again
    }
    listenToCurrentDevice(previous == removed ? DevicePtr() : previous);
    if (arrived) {
        clearPacketQueue();
        emit tabletStatusChanged(true);
    }
}

// ---- reports and queue

void AppLogic::onHidReport(const std::uint8_t *report, std::size_t size)
{
    const DevicePtr device = currentDevice();
    if (!device)
        return;
    std::shared_ptr<TabletPacket> packet = ReportDecoder::decodeReport(report, size, device->info());
    if (!packet || !penFilter_.shouldQueue(*packet))
        return;
    pushPacket(std::move(packet));
}

void AppLogic::pushPacket(std::shared_ptr<TabletPacket> packet)
{
    {
        std::lock_guard<std::mutex> lock(packetMutex_);
        if (queue_.size() > std::size_t(kQueueLimit))
            queue_.pop_front();
        queue_.push_back(std::move(packet));
    }
    wake_.notify_all();
}

std::shared_ptr<TabletPacket> AppLogic::popPacket()
{
    std::lock_guard<std::mutex> lock(packetMutex_);
    if (queue_.empty())
        return {};
    std::shared_ptr<TabletPacket> packet = queue_.front();
    queue_.pop_front();
    return packet;
}

void AppLogic::clearPacketQueue()
{
    std::lock_guard<std::mutex> lock(packetMutex_);
    queue_.clear();
}

std::size_t AppLogic::queuedPacketCount() const
{
    std::lock_guard<std::mutex> lock(packetMutex_);
    return queue_.size();
}

void AppLogic::refreshMonitors()
{
    if (!platform_.displays)
        return;
    std::vector<MonitorInfo> monitors = platform_.displays->enumerateMonitors(false);
    std::lock_guard<std::mutex> lock(packetMutex_);
    monitors_ = std::move(monitors);
}

// ---- worker

void AppLogic::workerLoop()
{
    while (!stop_) {
        TabletConfigurePtr configure;
        const std::shared_ptr<TabletPacket> packet = waitForPacket(configure);
        if (packet)
            processPacket(packet, configure);
    }
    qCDebug(lcEngine) << "worker stopped";
}

// The next packet with the configuration to process it with, or nothing after the wait.
std::shared_ptr<TabletPacket> AppLogic::waitForPacket(TabletConfigurePtr &configure)
{
    std::unique_lock<std::mutex> lock(packetMutex_);
    wake_.wait_for(lock, kWorkerWait, [this] { return stop_ || !queue_.empty(); });
    if (stop_ || queue_.empty())
        return {};
    std::shared_ptr<TabletPacket> packet = queue_.front();
    queue_.pop_front();
    configureInUse_ = requestedConfigure_;
    configure = configureInUse_;
    return packet;
}

void AppLogic::processPacket(const std::shared_ptr<TabletPacket> &packet, const TabletConfigurePtr &configure)
{
    switch (packet->type) {
    case TabletPacket::Pen:
        if (auto *pen = dynamic_cast<TabletPenPacket *>(packet.get())) {
            handlePenButtons(pen->button2 != 0, pen->button1 != 0);
            processPen(*pen, configure);
        }
        break;
    case TabletPacket::Key:
        if (auto *key = dynamic_cast<TabletKeyPacket *>(packet.get())) {
            handleKey(*key);
            emit componentDataChanged(QVariant::fromValue(TabletComponentPacketWrapper(*key)));
        }
        break;
    case TabletPacket::Dial:
        if (auto *dial = dynamic_cast<TabletDialPacket *>(packet.get())) {
            handleDial(*dial);
            emit componentDataChanged(QVariant::fromValue(TabletComponentPacketWrapper(*dial)));
        }
        break;
    case TabletPacket::Touch:
        if (auto *touch = dynamic_cast<TabletTouchPacket *>(packet.get())) {
            handleTouch(*touch);
            emit componentDataChanged(QVariant::fromValue(TabletComponentPacketWrapper(*touch)));
        }
        break;
    default:
        break;
    }
}

void AppLogic::processPen(TabletPenPacket &pen, const TabletConfigurePtr &configure)
{
    const TabletPenPacket received = pen;
    const DevicePtr device = currentDevice();
    if (!device || !configure)
        return;
    const TabletDeviceInfo info = device->info();
    const PenDeviceLimits limits = PenDeviceLimits::fromDeviceInfo(info);

    PenPressure::processPenPressure(
            pen, PenPressureSettings::fromConfigure(*configure), limits,
            [this](std::uint32_t value) { return lookupPressure(basePressure_, value, kPressureTableMaximum); },
            [this](std::uint32_t value) { return lookupConfiguredPressure(value); });

    PenContext context;
    context.eraserMode = eraserMode_;
    context.takeToolChange = [this] { return toolChangePending_.exchange(false); };
    context.cursorPosition = platform_.cursorPosition;
    PenOutputs outputs;
    outputs.toWintabPosition = [this](const QPoint &normalised) { return wintabPosition(normalised); };
    outputs.sendPointer = [this](const std::shared_ptr<PointerEvent> &event) { sendPointer(event); };
    if (const auto wintab = platform_.drivers ? platform_.drivers->wintabDriver() : nullptr) {
        outputs.postWintab = [wintab](const WintabPenRecord &record) {
            wintab->postWintabPacket(record);
            return WintabAnswer{wintab->pointerOutputWanted() != 0, wintab->foregroundHostCode()};
        };
    }

    const PenOutcome outcome = penHandler_.handlePen(pen, *configure, limits, context, outputs);
    if (outcome.sentEvent)
        rememberPointerEvent(outcome.sentEvent);

    TabletPenPacketWrapper wrapper(received, pen);
    wrapper.trace = outcome.trace.values();
    wrapper.valid = 1;
    wrapper.pressureMax = info.maximumPressure;
    emit penDataChanged(QVariant::fromValue(wrapper));
}

std::uint32_t AppLogic::lookupConfiguredPressure(std::uint32_t value) const
{
    std::lock_guard<std::mutex> lock(packetMutex_);
    return lookupPressure(configuredPressure_, value, kPressureTableMaximum);
}

QPoint AppLogic::wintabPosition(const QPoint &normalised) const
{
    std::lock_guard<std::mutex> lock(packetMutex_);
    return WintabPosition::toWintabPosition(monitors_, normalised);
}

void AppLogic::sendPointer(const std::shared_ptr<PointerEvent> &event)
{
    const auto pointer = platform_.drivers ? platform_.drivers->pointerDriver() : nullptr;
    if (pointer && event && !pointer->sendPointerEvent(event))
        qCDebug(lcEngine) << "pointer event not sent";
}

// ---- actions

ActionServices AppLogic::actionServices() const
{
    ActionServices services;
    if (platform_.drivers) {
        services.keyboard = platform_.drivers->keyboardDriver();
        services.pointer = platform_.drivers->pointerDriver();
    }
    services.foreground = platform_.foreground;
    services.appProfiles = platform_.appProfiles;
    services.toolShortcuts = platform_.toolShortcuts ? platform_.toolShortcuts : thirdPartyShortcuts;
    services.translateWord = platform_.translateWord;
    services.showTip = platform_.showTip;
    services.startProgram = platform_.startProgram;
    services.wait = platform_.wait;
    services.clock = platform_.clock;
    return services;
}

bool AppLogic::runAction(const TabletActionPtr &action, bool pressed)
{
    const TabletConfigurePtr configure = activeConfigure();
    return configure && actions_.runAction(action, pressed, *configure);
}

void AppLogic::handlePenButtons(bool button2, bool button1)
{
    if (const TabletConfigurePtr configure = activeConfigure())
        actions_.handlePenButtons(button2, button1, *configure);
}

void AppLogic::handleKey(const TabletKeyPacket &packet)
{
    if (const TabletConfigurePtr configure = activeConfigure())
        actions_.handleKey(packet, *configure);
}

void AppLogic::handleDial(const TabletDialPacket &packet)
{
    if (const TabletConfigurePtr configure = activeConfigure())
        actions_.handleDial(packet, *configure);
}

void AppLogic::handleTouch(const TabletTouchPacket &packet)
{
    if (const TabletConfigurePtr configure = activeConfigure())
        actions_.handleTouch(packet, *configure);
}

void AppLogic::showActionTip(const TabletActionPtr &action)
{
    const TabletConfigurePtr configure = activeConfigure();
    if (configure && action)
        actions_.showActionTip(*action, *configure);
}

void AppLogic::runMouseAction(const TabletMouseAction &action, bool pressed)
{
    if (const TabletConfigurePtr configure = activeConfigure())
        actions_.runMouseAction(action, pressed, *configure);
}

void AppLogic::sendShortcut(const TabletKeyboardAction &action, bool pressed)
{
    if (const TabletConfigurePtr configure = activeConfigure())
        actions_.sendShortcut(action, pressed, *configure);
}

QPoint AppLogic::cursorToNormalized() const
{
    const QPoint cursor = platform_.cursorPosition ? platform_.cursorPosition() : QPoint();
    std::lock_guard<std::mutex> lock(packetMutex_);
    return CursorNormalization::toNormalized(monitors_, cursor);
}

void AppLogic::requestScreenSwitch()
{
    emit switchScreen();
}

void AppLogic::requestDialActionSwitch(int dial)
{
    emit switchDialAction(dial);
}

void AppLogic::requestPaste(const QString &text)
{
    emit setClipboardAndPaste(text);
}

bool AppLogic::eraserMode() const
{
    return eraserMode_;
}

bool AppLogic::switchPenTool()
{
    toolChangePending_.exchange(true);
    // One inversion per switch, even when two threads switch at once.
    bool eraser = eraserMode_.load();
    while (!eraserMode_.compare_exchange_weak(eraser, !eraser)) {
    }
    return !eraser;
}

int AppLogic::dialKeyCount() const
{
    const DevicePtr device = currentDevice();
    return device ? device->info().dialKeyCount : 0;
}

void AppLogic::rememberPointerEvent(const std::shared_ptr<PointerEvent> &event)
{
    std::lock_guard<std::mutex> lock(lastPointerMutex_);
    lastPointerEvent_ = event;
    lastPointerPosition_ = QPoint(int(event->x), int(event->y));
}

bool AppLogic::lastPointerPosition(QPoint &position) const
{
    std::lock_guard<std::mutex> lock(lastPointerMutex_);
    if (!lastPointerEvent_)
        return false;
    position = lastPointerPosition_;
    return true;
}
