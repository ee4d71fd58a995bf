#pragma once

#include "config/configure/TabletConfigure.h"
#include "config/packets/PointerEvent.h"
#include "config/packets/TabletPacket.h"
#include "engine/actions/ActionRunner.h"
#include "engine/core/EnginePlatform.h"
#include "engine/core/IActionHost.h"
#include "engine/core/SlimCondition.h"
#include "engine/core/SlimMutex.h"
#include "engine/decoding/DecodedPacket.h"
#include "engine/decoding/PenReportFilter.h"
#include "engine/device/TabletDeviceInfo.h"
#include "engine/device/TabletStatus.h"
#include "engine/display/MonitorInfo.h"
#include "engine/pen/PenContext.h"
#include "engine/pen/PenDeviceLimits.h"
#include "engine/pen/PenHandler.h"
#include "engine/pen/PenPressure.h"
#include "engine/pen/PressureTable.h"

#include <QObject>
#include <QVariant>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class TabletComponentPacketWrapper;
class TabletDevice_Win32;
class TabletKeyboardAction;
class TabletMouseAction;

// The engine: owns the open tablets and the output drivers, decodes reports on the devices'
// read threads and turns the packets into pointer output and actions on a worker thread of its
// own.
class AppLogic : public QObject, private IActionHost
{
    Q_OBJECT

public:
    static constexpr int kQueueLimit = 2048;

    // The device that one report callback was bound to: its identity, copied when the callback
    // was set, decodes its reports, and its number tells whether it is still the device whose
    // reports are queued.
    struct ReportSource
    {
        std::uint32_t number = 0;
        TabletDeviceInfo identity;
    };

    explicit AppLogic(EnginePlatform platform, QObject *parent = nullptr);
    ~AppLogic() override;

    // Opens the drivers and the tablets present now, starts the arrival listener and the
    // worker. Called once.
    void start();
    // Stops the worker; packets still queued stay queued.
    void stop();

    void setConfigure(TabletConfigurePtr configure);
    TabletConfigurePtr activeConfigure() const;

    std::shared_ptr<TabletDevice_Win32> currentDevice() const;
    std::vector<TabletDeviceInfo> deviceInfoList() const;
    int currentIndex() const;
    // Bits: 1 pointer driver open, 2 keyboard driver open, 4 Wintab clients present.
    std::uint32_t driverStatus() const;

    void selectDevice(int index);
    void reopenDevices();
    void onTabletStatus(TabletStatus status, const char *path);
    // The report callback of the current device, on its read thread: decodes with the identity
    // of the device that sent the report and queues the packet, unless that device is no
    // longer the current one. Allocates nothing.
    void onHidReport(const ReportSource &source, const std::uint8_t *report, std::size_t size);

    // Queue operations; pushPacket queues for the current device.
    void pushPacket(std::shared_ptr<TabletPacket> packet);
    std::shared_ptr<TabletPacket> popPacket();
    void clearPacketQueue();
    std::size_t queuedPacketCount() const;

    // Action execution, with the configuration in use; nothing before the first configuration
    // was handed over. The worker runs the controls' actions through the handlers; the GUI
    // thread may call runAction, sendShortcut, runMouseAction and showActionTip meanwhile.
    bool runAction(const TabletActionPtr &action, bool pressed);
    void handlePenButtons(bool button2, bool button1);
    void handleKey(const TabletKeyPacket &packet);
    void handleDial(const TabletDialPacket &packet);
    void handleTouch(const TabletTouchPacket &packet);
    void showActionTip(const TabletActionPtr &action);
    void runMouseAction(const TabletMouseAction &action, bool pressed);
    void sendShortcut(const TabletKeyboardAction &action, bool pressed);
    // The cursor in the 0..32767 range of absolute reports; (-1, -1) without monitors.
    QPoint cursorToNormalized() const override;
    // The program in the foreground, as the actions choose their bindings by it; false when it
    // cannot be told.
    bool foregroundProcess(ProcessEntry &process) const;

public slots:
    void refreshMonitors();

signals:
    void tabletStatusChanged(bool arrived);
    void penDataChanged(const QVariant &wrapper);
    void componentDataChanged(const QVariant &wrapper);
    void switchScreen();
    void switchDialAction(int index);
    void setClipboardAndPaste(const QString &text);

private:
    using DevicePtr = std::shared_ptr<TabletDevice_Win32>;

    // One packet as the worker takes it from the queue, with what it is processed with.
    struct WorkItem
    {
        DecodedPacket packet;
        TabletConfigurePtr configure;
        std::shared_ptr<const PressureTable> configuredPressure;
        // Of the device that sent the packet; absent when no device is current.
        bool fromDevice = false;
        PenDeviceLimits limits;
    };

    DevicePtr openDevice(const std::string &path);
    std::vector<DevicePtr> openTablets();
    DevicePtr removeDevice(const std::string &path);
    void makeCurrent(int index);
    void listenToCurrentDevice(const DevicePtr &previous);
    std::uint32_t startListeningTo(const TabletDeviceInfo *identity);
    void closeAllDevices();

    void enqueue(const DecodedPacket &packet);
    void dropQueuedPackets();
    void workerLoop();
    bool waitForPacket(WorkItem &item);
    void processPacket(WorkItem &item);
    void processPen(TabletPenPacket &pen, const WorkItem &item);
    void emitComponentData(const TabletComponentPacketWrapper &wrapper);
    PenContext penContext();
    PenOutputs penOutputs();
    QPoint wintabPosition(const QPoint &normalised) const;
    void sendPointer(const std::shared_ptr<PointerEvent> &event);

    ActionServices actionServices() const;
    void requestScreenSwitch() override;
    void requestDialActionSwitch(int dial) override;
    void requestPaste(const QString &text) override;
    bool eraserMode() const override;
    bool switchPenTool() override;
    int dialKeyCount() const override;
    bool lastPointerPosition(QPoint &position) const override;
    void rememberPointerEvent(const std::shared_ptr<PointerEvent> &event);

    EnginePlatform platform_;

    // Device list and current index. Arrival, removal, reopening and selection take the change
    // mutex for their whole course; the list mutex is held only for short reads and writes,
    // never while a device opens or closes or a callback is set (a read thread holds its
    // device's callback lock while it enters onHidReport, which reads the list).
    std::mutex deviceChangeMutex_;
    mutable std::mutex deviceListMutex_;
    std::vector<DevicePtr> devices_;
    int currentIndex_ = -1;

    // Queue, the device whose reports it takes, configurations, configured pressure table and
    // monitor list. A read thread holds its device's callback lock while it takes this mutex,
    // so nothing here may wait for a callback while holding it.
    mutable SlimMutex packetMutex_;
    SlimCondition wake_;
    std::list<DecodedPacket> queue_;
    // Nodes of packets taken or dropped, reused by the next packets: queueing never allocates.
    std::list<DecodedPacket> spareNodes_;
    std::uint32_t listenedSource_ = 0; // 0: no device is current
    std::uint32_t lastSourceNumber_ = 0;
    PenDeviceLimits listenedLimits_;
    PenReportFilter penFilter_;
    TabletConfigurePtr requestedConfigure_;
    TabletConfigurePtr configureInUse_;
    std::shared_ptr<const PressureTable> configuredPressure_;
    std::vector<MonitorInfo> monitors_;

    // Built once for the worker. The configured look-up reads the table that came with the
    // packet.
    const PressureTable *workerPressureTable_ = nullptr;
    const PressureLookup basePressureLookup_;
    const PressureLookup configuredPressureLookup_;
    PenContext penContext_;
    const PenOutputs penOutputs_;

    const PressureTable basePressure_;
    PenHandler penHandler_;     // worker only
    // The last pointer event sent, written by the worker and read by mouse actions on any
    // thread; the mutex is taken for nothing else.
    mutable std::mutex lastPointerMutex_;
    std::shared_ptr<PointerEvent> lastPointerEvent_;
    QPoint lastPointerPosition_;
    std::atomic<bool> eraserMode_{false};
    std::atomic<bool> toolChangePending_{false};
    ActionRunner actions_; // guards its own state

    std::thread worker_;
    std::atomic<bool> stop_{false};
};
