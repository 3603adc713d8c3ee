#include <gtest/gtest.h>

#include <algorithm>

#include "FakeEnvironment.h"
#include "FakeStack.h"
#include "applet/SheetRun.h"

namespace {

// The windows of a run, logged into the stack's call log so that one order
// covers the stack and the windows.
class FakeSheetHost final : public ISheetHost {
public:
    explicit FakeSheetHost(FakeStack& stack) : stack_(stack) {}

    int windowsOpen = 0;
    int notificationsOpen = 0;
    bool sheetSucceeds = true;

    void CreateNotificationWindow(CpropertySheetInfo& info) override {
        stack_.Note("<create window>");
        info.SetNotificationWindow(&windowsOpen);
        ++windowsOpen;
        info.SetDeviceNotification(&notificationsOpen);
        ++notificationsOpen;
    }
    // Releases first: a fault reported by the close comes after it.
    void CloseNotificationWindow(CpropertySheetInfo& info) override {
        if (info.NotificationWindow()) --windowsOpen;
        info.SetNotificationWindow(nullptr);
        if (info.DeviceNotification()) --notificationsOpen;
        info.SetDeviceNotification(nullptr);
        stack_.Note("<close window>");
    }
    bool ShowSheet(CpropertySheetInfo& info) override {
        EXPECT_NE(info.NotificationWindow(), nullptr) << "the sheet runs over a filled record";
        stack_.Note("<sheet>");
        return sheetSucceeds;
    }

private:
    FakeStack& stack_;
};

const std::vector<std::string> kTeardown = {"<close window>", "ObexUnRegister", "UnRegister"};

class SheetRunTest : public RegistryTest {
protected:
    bool Run() { return RunSettingsSheet(stack, registry, strings, host); }

    // The run's last steps, and what they released.
    void ExpectReleasedInOrder() {
        ASSERT_GE(stack.calls.size(), kTeardown.size());
        EXPECT_EQ(std::vector<std::string>(stack.calls.end() - 3, stack.calls.end()), kTeardown);
        EXPECT_EQ(host.windowsOpen, 0);
        EXPECT_EQ(host.notificationsOpen, 0);
        EXPECT_EQ(registry.OpenHandleCount(), 0u);
    }

    FakeStack stack;
    FakeSheetHost host{stack};
};

TEST_F(SheetRunTest, FillsShowsAndReleasesInOrder) {
    EXPECT_TRUE(Run());
    auto sheet = std::find(stack.calls.begin(), stack.calls.end(), "<sheet>");
    ASSERT_NE(sheet, stack.calls.end());
    EXPECT_EQ(std::vector<std::string>(sheet + 1, stack.calls.end()), kTeardown);
    ExpectReleasedInOrder();

    host.sheetSucceeds = false;
    EXPECT_FALSE(Run()) << "a sheet that a fault ended makes the run report it";
}

// A fault at any step, the teardown's own steps included, still releases
// everything in order, and the next run in the same process works.
TEST_F(SheetRunTest, AFaultAtAnyStackOrWindowStepReleasesEverything) {
    Run();
    const std::size_t steps = stack.calls.size();
    for (std::size_t step = 0; step < steps; ++step) {
        SCOPED_TRACE(stack.calls.size() > step ? stack.calls[step] : "?");
        stack = FakeStack();
        stack.throwingCall = step;
        bool inTeardown = step >= steps - kTeardown.size();
        if (inTeardown) {
            EXPECT_TRUE(Run()) << "a failing teardown step ends nothing early";
        } else {
            EXPECT_THROW(Run(), FakeStack::StackFault);
        }
        ExpectReleasedInOrder();
    }
    stack = FakeStack();
    EXPECT_TRUE(Run());
    ExpectReleasedInOrder();
}

TEST_F(SheetRunTest, AFaultAtAnyRegistryStepReleasesEverything) {
    Run();
    const std::size_t operations = registry.operations;
    ASSERT_GT(operations, 5u);
    for (std::size_t operation = 0; operation < operations; ++operation) {
        SCOPED_TRACE(operation);
        stack = FakeStack();
        registry = MemoryRegistry();
        registry.throwingOperation = operation;
        EXPECT_THROW(Run(), MemoryRegistry::RegistryFault);
        ExpectReleasedInOrder();
    }
}

}  // namespace
