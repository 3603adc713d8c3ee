#include "applet/SheetRun.h"

#include "applet/StartupFill.h"

namespace {

// A teardown step must not keep the next one from running.
template <typename Step>
void RunTeardownStep(Step step) noexcept {
    try {
        step();
    } catch (...) {
    }
}

// The stack expects both unregistrations at the end of every run, also when
// the registration failed, so they do not depend on its outcome.  The OBEX
// proxy is left before the stack proxy it depends on.
class StackRegistrations {
public:
    explicit StackRegistrations(IBluetoothStack& stack) : stack_(stack) {}
    ~StackRegistrations() {
        RunTeardownStep([this] { stack_.ObexUnRegister(); });
        RunTeardownStep([this] { stack_.UnRegister(); });
    }
    StackRegistrations(const StackRegistrations&) = delete;
    StackRegistrations& operator=(const StackRegistrations&) = delete;

private:
    IBluetoothStack& stack_;
};

// The hidden window and its device notification, released before the stack
// registrations: the window may be told of the stack until then.
class NotificationWindowLease {
public:
    NotificationWindowLease(ISheetHost& host, CpropertySheetInfo& info) : host_(host), info_(info) {}
    ~NotificationWindowLease() {
        RunTeardownStep([this] { host_.CloseNotificationWindow(info_); });
    }
    NotificationWindowLease(const NotificationWindowLease&) = delete;
    NotificationWindowLease& operator=(const NotificationWindowLease&) = delete;

private:
    ISheetHost& host_;
    CpropertySheetInfo& info_;
};

}  // namespace

bool RunSettingsSheet(IBluetoothStack& stack, IRegistry& registry, const IStringTable& strings,
                      ISheetHost& host) {
    // Declared in the order of set-up, so they are released in reverse: the
    // window, then the registrations, then the record.
    CpropertySheetInfo info(&stack);
    StackRegistrations registrations(stack);
    NotificationWindowLease window(host, info);
    FillSheetInfoAtStartup(info, registry, strings,
                           [&host](CpropertySheetInfo& record) { host.CreateNotificationWindow(record); });
    return host.ShowSheet(info);
}
