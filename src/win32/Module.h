#pragma once
// The applet module: its instance handle, its lock count and the module its
// resources are taken from.

#include <windows.h>

#include <atomic>

class CQuorvelCplModule {
public:
    // The lock count answers DllCanUnloadNow; only these two change it.
    LONG Lock() { return InterlockedIncrement(&lockCount_); }
    LONG Unlock() { return InterlockedDecrement(&lockCount_); }
    LONG GetLockCount() const { return lockCount_; }

    // The applet's own module, as the loader last gave it to DllMain.
    HINSTANCE Instance() const { return instance_; }
    void SetInstance(HINSTANCE instance) { instance_ = instance; }

    // Dialogs, icons and texts come from here: a language resource library
    // once one is loaded, else the applet's own module.
    HINSTANCE ResourceInstance() const {
        HINSTANCE resources = resources_.load();
        return resources ? resources : instance_;
    }
    HINSTANCE ExchangeResourceInstance(HINSTANCE resources) { return resources_.exchange(resources); }

private:
    volatile LONG lockCount_ = 0;
    HINSTANCE instance_ = nullptr;
    std::atomic<HINSTANCE> resources_{nullptr};
};

CQuorvelCplModule& TheModule();
