#pragma once

// Runs tools/wintab-probe's WintabProbe.exe (built in the nibwire tree, beside Nibwire.dll) as a
// child process and collects the lines it prints.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

// The probe's folder: the nibwire tree's bin folder, as a Windows path.
inline std::wstring wintabProbeFolder()
{
    std::wstring folder;
    for (char c : std::string(QZ_NIBWIRE_BIN_DIR))
        folder += c == '/' ? L'\\' : wchar_t(c);
    return (folder.size() > 1 && folder[1] == L':') ? folder : L"Z:" + folder;
}

inline bool wintabProbeExists()
{
    const std::wstring probe = wintabProbeFolder() + L"\\WintabProbe.exe";
    return GetFileAttributesW(probe.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// "key=value" fields of one probe line after its first word.
inline std::map<std::string, std::string> probeFields(const std::string &line)
{
    std::map<std::string, std::string> fields;
    std::istringstream words(line);
    std::string word;
    words >> word;
    fields["kind"] = word;
    while (words >> word) {
        const auto equals = word.find('=');
        if (equals != std::string::npos)
            fields[word.substr(0, equals)] = word.substr(equals + 1);
    }
    return fields;
}

class WintabProbeProcess
{
public:
    WintabProbeProcess() = default;
    ~WintabProbeProcess() { stop(); }
    WintabProbeProcess(const WintabProbeProcess &) = delete;
    WintabProbeProcess &operator=(const WintabProbeProcess &) = delete;

    bool start(const std::wstring &arguments)
    {
        SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
        HANDLE writeEnd = nullptr;
        // The probe prints a line for every packet it reads. In a small pipe a burst of lines
        // would hold the probe up until the polling reader below comes round, and that wait
        // would count as the Wintab road's.
        if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 1 << 20))
            return false;
        SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = writeEnd;
        startup.hStdError = writeEnd;
        startup.hStdInput = nullptr;
        const std::wstring folder = wintabProbeFolder();
        std::wstring commandLine = L"\"" + folder + L"\\WintabProbe.exe\" " + arguments;
        PROCESS_INFORMATION process = {};
        const BOOL created = CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0,
                                            nullptr, folder.c_str(), &startup, &process);
        CloseHandle(writeEnd);
        if (!created)
            return false;
        CloseHandle(process.hThread);
        processHandle = process.hProcess;
        reader = std::thread([this] { readLines(); });
        return true;
    }

    // Waits until a line passes `test`; returns it, or an empty text after `patience`.
    std::string waitForLine(const std::function<bool(const std::string &)> &test,
                            std::chrono::milliseconds patience)
    {
        std::unique_lock<std::mutex> lock(mutex);
        std::string found;
        changed.wait_for(lock, patience, [&] {
            for (const std::string &line : received)
                if (test(line)) {
                    found = line;
                    return true;
                }
            return ended;
        });
        return found;
    }

    std::string waitForKind(const std::string &kind, std::chrono::milliseconds patience)
    {
        return waitForLine([&](const std::string &line) { return line.rfind(kind + " ", 0) == 0; },
                           patience);
    }

    std::vector<std::string> lines() const
    {
        std::lock_guard<std::mutex> lock(mutex);
        return received;
    }

    // The exit code once the probe ended within `patience`, else -1.
    long exitCode(std::chrono::milliseconds patience)
    {
        if (!processHandle || WaitForSingleObject(processHandle, DWORD(patience.count())) != WAIT_OBJECT_0)
            return -1;
        DWORD code = 0;
        GetExitCodeProcess(processHandle, &code);
        return long(code);
    }

    void stop()
    {
        if (processHandle) {
            if (WaitForSingleObject(processHandle, 0) != WAIT_OBJECT_0)
                TerminateProcess(processHandle, 99);
            WaitForSingleObject(processHandle, 10000);
            CloseHandle(processHandle);
            processHandle = nullptr;
        }
        // Programs the probe started (Wine's desktop process, say) may keep the pipe open after
        // the probe ended: the reader polls and leaves on request instead of waiting for its end.
        stopReading = true;
        if (reader.joinable())
            reader.join();
        if (readEnd) {
            CloseHandle(readEnd);
            readEnd = nullptr;
        }
    }

private:
    void readLines()
    {
        std::string pending;
        char buffer[4096];
        while (!stopReading) {
            DWORD available = 0;
            if (!PeekNamedPipe(readEnd, nullptr, 0, nullptr, &available, nullptr))
                break;
            if (available == 0) {
                Sleep(10);
                continue;
            }
            DWORD read = 0;
            if (!ReadFile(readEnd, buffer, DWORD(std::min<std::size_t>(available, sizeof buffer)),
                          &read, nullptr) || read == 0)
                break;
            pending.append(buffer, read);
            std::size_t end;
            while ((end = pending.find('\n')) != std::string::npos) {
                std::string line = pending.substr(0, end);
                if (!line.empty() && line.back() == '\r')
                    line.pop_back();
                pending.erase(0, end + 1);
                std::lock_guard<std::mutex> lock(mutex);
                received.push_back(line);
                changed.notify_all();
            }
        }
        std::lock_guard<std::mutex> lock(mutex);
        ended = true;
        changed.notify_all();
    }

    HANDLE processHandle = nullptr;
    HANDLE readEnd = nullptr;
    std::thread reader;
    std::atomic<bool> stopReading{false};
    mutable std::mutex mutex;
    std::condition_variable changed;
    std::vector<std::string> received;
    bool ended = false;
};
