#include "engine/core/AppLogic.h"

#include "BuildConfig.h"
#include "config/packets/PacketMetaTypes.h"
#include "config/packets/TabletComponentPacketWrapper.h"
#include "config/packets/TabletPenPacketWrapper.h"
#include "engine/decoding/ReportDecoder.h"
#include "engine/device/TabletDevice_Win32.h"
#include "engine/display/ScreenStatusListen.h"
#include "engine/hid/HidPathEnumeration.h"
#include "engine/pen/CursorNormalization.h"
#include "engine/pen/PenDeviceLimits.h"
#include "engine/pen/PenPressure.h"
#include "engine/pen/WintabPosition.h"

#include <QLoggingCategory>
#include <QMetaMethod>

#include <algorithm>
#include <chrono>

namespace {

Q_LOGGING_CATEGORY(lcEngine, "qz.engine")

constexpr std::chrono::milliseconds kWorkerWait(20);

} // namespace

AppLogic::AppLogic(EnginePlatform platform, QObject *parent)
    : QObject(parent)
    , platform_(std::move(platform))
    , spareNodes_(std::size_t(kQueueLimit) + 1)
    , configuredPressure_(std::make_shared<const PressureTable>(basePressureTable()))
    , basePressureLookup_([this](std::uint32_t value) {
        return lookupPressure(basePressure_, value, kPressureTableMaximum);
    })
    , configuredPressureLookup_([this](std::uint32_t value) {
        return lookupPressure(*workerPressureTable_, value, kPressureTableMaximum);
    })
    , penContext_(penContext())
    , penOutputs_(penOutputs())
    , basePressure_(basePressureTable())
    , actions_(actionServices(), *this)
{
    registerPacketMetaTypes();
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
        std::lock_guard<SlimMutex> lock(packetMutex_);
        stop_ = true;
    }
    wake_.notifyAll();
    if (worker_.joinable())
        worker_.join();
}

void AppLogic::setConfigure(TabletConfigurePtr configure)
{
    if (!configure)
        return;
    auto table = std::make_shared<PressureTable>();
    pressureCurveTable(configure->pen.curve.middle, configure->pen.curve.end, *table);
    std::lock_guard<SlimMutex> lock(packetMutex_);
    requestedConfigure_ = std::move(configure);
    configuredPressure_ = std::move(table);
}

TabletConfigurePtr AppLogic::activeConfigure() const
{
    std::lock_guard<SlimMutex> lock(packetMutex_);
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

// When the current device is another one than `previous`, the queue stops taking the previous
// device's reports and drops those it holds before the current device's callback is bound. A
// read thread of the previous device that is inside its callback meanwhile finds its source
// no longer listened to and queues nothing.
void AppLogic::listenToCurrentDevice(const DevicePtr &previous)
{
    const DevicePtr current = currentDevice();
    if (current == previous)
        return;
    if (!current) {
        startListeningTo(nullptr);
        if (previous)
            previous->clearReportCallback();
        return;
    }
    ReportSource source;
    source.identity = current->info();
    source.number = startListeningTo(&source.identity);
    if (previous)
        previous->clearReportCallback();
    current->setReportCallback([this, source](const std::uint8_t *report, std::size_t size) {
        onHidReport(source, report, size);
    });
}

// The number of the new source; the device's limits go with its packets to the worker.
std::uint32_t AppLogic::startListeningTo(const TabletDeviceInfo *identity)
{
    std::lock_guard<SlimMutex> lock(packetMutex_);
    dropQueuedPackets();
    if (!identity) {
        listenedSource_ = 0;
        listenedLimits_ = PenDeviceLimits();
        return 0;
    }
    listenedSource_ = ++lastSourceNumber_;
    listenedLimits_ = PenDeviceLimits::fromDeviceInfo(*identity);
    return listenedSource_;
}

void AppLogic::closeAllDevices()
{
    std::vector<DevicePtr> devices;
    {
        std::lock_guard<std::mutex> lock(deviceListMutex_);
        devices.swap(devices_);
        currentIndex_ = -1;
    }
    startListeningTo(nullptr);
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
    makeCurrent(index); // drops the packets of the device that was current
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
    const DevicePtr removed = removeDevice(devicePath);
    if (removed)
        removed->close();

    DevicePtr arrived;
    if (status == TabletStatus::Arrived) {
        const DevicePtr previous = currentDevice();
        arrived = openDevice(devicePath);
        if (arrived) {
            {
                std::lock_guard<std::mutex> lock(deviceListMutex_);
                devices_.push_back(arrived);
                currentIndex_ = 0; // an arrival makes the first tablet of the list current again
            }
            listenToCurrentDevice(previous);
            clearPacketQueue();
        }
    }
    // A removal, and an arrival that could not reopen the device it replaced, leave the window
    // with one tablet fewer.
    if (arrived)
        emit tabletStatusChanged(true);
    else if (status != TabletStatus::Arrived || removed)
        emit tabletStatusChanged(false);
}

// Takes the first device opened on `path` out of the list and stops listening to it; the
// caller closes it.
AppLogic::DevicePtr AppLogic::removeDevice(const std::string &path)
{
    const DevicePtr previous = currentDevice();
    DevicePtr removed;
    {
        std::lock_guard<std::mutex> lock(deviceListMutex_);
        const auto found = std::find_if(devices_.begin(), devices_.end(),
                                        [&](const DevicePtr &device) { return device->info().path == path; });
        if (found == devices_.end())
            return {};
        const int removedIndex = int(found - devices_.begin());
        removed = *found;
        devices_.erase(found);
        // Removing the current device makes the first remaining one current; removing one
        // before it keeps the current one current.
        if (removedIndex == currentIndex_)
            currentIndex_ = devices_.empty() ? -1 : 0;
        else if (removedIndex < currentIndex_)
            --currentIndex_;
    }
    listenToCurrentDevice(previous);
    return removed;
}

// ---- reports and queue

void AppLogic::onHidReport(const ReportSource &source, const std::uint8_t *report, std::size_t size)
{
    const DecodedPacket packet = ReportDecoder::decodeReport(report, size, source.identity);
    if (!packet)
        return;
    {
        std::lock_guard<SlimMutex> lock(packetMutex_);
        if (source.number != listenedSource_ || !penFilter_.shouldQueue(packet))
            return;
        enqueue(packet);
    }
    wake_.notifyAll();
}

void AppLogic::pushPacket(std::shared_ptr<TabletPacket> packet)
{
    if (!packet)
        return;
    const DecodedPacket copy = DecodedPacket::copyOf(*packet);
    if (!copy)
        return;
    {
        std::lock_guard<SlimMutex> lock(packetMutex_);
        enqueue(copy);
    }
    wake_.notifyAll();
}

// Under the packet mutex. Beyond the limit the oldest packet's node takes the new packet.
void AppLogic::enqueue(const DecodedPacket &packet)
{
    if (queue_.size() > std::size_t(kQueueLimit))
        queue_.splice(queue_.end(), queue_, queue_.begin());
    else if (spareNodes_.empty())
        queue_.emplace_back();
    else
        queue_.splice(queue_.end(), spareNodes_, spareNodes_.begin());
    queue_.back() = packet;
}

// Under the packet mutex.
void AppLogic::dropQueuedPackets()
{
    spareNodes_.splice(spareNodes_.end(), queue_);
}

std::shared_ptr<TabletPacket> AppLogic::popPacket()
{
    std::lock_guard<SlimMutex> lock(packetMutex_);
    if (queue_.empty())
        return {};
    const std::shared_ptr<TabletPacket> packet = queue_.front().toShared();
    spareNodes_.splice(spareNodes_.end(), queue_, queue_.begin());
    return packet;
}

void AppLogic::clearPacketQueue()
{
    std::lock_guard<SlimMutex> lock(packetMutex_);
    dropQueuedPackets();
}

std::size_t AppLogic::queuedPacketCount() const
{
    std::lock_guard<SlimMutex> lock(packetMutex_);
    return queue_.size();
}

void AppLogic::refreshMonitors()
{
    if (!platform_.displays)
        return;
    std::vector<MonitorInfo> monitors = platform_.displays->enumerateMonitors(false);
    qCDebug(lcEngine) << "monitors listed:" << monitors.size();
    std::lock_guard<SlimMutex> lock(packetMutex_);
    monitors_ = std::move(monitors);
}

// ---- worker

void AppLogic::workerLoop()
{
    WorkItem item;
    while (!stop_) {
        if (waitForPacket(item))
            processPacket(item);
    }
    qCDebug(lcEngine) << "worker stopped";
}

// Takes the next packet with the configuration and device it is processed with; false after a
// wait without one. The item keeps its shared pointers from packet to packet, so they are
// copied only when the window hands over another configuration.
bool AppLogic::waitForPacket(WorkItem &item)
{
    std::unique_lock<SlimMutex> lock(packetMutex_);
    wake_.waitFor(lock, kWorkerWait, [this] { return stop_ || !queue_.empty(); });
    if (stop_ || queue_.empty())
        return false;
    item.packet = queue_.front();
    spareNodes_.splice(spareNodes_.end(), queue_, queue_.begin());
    if (configureInUse_ != requestedConfigure_)
        configureInUse_ = requestedConfigure_;
    if (item.configure != configureInUse_)
        item.configure = configureInUse_;
    if (item.configuredPressure != configuredPressure_)
        item.configuredPressure = configuredPressure_;
    item.fromDevice = listenedSource_ != 0;
    item.limits = listenedLimits_;
    return true;
}

void AppLogic::processPacket(WorkItem &item)
{
    DecodedPacket &packet = item.packet;
    if (TabletPenPacket *pen = packet.pen()) {
        handlePenButtons(pen->button2 != 0, pen->button1 != 0);
        processPen(*pen, item);
        return;
    }
    const TabletPacket *component = packet.get();
    if (!component)
        return;
    switch (component->type) {
    case TabletPacket::Key: {
        const auto &key = static_cast<const TabletKeyPacket &>(*component);
        handleKey(key);
        emitComponentData(TabletComponentPacketWrapper(key));
        break;
    }
    case TabletPacket::Dial: {
        const auto &dial = static_cast<const TabletDialPacket &>(*component);
        handleDial(dial);
        emitComponentData(TabletComponentPacketWrapper(dial));
        break;
    }
    case TabletPacket::Touch: {
        const auto &touch = static_cast<const TabletTouchPacket &>(*component);
        handleTouch(touch);
        emitComponentData(TabletComponentPacketWrapper(touch));
        break;
    }
    default:
        break;
    }
}

// The variant is built only for a window that listens.
void AppLogic::emitComponentData(const TabletComponentPacketWrapper &wrapper)
{
    static const QMetaMethod componentDataSignal = QMetaMethod::fromSignal(&AppLogic::componentDataChanged);
    if (isSignalConnected(componentDataSignal))
        emit componentDataChanged(QVariant::fromValue(wrapper));
}

void AppLogic::processPen(TabletPenPacket &pen, const WorkItem &item)
{
    const TabletPenPacket received = pen;
    const TabletConfigurePtr &configure = item.configure;
    if (!item.fromDevice || !configure)
        return;
    const PenDeviceLimits &limits = item.limits;

    workerPressureTable_ = item.configuredPressure.get();
    PenPressure::processPenPressure(pen, PenPressureSettings::fromConfigure(*configure), limits,
                                    basePressureLookup_, configuredPressureLookup_);

    PenContext &context = penContext_;
    context.eraserMode = eraserMode_;
    const PenOutputs &outputs = penOutputs_;
    const PenOutcome outcome = penHandler_.handlePen(pen, *configure, limits, context, outputs);
    if (outcome.sentEvent)
        rememberPointerEvent(outcome.sentEvent);

    // The wrapper is built only for a window that listens.
    static const QMetaMethod penDataSignal = QMetaMethod::fromSignal(&AppLogic::penDataChanged);
    if (!isSignalConnected(penDataSignal))
        return;
    TabletPenPacketWrapper wrapper(received, pen);
    wrapper.trace = outcome.trace.values();
    wrapper.valid = 1;
    wrapper.pressureMax = limits.maximumPressure;
    emit penDataChanged(QVariant::fromValue(wrapper));
}

QPoint AppLogic::wintabPosition(const QPoint &normalised) const
{
    std::lock_guard<SlimMutex> lock(packetMutex_);
    return WintabPosition::toWintabPosition(monitors_, normalised);
}

void AppLogic::sendPointer(const std::shared_ptr<PointerEvent> &event)
{
    const auto pointer = platform_.drivers ? platform_.drivers->pointerDriver() : nullptr;
    if (pointer && event && !pointer->sendPointerEvent(event))
        qCDebug(lcEngine) << "pointer event not sent";
}

// What the pen handler reads of the engine, made once; the worker sets the eraser mode.
PenContext AppLogic::penContext()
{
    PenContext made;
    made.takeToolChange = [this] { return toolChangePending_.exchange(false); };
    made.cursorPosition = platform_.cursorPosition;
    return made;
}

// The pen handler's way to the drivers, made once: they are fixed for the engine's life.
PenOutputs AppLogic::penOutputs()
{
    PenOutputs made;
    made.toWintabPosition = [this](const QPoint &position) { return wintabPosition(position); };
    made.sendPointer = [this](const std::shared_ptr<PointerEvent> &event) { sendPointer(event); };
    const std::shared_ptr<IWintabDriverInterface> wintab =
            platform_.drivers ? platform_.drivers->wintabDriver() : nullptr;
    if (wintab) {
        made.postWintab = [wintab](const WintabPenRecord &record) {
            wintab->postWintabPacket(record);
            return WintabAnswer{wintab->pointerOutputWanted() != 0, wintab->foregroundHostCode()};
        };
    }
    return made;
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
    std::lock_guard<SlimMutex> lock(packetMutex_);
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

bool AppLogic::foregroundProcess(ProcessEntry &process) const
{
    return platform_.foreground && platform_.foreground->foregroundProcess(process);
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
