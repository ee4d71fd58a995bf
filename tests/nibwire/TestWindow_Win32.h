#pragma once
// A hidden window of the test's own class that collects the Wintab messages posted to it.
#include "nibwire/WintabTypes.h"

#include <windows.h>

#include <chrono>
#include <functional>
#include <thread>
#include <vector>

class TestWindow
{
public:
    struct Message {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };

    TestWindow()
    {
        static const ATOM windowClass = registerClass();
        window = CreateWindowExW(0, reinterpret_cast<LPCWSTR>(std::uintptr_t(windowClass)),
                                 L"Nibwire test", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    }
    ~TestWindow()
    {
        if (window)
            DestroyWindow(window);
    }
    TestWindow(const TestWindow &) = delete;
    TestWindow &operator=(const TestWindow &) = delete;

    HWND handle() const { return window; }

    // Takes the Wintab messages waiting for this window.
    std::vector<Message> pump()
    {
        MSG msg;
        while (PeekMessageW(&msg, window, WT_DEFBASE, WT_MAX, PM_REMOVE))
            received.push_back({msg.message, msg.wParam, msg.lParam});
        std::vector<Message> taken;
        taken.swap(received);
        return taken;
    }

    // Pumps until `done` holds for everything received so far; false after `patience`.
    bool pumpUntil(const std::function<bool(const std::vector<Message> &)> &done,
                   std::vector<Message> &all,
                   std::chrono::milliseconds patience = std::chrono::seconds(20))
    {
        const auto deadline = std::chrono::steady_clock::now() + patience;
        for (;;) {
            for (const Message &message : pump())
                all.push_back(message);
            if (done(all))
                return true;
            if (std::chrono::steady_clock::now() > deadline)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }

private:
    static ATOM registerClass()
    {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"NibwireTestWindow";
        return RegisterClassExW(&windowClass);
    }

    HWND window = nullptr;
    std::vector<Message> received;
};
