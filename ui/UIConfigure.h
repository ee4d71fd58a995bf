#pragma once

#include <functional>
#include <utility>

// A settings page that shows the current configuration and hands its edits to the engine.
// updateFromConfigure raises `updating` while it fills the widgets, and applyConfigure returns at
// once while it is raised, so a refresh never writes back what it is loading.
class UIConfigure
{
public:
    using ApplyHandler = std::function<void()>;

    virtual ~UIConfigure() = default;

    virtual void updateFromConfigure() = 0;
    virtual void applyConfigure() {}

    // The main window installs the handler that gives the engine a copy of the current
    // configuration; pages reach it through applyConfigureFromPanel.
    static void setApplyHandler(ApplyHandler handler) { applyHandler() = std::move(handler); }
    static void applyConfigureFromPanel()
    {
        if (applyHandler())
            applyHandler()();
    }

    bool updating = false;

private:
    static ApplyHandler &applyHandler()
    {
        static ApplyHandler handler;
        return handler;
    }
};
