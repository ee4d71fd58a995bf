// A small Wintab client for checking the Wintab road from an application's side: it loads the
// Wintab library, asks for information, opens contexts on a window of its own and prints every
// proximity change and packet it is sent, one line each, until it has read the packets it was
// asked for or its time is up. Its contexts start from the record that the information category
// of --context-category answers at index 0 (default WTI_DEFCONTEXT, 3; 400 is WTI_DDCTXS, the
// default digitizing context of device 0).
//
// Usage: WintabProbe.exe [--library PATH] [--contexts N] [--packets N] [--timeout-ms N] [--narrow]
//                        [--context-category N]
// Lines on standard output:
//   ready pid=P contexts=H,H,...
//   proximity ctx=H entering=0|1
//   packet ctx=H serial=S x=X y=Y pressure=P buttons=B cursor=C azimuth=A altitude=L via=packet|get qpc=T
//   done packets=N
//   error TEXT
#include "nibwire/WintabTypes.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

using WintabContext = void *;
using InfoFunction = UINT(WINAPI *)(UINT, UINT, void *);
using OpenFunction = WintabContext(WINAPI *)(HWND, void *, BOOL);
using CloseFunction = BOOL(WINAPI *)(WintabContext);
using QueueSizeSetFunction = BOOL(WINAPI *)(WintabContext, int);
using PacketFunction = BOOL(WINAPI *)(WintabContext, UINT, void *);
using PacketsGetFunction = int(WINAPI *)(WintabContext, int, void *);

constexpr WTPKT kPacketData = PK_CONTEXT | PK_STATUS | PK_SERIAL_NUMBER | PK_CURSOR | PK_BUTTONS
                              | PK_X | PK_Y | PK_NORMAL_PRESSURE | PK_ORIENTATION;

// The fields of kPacketData in ascending bit order.
struct ProbePacket
{
    std::uint64_t context;
    std::uint32_t status;
    std::uint32_t serial;
    std::uint32_t cursor;
    std::uint32_t buttons;
    std::int32_t x;
    std::int32_t y;
    std::uint32_t pressure;
    std::int32_t azimuth;
    std::int32_t altitude;
    std::int32_t twist;
};
static_assert(sizeof(ProbePacket) == 48, "packet layout of kPacketData");

struct Options
{
    std::wstring library;
    int contexts = 1;
    int packets = 0;
    DWORD timeoutMs = 30000;
    bool narrow = false;
    UINT contextCategory = WTI_DEFCONTEXT;
};

struct Library
{
    HMODULE module = nullptr;
    InfoFunction infoA = nullptr;
    InfoFunction infoW = nullptr;
    OpenFunction openA = nullptr;
    OpenFunction openW = nullptr;
    CloseFunction close = nullptr;
    QueueSizeSetFunction queueSizeSet = nullptr;
    PacketFunction packet = nullptr;
    PacketsGetFunction packetsGet = nullptr;

    bool isValid() const
    {
        return infoA && infoW && openA && openW && close && queueSizeSet && packet && packetsGet;
    }
};

struct Probe
{
    Library library;
    std::vector<WintabContext> contexts;
    int wanted = 0;
    int received = 0;
};

Probe *theProbe = nullptr;

void say(const std::string &line)
{
    std::fputs((line + "\n").c_str(), stdout);
    std::fflush(stdout);
}

std::wstring besideThisProgram(const wchar_t *file)
{
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    folder.erase(folder.find_last_of(L"\\/") + 1);
    return folder + file;
}

bool parseOptions(int argc, wchar_t **argv, Options &options)
{
    options.library = besideThisProgram(L"Nibwire.dll");
    for (int i = 1; i < argc; ++i) {
        const std::wstring name = argv[i];
        const bool hasValue = i + 1 < argc;
        if (name == L"--narrow")
            options.narrow = true;
        else if (name == L"--library" && hasValue)
            options.library = argv[++i];
        else if (name == L"--contexts" && hasValue)
            options.contexts = _wtoi(argv[++i]);
        else if (name == L"--packets" && hasValue)
            options.packets = _wtoi(argv[++i]);
        else if (name == L"--timeout-ms" && hasValue)
            options.timeoutMs = DWORD(_wtoi(argv[++i]));
        else if (name == L"--context-category" && hasValue)
            options.contextCategory = UINT(_wtoi(argv[++i]));
        else
            return false;
    }
    return options.contexts >= 1 && options.contexts <= 16 && options.packets >= 0;
}

template <typename Function>
Function resolve(HMODULE module, const char *name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void *>(GetProcAddress(module, name)));
}

bool loadLibrary(const std::wstring &path, Library &library)
{
    library.module = LoadLibraryW(path.c_str());
    if (!library.module)
        return false;
    library.infoA = resolve<InfoFunction>(library.module, "WTInfoA");
    library.infoW = resolve<InfoFunction>(library.module, "WTInfoW");
    library.openA = resolve<OpenFunction>(library.module, "WTOpenA");
    library.openW = resolve<OpenFunction>(library.module, "WTOpenW");
    library.close = resolve<CloseFunction>(library.module, "WTClose");
    library.queueSizeSet = resolve<QueueSizeSetFunction>(library.module, "WTQueueSizeSet");
    library.packet = resolve<PacketFunction>(library.module, "WTPacket");
    library.packetsGet = resolve<PacketsGetFunction>(library.module, "WTPacketsGet");
    return library.isValid();
}

std::string describe(const ProbePacket &packet, const char *via)
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    char line[320];
    std::snprintf(line, sizeof line,
                  "packet ctx=%llu serial=%u x=%d y=%d pressure=%u buttons=%u cursor=%u "
                  "azimuth=%d altitude=%d via=%s qpc=%lld",
                  static_cast<unsigned long long>(packet.context), packet.serial, packet.x,
                  packet.y, packet.pressure, packet.buttons, packet.cursor, packet.azimuth,
                  packet.altitude, via, static_cast<long long>(now.QuadPart));
    return line;
}

// Even serials are read one by one as their message names them; odd ones take everything that
// waits, as applications that drain their queue do.
void readPackets(Probe &probe, WintabContext context, UINT serial)
{
    if (serial % 2 == 0) {
        ProbePacket packet{};
        if (probe.library.packet(context, serial, &packet)) {
            say(describe(packet, "packet"));
            ++probe.received;
        }
        return;
    }
    ProbePacket packets[32];
    const int count = probe.library.packetsGet(context, 32, packets);
    for (int i = 0; i < count; ++i)
        say(describe(packets[i], "get"));
    probe.received += count > 0 ? count : 0;
}

LRESULT CALLBACK probeWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (theProbe && message == WT_PACKET) {
        readPackets(*theProbe, reinterpret_cast<WintabContext>(lParam), UINT(wParam));
        return 0;
    }
    if (theProbe && message == WT_PROXIMITY) {
        say("proximity ctx=" + std::to_string(static_cast<unsigned long long>(wParam))
            + " entering=" + std::to_string(LOWORD(lParam) ? 1 : 0));
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND createProbeWindow()
{
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = probeWindowProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"QZTabletWintabProbe";
    RegisterClassW(&windowClass);
    return CreateWindowExW(0, windowClass.lpszClassName, L"Wintab probe", WS_OVERLAPPEDWINDOW,
                           0, 0, 320, 200, nullptr, nullptr, windowClass.hInstance, nullptr);
}

// Ask for a default context, then make it report in tablet units with y growing downwards, so
// packets carry the positions the driver published.
template <typename Context>
bool prepareContext(InfoFunction info, UINT category, Context &context)
{
    if (info(0, 0, nullptr) == 0 || info(category, 0, nullptr) != sizeof(Context))
        return false;
    if (info(category, 0, &context) != sizeof(Context))
        return false;
    context.lcPktData = kPacketData;
    context.lcPktMode = 0;
    context.lcOptions |= CXO_MESSAGES;
    context.lcOutOrgX = 0;
    context.lcOutOrgY = 0;
    context.lcOutExtX = context.lcInExtX;
    context.lcOutExtY = -context.lcInExtY;
    return true;
}

bool openContexts(Probe &probe, HWND window, const Options &options)
{
    LOGCONTEXTA narrow{};
    LOGCONTEXTW wide{};
    const bool prepared =
            options.narrow ? prepareContext(probe.library.infoA, options.contextCategory, narrow)
                           : prepareContext(probe.library.infoW, options.contextCategory, wide);
    if (!prepared)
        return false;
    for (int i = 0; i < options.contexts; ++i) {
        LOGCONTEXTA narrowCopy = narrow;
        LOGCONTEXTW wideCopy = wide;
        WintabContext context = options.narrow ? probe.library.openA(window, &narrowCopy, TRUE)
                                               : probe.library.openW(window, &wideCopy, TRUE);
        if (!context)
            return false;
        probe.library.queueSizeSet(context, 128);
        probe.contexts.push_back(context);
    }
    return true;
}

// Dispatches what arrives within `waitMs`; false when nothing came.
bool dispatchMessages(DWORD waitMs)
{
    if (MsgWaitForMultipleObjects(0, nullptr, FALSE, waitMs, QS_ALLINPUT) == WAIT_TIMEOUT)
        return false;
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return true;
}

void runMessageLoop(Probe &probe, DWORD timeoutMs)
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (probe.wanted == 0 || probe.received < probe.wanted) {
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline)
            return;
        dispatchMessages(DWORD(deadline - now));
    }
    // A packet may be read before the messages posted with it (proximity, the packet messages
    // of packets already taken) are dispatched: take those too, until the queue stays quiet.
    while (dispatchMessages(300)) {
    }
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    Options options;
    if (!parseOptions(argc, argv, options)) {
        say("error usage: WintabProbe.exe [--library PATH] [--contexts 1..16] [--packets N] "
            "[--timeout-ms N] [--narrow] [--context-category N]");
        return 2;
    }
    Probe probe;
    probe.wanted = options.packets * options.contexts;
    if (!loadLibrary(options.library, probe.library)) {
        say("error the Wintab library could not be loaded or lacks an export");
        return 1;
    }
    HWND window = createProbeWindow();
    if (!window || !openContexts(probe, window, options)) {
        say("error no Wintab context could be opened");
        return 1;
    }
    std::string handles;
    for (WintabContext context : probe.contexts)
        handles += (handles.empty() ? "" : ",")
                   + std::to_string(reinterpret_cast<std::uintptr_t>(context));
    say("ready pid=" + std::to_string(GetCurrentProcessId()) + " contexts=" + handles);

    theProbe = &probe;
    runMessageLoop(probe, options.timeoutMs);
    theProbe = nullptr;
    say("done packets=" + std::to_string(probe.received));

    for (WintabContext context : probe.contexts)
        probe.library.close(context);
    DestroyWindow(window);
    FreeLibrary(probe.library.module);
    return probe.wanted == 0 || probe.received == probe.wanted ? 0 : 1;
}
