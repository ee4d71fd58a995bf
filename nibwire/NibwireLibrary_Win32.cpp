#include "nibwire/NibwireLibrary_Win32.h"

#include "nibwire/AnsiText_Win32.h"
#include "nibwire/DefaultContext.h"
#include "nibwire/HostExecutable_Win32.h"
#include "nibwire/PostRequests.h"

namespace {

NibwireLibrary library;

VirtualScreen virtualScreen()
{
    VirtualScreen screen;
    screen.x = GetSystemMetrics(SM_XVIRTUALSCREEN);
    screen.y = GetSystemMetrics(SM_YVIRTUALSCREEN);
    screen.width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    screen.height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    return screen;
}

} // namespace

NibwireLibrary &NibwireLibrary::instance()
{
    return library;
}

NibwireLibrary::NibwireLibrary()
    : section(WintabSharedSection::kNibwireLockTimeout),
      contextCallSet(section, contexts, [this] { return host(); }),
      packetCallSet(section, contexts)
{}

void NibwireLibrary::attach()
{
    section.openSection();
}

void NibwireLibrary::detach(bool processEnding)
{
    // The one time-out of the unload: what it waits for with a bound (the section's lock) gets
    // what is left of it.
    const Deadline deadline = Deadline::after(kUnloadBound);
    // The pipe threads go first, and the unload waits for them however long they take, so that
    // the library is never unmapped under them. Once they have left, no thread of the library
    // holds the context map's lock, and taking the contexts cannot wait.
    if (!processEnding)
        client.stopForUnload();
    try {
        removeProcessContexts(processEnding, deadline);
    } catch (...) {
    }
    // Nothing waits for the threads of an ending process: they are gone already. The client's
    // destructor, run with the static ones, must find no thread left to wait for.
    if (processEnding)
        client.abandon();
}

void NibwireLibrary::removeProcessContexts(bool processEnding, const Deadline &deadline)
{
    std::vector<std::uint32_t> handles;
    if (processEnding) {
        auto taken = contexts.tryTakeAll();
        if (!taken)
            return;
        handles = std::move(*taken);
    } else {
        handles = contexts.takeAll();
    }
    contextCallSet.removeContexts(handles, deadline);
}

UINT NibwireLibrary::info(UINT category, UINT index, void *output, WintabInfo::Text text)
{
    startClientOnce();
    const LOGCONTEXTA context = defaultContext();
    LOGCONTEXTW wideContext{};
    if (text == WintabInfo::Text::Wide)
        wideContext = AnsiText::widened(context, AnsiText::threadCodePage());
    WintabInfo::Sources sources;
    sources.defaultContext = &context;
    sources.wideDefaultContext = &wideContext;
    sources.openContexts = std::uint32_t(contexts.size());
    return WintabInfo::answer(category, index, output, text, sources);
}

void NibwireLibrary::startClientOnce()
{
    if (clientStarted.exchange(true))
        return;
    auto onRecord = [this](unsigned, std::shared_ptr<std::vector<std::uint8_t>> bytes) {
        onPipeRecord(bytes);
    };
    client.start(onRecord, kClientIntervalMs);
}

BOOL NibwireLibrary::setQueueSize(int size)
{
    if (size <= 0)
        return FALSE;
    queueSizeValue = size;
    return TRUE;
}

void NibwireLibrary::onPipeRecord(const std::shared_ptr<std::vector<std::uint8_t>> &bytes)
{
    if (!bytes)
        return;
    const auto record = PostRequests::postable(bytes->data(), bytes->size());
    if (!record)
        return;
    contexts.withWindow(record->window, [&record] {
        PostMessageW(reinterpret_cast<HWND>(std::uintptr_t(record->window)), record->message,
                     WPARAM(record->wParam), LPARAM(record->lParam));
    });
}

HostIdentification::HostIdentity NibwireLibrary::host()
{
    std::lock_guard<std::mutex> lock(hostMutex);
    if (!hostKnown) {
        hostIdentity = HostExecutable::identify();
        hostKnown = true;
    }
    return hostIdentity;
}

LOGCONTEXTA NibwireLibrary::defaultContext()
{
    return DefaultContext::make(virtualScreen(), host());
}
