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
    bool sheetSucceeds = true;

    void CreateNotificationWindow(CpropertySheetInfo& info) override {
        stack_.Note("<create window>");
        info.SetNotificationWindow(&windowsOpen);
        ++windowsOpen;
    }
    // Releases first: a fault reported by the close comes after it.
    void CloseNotificationWindow(CpropertySheetInfo& info) override {
        if (info.NotificationWindow()) --windowsOpen;
        info.SetNotificationWindow(nullptr);
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
        EXPECT_EQ(registry.OpenHandleCount(), 0u);
    }

    FakeStack stack;
    FakeSheetHost host{stack};
};

// The teardown follows the sheet: the window closes before the proxies are
// left.  A fault at any stack, window or registry step, the teardown's own
// steps included, still releases everything in order, and the next run in the
// same process works.
TEST_F(SheetRunTest, AFaultAtAnyStepReleasesEverything) {
    EXPECT_TRUE(Run());
    ExpectReleasedInOrder();
    const std::vector<std::string> steps = stack.calls;
    const std::size_t operations = registry.operations;
    ASSERT_GT(operations, 5u);
    EXPECT_EQ(steps.at(steps.size() - kTeardown.size() - 1), "<sheet>");
    for (std::size_t fault = 0; fault < steps.size() + operations; ++fault) {
        const bool stackFault = fault < steps.size();
        SCOPED_TRACE(stackFault ? steps[fault] : "registry operation " + std::to_string(fault - steps.size()));
        stack = FakeStack();
        registry = MemoryRegistry();
        if (stackFault)
            stack.throwingCall = fault;
        else
            registry.throwingOperation = fault - steps.size();
        if (stackFault && fault >= steps.size() - kTeardown.size()) {
            EXPECT_TRUE(Run()) << "a failing teardown step ends nothing early";
        } else {
            EXPECT_ANY_THROW(Run());
        }
        ExpectReleasedInOrder();
    }
    stack = FakeStack();
    host.sheetSucceeds = false;
    EXPECT_FALSE(Run()) << "a sheet that a fault ended makes the run report it";
    ExpectReleasedInOrder();
}

}  // namespace
