// What the package decides before it changes anything.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

#include "applet/SetupChecks.h"

namespace {

constexpr char16_t kSystem[] = u"C:\\windows\\system32";
constexpr char16_t kProxy[] = u"C:\\windows\\system32\\VmrBtProxy.dll";
constexpr char16_t kObex[] = u"C:\\windows\\system32\\VmrBtOBEXProxy.dll";
constexpr char16_t kApplet[] = u"C:\\Program Files\\QuorvelCpl\\QuorvelCpl.dll";

class FakeSetupMachine final : public ISetupMachine {
public:
    std::u16string path = u"relative\\Stack;;\"D:\\Stack Files\\\";E:\\Tools";
    std::set<std::u16string> files, standIns, asPackaged;
    std::optional<std::u16string> item;

    std::u16string SystemFolder() override { return kSystem; }
    std::u16string PathVariable() override { return path; }
    bool FileExists(const std::u16string& file) override { return files.count(file) != 0; }
    bool IsStandIn(const std::u16string& file) override { return standIns.count(file) != 0; }
    bool IsAsPackaged(const std::u16string& file, const char16_t* name) override {
        EXPECT_TRUE(file.ends_with(name));
        return asPackaged.count(file) != 0;
    }
    std::optional<std::u16string> ControlPanelItemModule(const std::u16string& name) override {
        EXPECT_EQ(name, u"Bluetooth Settings");
        return item;
    }
};

using Properties = std::set<std::u16string>;

TEST(SetupChecks, ImportsResolveFromTheSystemFolderThenEachAbsoluteFolderOnPath) {
    FakeSetupMachine machine;
    machine.files = {u"relative\\Stack\\VmrBtProxy.dll", u"D:\\Stack Files\\VmrBtProxy.dll",
                     u"E:\\Tools\\VmrBtProxy.dll"};
    EXPECT_EQ(FindImportedLibrary(machine, u"VmrBtProxy.dll"), u"D:\\Stack Files\\VmrBtProxy.dll");
    machine.files.insert(kProxy);
    EXPECT_EQ(FindImportedLibrary(machine, u"VmrBtProxy.dll"), kProxy);
    machine.path = u"\\\\server\\share\\";
    machine.files = {u"\\\\server\\share\\VmrBtProxy.dll"};
    EXPECT_EQ(FindImportedLibrary(machine, u"VmrBtProxy.dll"), u"\\\\server\\share\\VmrBtProxy.dll");
    EXPECT_EQ(FindImportedLibrary(machine, u"VmrBtOBEXProxy.dll"), std::nullopt);
}

TEST(SetupChecks, AnInstallNeedsTheStackOrAStandInAndTheItemsName) {
    const struct {
        const char* name;
        bool removing, standInsWanted;
        std::set<std::u16string> files, standIns, asPackaged;
        std::optional<std::u16string> item;
        Properties properties;
        std::vector<std::u16string> refusalSays;  // empty: no refusal
    } cases[] = {
        {"the stack in the system folder", false, true, {kProxy, kObex}, {}, {}, std::nullopt,
         {u"QUORVEL_CPLS_OURS"}, {}},
        {"no stack, no stand-ins asked for", false, false, {}, {}, {}, kApplet,
         {u"QUORVEL_CPLS_OURS"}, {u"not installed", u"VmrBtProxy.dll and VmrBtOBEXProxy.dll", u"Nothing was changed"}},
        {"stand-ins asked for", false, true, {}, {}, {}, std::nullopt,
         {u"QUORVEL_PROXY_STANDIN", u"QUORVEL_OBEX_STANDIN", u"QUORVEL_CPLS_OURS"}, {}},
        {"one library on PATH shadows no stand-in", false, true, {u"E:\\Tools\\VmrBtProxy.dll"}, {}, {},
         std::nullopt, {u"QUORVEL_OBEX_STANDIN", u"QUORVEL_CPLS_OURS"}, {}},
        {"an earlier stand-in is kept up to date unasked", false, false, {kProxy, kObex}, {kObex}, {},
         std::nullopt, {u"QUORVEL_OBEX_STANDIN", u"QUORVEL_CPLS_OURS"}, {}},
        {"a stand-in elsewhere on PATH is not ours", false, false, {u"E:\\Tools\\VmrBtOBEXProxy.dll", kProxy},
         {u"E:\\Tools\\VmrBtOBEXProxy.dll"}, {}, std::nullopt, {u"QUORVEL_CPLS_OURS"}, {}},
        {"the name is the applet's in another case", false, false, {kProxy, kObex}, {}, {},
         u"c:\\program files\\quorvelcpl\\QUORVELCPL.DLL", {u"QUORVEL_CPLS_OURS"}, {}},
        {"the name belongs to another module", false, true, {kProxy, kObex}, {}, {}, u"D:\\Other\\Cpl.dll", {},
         {u"\"Bluetooth Settings\"", u"D:\\Other\\Cpl.dll", u"Nothing was changed"}},
        {"removal takes packaged or missing stand-ins", true, false, {kProxy}, {}, {kProxy}, kApplet,
         {u"QUORVEL_PROXY_STANDIN", u"QUORVEL_OBEX_STANDIN", u"QUORVEL_CPLS_OURS"}, {}},
        {"removal keeps what the stack replaced and another's name", true, false, {kProxy, kObex}, {kProxy},
         {kObex}, u"D:\\Other\\Cpl.dll", {u"QUORVEL_OBEX_STANDIN"}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeSetupMachine machine;
        std::tie(machine.files, machine.standIns, machine.asPackaged, machine.item) =
            std::tie(c.files, c.standIns, c.asPackaged, c.item);
        SetupDecision decision = DecideSetup(machine, {c.removing, c.standInsWanted, u"Bluetooth Settings", kApplet});
        EXPECT_EQ(Properties(decision.properties.begin(), decision.properties.end()), c.properties);
        EXPECT_EQ(decision.refusal.has_value(), !c.refusalSays.empty());
        for (const auto& words : c.refusalSays)
            EXPECT_NE(decision.refusal.value_or(u"").find(words), std::u16string::npos)
                << std::string(words.begin(), words.end());
    }
    // The log hears where each library was found or where its stand-in goes.
    FakeSetupMachine machine;
    machine.files = {u"E:\\Tools\\VmrBtProxy.dll"};
    EXPECT_EQ(DecideSetup(machine, {false, true, u"Bluetooth Settings", kApplet}).notes,
              (std::vector<std::u16string>{u"The stack's VmrBtProxy.dll is E:\\Tools\\VmrBtProxy.dll",
                                           u"A stand-in goes to " + std::u16string(kObex)}));
}

}  // namespace
