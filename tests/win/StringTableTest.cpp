// Checks the resources that the applet's code and the language resource
// libraries rely on by id: every string-table text, no stray string ids, the
// page templates (order, styles, sizes, icons) and the icons themselves.
// QuorvelCpl.dll is loaded as a data file, so its DllMain does not run.
#include <gtest/gtest.h>

#include "DialogTemplate.h"
#include "ModuleResources.h"
#include "TestSupport.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct ExpectedText {
    UINT id;
    const wchar_t* text;
};

// The texts exactly as the applet shows or uses them (spelling included).
const ExpectedText kTexts[] = {
    {101, L"Bluetooth Device Settings"},
    {102, L"Bluetooth Settings"},
    {104, L"Firmware Version"},
    {109, L"Allow remote devices to browse, send and receive pictures, music and other files."},
    {114, L"Open <a>Bluetooth exchange folder</a>"},
    {115, L"Device name can not be empty. Please enter."},
    {116, L"More than 31 characters entered. Please re-enter."},
    {117, L"Error"},
    {118, L"Handsfree"}, {119, L"Make incoming and outgoing calls"},
    {120, L"Headset"},
    {121, L"Stereo"}, {122, L"Stream music to your Bluetooth headset"},
    {123, L"Serial Port"}, {124, L"Connect to other Bluetooth devies via virtual serial port"},
    {125, L"Dial-Up Networking"}, {126, L"Provide internet access for Bluetooth devices"},
    {127, L"Remote Control"}, {128, L"Control streaming of multimedia files"},
    {129, L"Not Available"},
    {130, L"File Transfer"}, {131, L"Send and receive files"},
    {132, L"Object Push"}, {133, L"Send and receive objects"},
    {134, L"HCRP"}, {135, L"Connect to a Bluetooth printer"},
    {136, L"Profile"},
    {137, L"Description"},
    {138, L"HID Host"}, {139, L"Connect to Bluetooth keyboards, mice and joysticks"},
    {140, L"Bluetooth Device Unavailable"},
    {141, L"SOFTWARE\\Velmora\\Quorvel\\Default\\Notifications"},
    {142, L"LocalDeviceName"},
    {143, L"IsDiscoveryEnabled"},
    {144, L"IsRadioOn"},
    {147, L"Bluetooth Configuration Error"},
    {148, L"Software\\Velmora\\Quorvel\\Notifications"},
    {149, L"Velmora"},
    {150, L"Device Address"},
    {151, L"Bluetooth Version"},
    {152, L"Device unavailable. Try again."},
    {153, L"Unavailable"},
    {154, L"Unknown"},
    {155, L"You have selected file, Please Select Folder"},
    {156, L"Folder selected is System folder and cannot be set as File sharing path"},
    {158, L"viewing-supported-services.html"},
    {159, L"%s\\HelpFiles\\"},
    {160, L"Basic Printing"}, {161, L"Connect to a Bluetooth printer"},
    {165, L"Value"},
    {166, L"Please select some valid system path and try again"},
    {167, L"Unable to activate FTP Server"},
    {168, L"Unable to Deactivate, FTP Server busy!"},
    {169, L"Not able to save file sharing settings,unknown error."},
    {172, L"Property"},
    {176, L"directory:"},
    {181, L"SOFTWARE\\Velmora\\Quorvel\\Default"},
    {182, L"Software\\Velmora\\Quorvel\\Default"},
    {183, L"Synchronization"},
    {184, L"Synchronize your phone items (emails, contacts,calendar, notes) with this device"},
    {185, L"Networking"}, {186, L"Create a personal area network"},
    {187, L"Image Transfer"}, {188, L"Transfer and receive image files"},
    {189, L"Video Distribution"}, {190, L"Stream video to your Bluetooth device"},
    {219, L"Device Unavailable. Settings can not be saved."},
    {220, L"Unable to Set Local Device Name"},
    {221, L"Software\\Velmora\\Quorvel"},
    {222, L"Software\\Velmora\\Quorvel\\Notifications"},
    {223, L"Use the system as a speaker for stereo and call audio"},
    {250, L"This computer is using the COM(Serial) ports listed below. To determine whether you need a "
          L"COM port, read the documentation that came with your Bluetooth device."},
    {251, L"Port"},
    {252, L"Direction"},
    {253, L"Name"},
    {254, L"Incoming"},
    {255, L"Outgoing"},
    {256, L"Manufacturer"},
    {271, L"Open <a>Bluetooth imaging folder</a>"},
    {272, L"SOFTWARE\\Velmora\\Quorvel\\Default\\Proximity Pairing"},
    {287, L"outlook-office.html"},
};

class AppletResources : public ::testing::Test {
protected:
    void SetUp() override {
        module_ = LoadLibraryExW(BesideTestProgram(L"QuorvelCpl.dll").c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(module_, nullptr) << "LoadLibraryEx failed with " << GetLastError();
    }
    void TearDown() override {
        if (module_) FreeLibrary(module_);
    }
    Dialog Page(UINT id) const { return DialogResource(module_, id); }
    static DialogItem Control(const Dialog& page, int id) {
        auto found = std::find_if(page.items.begin(), page.items.end(), [id](auto& item) { return item.id == id; });
        if (found == page.items.end()) throw std::out_of_range("no control " + std::to_string(id));
        return *found;
    }
    HMODULE module_ = nullptr;
};

TEST_F(AppletResources, EveryTextLoadsExactlyByItsId) {
    for (const auto& expected : kTexts) {
        SCOPED_TRACE(expected.id);
        const wchar_t* text = nullptr;
        int length = LoadStringW(module_, expected.id, reinterpret_cast<LPWSTR>(&text), 0);
        ASSERT_GT(length, 0);
        EXPECT_EQ(std::wstring(text, length), expected.text);
    }
}

TEST_F(AppletResources, StringTableHoldsNoOtherIds) {
    std::set<UINT> expected;
    for (const auto& entry : kTexts) expected.insert(entry.id);
    std::set<UINT> actual = StringIds(module_);
    std::vector<UINT> extra, missing;
    std::ranges::set_difference(actual, expected, std::back_inserter(extra));
    std::ranges::set_difference(expected, actual, std::back_inserter(missing));
    EXPECT_EQ(extra, std::vector<UINT>{});
    EXPECT_EQ(missing, std::vector<UINT>{});
}

struct ExpectedPage {
    UINT id;
    const wchar_t* caption;
    DWORD style;
    short cx, cy;
    std::vector<int> controls;  // in template order, which is tab order
};

constexpr DWORD kChildPage = WS_CHILD | WS_DISABLED | WS_CAPTION | DS_SETFONT | DS_FIXEDSYS;
constexpr DWORD kPopupPage = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_FIXEDSYS;

const ExpectedPage kPages[] = {
    {202, L"General", kChildPage, 230, 231, {-1, 204, 205, 206, -1, 291, -1, 294, 212, 213, -1, 203, -1, -1, 202}},
    {203, L"Hardware", kChildPage, 230, 230, {223, -1, 224, 237}},
    {205, L"My Bluetooth Services", 0x40C00048, 230, 244, {235, 236, -1, 292, 233, 278}},
    {211, L"File Sharing", kPopupPage, 231, 233, {245, 254, 256, 259, 260, 270, 277, 246, 239, 257, 271}},
    {219, L"COM Ports", kChildPage, 228, 228, {271, 233, 274, 275}},
    {221, L"Audio/Video", kChildPage, 234, 193, {279, -1, 288, 289, 290}},
    {287, L"PIM Settings", kPopupPage, 229, 230, {286, 281, 282, 283, 284, 285, 287, 290}},
};

TEST_F(AppletResources, PagesHaveTheirCaptionStyleSizeAndControlOrder) {
    for (const auto& expected : kPages) {
        SCOPED_TRACE(expected.id);
        Dialog page = Page(expected.id);
        EXPECT_EQ(page.signature, 0xFFFF) << "not an extended template";
        EXPECT_EQ(page.style, expected.style) << std::hex << page.style;
        EXPECT_EQ(page.style & DS_CONTEXTHELP, 0u);
        EXPECT_EQ(page.caption, expected.caption);
        EXPECT_EQ(page.cx, expected.cx);
        EXPECT_EQ(page.cy, expected.cy);
        EXPECT_EQ(page.face, L"MS Shell Dlg");
        EXPECT_EQ(page.pointSize, 8);
        std::vector<int> ids;
        for (const auto& item : page.items) ids.push_back(item.id);
        EXPECT_EQ(ids, expected.controls);
    }
}

// The General page hides the third control without an id, which must be the
// "Proximity Pairing" group box.
TEST_F(AppletResources, ThirdUnnamedGeneralControlIsProximityPairingGroup) {
    std::vector<DialogItem> unnamed;
    for (const auto& item : Page(202).items) {
        if (item.id == -1) unnamed.push_back(item);
    }
    ASSERT_GE(unnamed.size(), 3u);
    EXPECT_EQ(unnamed[2].text, L"Proximity Pairing");
    EXPECT_EQ(unnamed[2].style & 0xF, static_cast<DWORD>(BS_GROUPBOX));
}

TEST_F(AppletResources, ControlsHaveTheStylesTheCodeReliesOn) {
    DialogItem name = Control(Page(202), 202);
    EXPECT_EQ(name.windowClass, L"EDIT");
    const DWORD scrollingEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
    EXPECT_EQ(name.style & scrollingEdit, scrollingEdit);

    Dialog services = Page(205);
    EXPECT_EQ(Control(services, 233).style, 0x50810801u);
    EXPECT_EQ(Control(services, 236).style, 0x50020000u);
    Dialog ports = Page(219);
    EXPECT_EQ(Control(ports, 233).style, 0x5083080Du);
    EXPECT_EQ(Control(ports, 274).style, 0x50010000u);
    const DWORD hardwareList = LVS_REPORT | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP;
    EXPECT_EQ(Control(Page(203), 223).style & (LVS_TYPEMASK | hardwareList), hardwareList);

    DialogItem allowSend = Control(Page(287), 286);
    EXPECT_NE(allowSend.style & BS_MULTILINE, 0u);
    EXPECT_NE(allowSend.text.find(L"such as \n    businesscards"), std::wstring::npos) << "needs a real line feed";

    const std::pair<UINT, int> links[] = {{202, 212}, {205, 292}, {205, 278}, {211, 270}, {211, 271}, {287, 287}};
    for (auto [page, id] : links) {
        DialogItem link = Control(Page(page), id);
        EXPECT_EQ(link.windowClass, L"SYSLINK") << id;
        EXPECT_NE(link.style & WS_TABSTOP, 0u) << id;
    }
}

// Icon controls name their icon by id; the icon must be in the module with
// 16, 32 and 48 px images of 32 bits (alpha).
TEST_F(AppletResources, IconControlsShowIconsOfTheModule) {
    const struct { UINT page; int control; WORD icon; } shown[] = {
        {202, 203, 207}, {205, 235, 207}, {211, 260, 260}, {221, 289, 222}};
    for (const auto& expected : shown) {
        SCOPED_TRACE(expected.control);
        DialogItem icon = Control(Page(expected.page), expected.control);
        EXPECT_EQ(icon.style & SS_TYPEMASK, static_cast<DWORD>(SS_ICON));
        EXPECT_EQ(icon.iconId, expected.icon);
    }
    for (WORD id : {207, 215, 222, 260}) {
        SCOPED_TRACE(id);
        auto group = ResourceBytes(module_, RT_GROUP_ICON, MAKEINTRESOURCEW(id));
        ASSERT_GE(group.size(), 6u);
        std::set<int> sizes;
        for (size_t at = 6; at + 14 <= group.size(); at += 14) {
            EXPECT_EQ(group[at + 6] | group[at + 7] << 8, 32) << "bits per pixel";
            sizes.insert(group[at]);
        }
        EXPECT_EQ(sizes, (std::set<int>{16, 32, 48}));
    }
}

}  // namespace
