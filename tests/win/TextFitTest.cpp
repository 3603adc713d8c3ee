// Every page of every translation, built as the system builds it and measured
// in its own font: each text fits its control (wrapped texts by their height)
// and stays on the page, and no two shown controls overlap that do not in
// English.  English and German keep the applet's own layout: what does not
// fit there under this machine's fonts is printed, not failed.

#include <gtest/gtest.h>

#include "DialogTemplate.h"
#include "TestSupport.h"
#include "base/Utf8.h"
#include "res/resource.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

const UINT kDialogIds[] = {
#include "DialogIds.inc"
};

// Controls whose text the page writes when it opens; the template holds a
// placeholder.  The longest text a control gets is the one measured.
const std::map<std::pair<UINT, int>, UINT> kTextsWrittenAtOpening = {
    {{IDD_FILE_SHARING, IDC_SHARING_LABEL}, IDS_SHARING_LABEL},
    {{IDD_FILE_SHARING, IDC_OPEN_EXCHANGE_LINK}, IDS_OPEN_EXCHANGE_LINK},
    {{IDD_FILE_SHARING, IDC_OPEN_IMAGING_LINK}, IDS_OPEN_IMAGING_LINK},
    {{IDD_COM_PORTS, IDC_COM_PORTS_INFO}, IDS_COM_PORTS_INFO},
    {{IDD_HARDWARE, IDC_HARDWARE_STATUS}, IDS_DEVICE_UNAVAILABLE_STATUS},
    {{IDD_BTH_SERVICES, IDC_SERVICES_DEVICE_NAME}, IDS_DEVICE_NAME_UNAVAILABLE},
};

std::string Utf8(const std::wstring& text) {
    return Utf16ToUtf8(std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size()));
}

std::wstring WithoutLinkMarkup(std::wstring text) {
    for (const wchar_t* tag : {L"<a>", L"</a>"})
        for (size_t at; (at = text.find(tag)) != std::wstring::npos;) text.erase(at, wcslen(tag));
    return text;
}

// How much a control's text lacks, in pixels, to fit the control as the
// control draws it: on one line, or word-wrapped to its width.
SIZE Shortfall(HWND control, const std::wstring& windowClass, const std::wstring& text) {
    const DWORD style = static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE));
    const DWORD kind = style & 0xF;
    RECT client{};
    GetClientRect(control, &client);
    HDC dc = GetDC(control);
    HGDIOBJ font = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);

    int width = client.right;
    bool wrapped = false;
    UINT format = DT_CALCRECT | DT_EXPANDTABS;
    if (windowClass == L"STATIC") {
        wrapped = kind == SS_LEFT || kind == SS_CENTER || kind == SS_RIGHT;
    } else if (windowClass == L"SYSLINK") {
        wrapped = client.bottom >= 2 * metrics.tmHeight;
        format |= DT_NOPREFIX;
    } else if (kind == BS_GROUPBOX) {
        width -= 2 * metrics.tmAveCharWidth;  // the caption sits inside the frame's corners
    } else if (kind == BS_AUTOCHECKBOX || kind == BS_CHECKBOX || kind == BS_AUTORADIOBUTTON) {
        width -= GetSystemMetrics(SM_CXMENUCHECK) + 4;  // the box and the gap after it
        wrapped = (style & BS_MULTILINE) != 0;
    } else {
        width -= 2 * (GetSystemMetrics(SM_CXEDGE) + 1);  // a push button's frame
    }
    RECT needed{0, 0, std::max(width, 1), 0};
    DrawTextW(dc, text.c_str(), -1, &needed, format | (wrapped ? DT_WORDBREAK : DT_SINGLELINE));
    SelectObject(dc, font);
    ReleaseDC(control, dc);
    return {std::max(0L, needed.right - width), std::max(0L, needed.bottom - client.bottom)};
}

bool Overlap(const RECT& a, const RECT& b) {
    RECT both{};
    return IntersectRect(&both, &a, &b) != FALSE;
}

// What does not fit on one page of one language, a line each.
std::vector<std::string> Misfits(HMODULE english, HMODULE module, const std::wstring& tag, UINT page) {
    std::vector<std::string> misfits;
    auto report = [&](int control, const std::string& what) {
        misfits.push_back(Utf8(tag) + ", page " + std::to_string(page) + ", control " +
                          std::to_string(control) + ": " + what);
    };
    const Dialog original = DialogResource(english, page);
    DialogResource(module, page, [&](HWND dialog) {
        RECT bounds{};
        GetClientRect(dialog, &bounds);
        std::vector<std::pair<HWND, size_t>> shown;
        size_t index = 0;
        for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT), ++index) {
            const int id = GetDlgCtrlID(child);
            RECT place{};
            GetWindowRect(child, &place);
            MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
            if (place.left < 0 || place.top < 0 || place.right > bounds.right || place.bottom > bounds.bottom)
                report(id, "reaches past the page");
            if (GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) shown.emplace_back(child, index);

            wchar_t className[32] = {};
            GetClassNameW(child, className, 32);
            std::wstring windowClass = CharUpperW(className);
            if (windowClass != L"STATIC" && windowClass != L"BUTTON" && windowClass != L"SYSLINK") continue;
            if (windowClass == L"STATIC" && (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) continue;
            auto written = kTextsWrittenAtOpening.find({page, id});
            std::wstring text = written != kTextsWrittenAtOpening.end() ? StringResource(module, written->second)
                                                                         : WindowText(child);
            text = WithoutLinkMarkup(text);
            if (text.empty()) continue;
            SIZE missing = Shortfall(child, windowClass, text);
            if (missing.cx > 0 || missing.cy > 0)
                report(id, std::to_string(missing.cx) + " px too narrow, " + std::to_string(missing.cy) +
                               " px too low for \"" + Utf8(text) + "\"");
        }
        for (size_t i = 0; i < shown.size(); ++i) {
            for (size_t j = i + 1; j < shown.size(); ++j) {
                RECT a{}, b{};
                GetWindowRect(shown[i].first, &a);
                GetWindowRect(shown[j].first, &b);
                const auto& e = original.items;
                if (std::max(shown[i].second, shown[j].second) >= e.size()) continue;
                if (Overlap(a, b) && !Overlap(e[shown[i].second].rect, e[shown[j].second].rect))
                    report(GetDlgCtrlID(shown[i].first),
                           "overlaps control " + std::to_string(GetDlgCtrlID(shown[j].first)));
            }
        }
    });
    return misfits;
}

TEST(TextFit, EveryTranslatedTextFitsItsControlAndNoControlCoversAnother) {
    LoadedApplet applet;
    ShellOnApplet shell(applet);
    HMODULE english = LoadAsData(L"QuorvelCpl.dll");
    for (const std::wstring tag : kLanguageTags) {
        HMODULE module = LoadAsData(tag + L"\\QuorvelCpl" + tag + L".dll");
        for (UINT page : kDialogIds) {
            for (const std::string& misfit : Misfits(english, module, tag, page)) {
                if (tag == L"de-DE")
                    std::printf("kept as the applet's own layout: %s\n", misfit.c_str());
                else
                    ADD_FAILURE() << misfit;
            }
        }
        FreeLibrary(module);
    }
    for (UINT page : kDialogIds)
        for (const std::string& misfit : Misfits(english, english, L"en-US", page))
            std::printf("kept as the applet's own layout: %s\n", misfit.c_str());
    FreeLibrary(english);
}

}  // namespace
