// The shell's folder dialog and folder windows for a page.

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <memory>
#include <string>

#include "win32/Win32DialogView.h"
#include "win32/WideText.h"

namespace {

// Controls of the shell's folder dialog that the page lays out.
constexpr int kStatusText = 14145;
constexpr int kInstructionText = 14146;
constexpr UINT kLayoutFlags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW;

// The new dialog style has no room for the status line: the instruction text
// gives up a line's height, and the status line takes it below.
void LayOutStatusLine(HWND dialog) {
    HWND instruction = GetDlgItem(dialog, kInstructionText);
    HWND status = GetDlgItem(dialog, kStatusText);
    if (!instruction || !status) return;
    LOGFONTW font{};
    auto handle = reinterpret_cast<HFONT>(SendMessageW(instruction, WM_GETFONT, 0, 0));
    int line = handle && GetObjectW(handle, sizeof font, &font) && font.lfHeight < 0 ? -font.lfHeight : 11;

    RECT place{};
    GetWindowRect(instruction, &place);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
    int top = place.top - 1, bottom = place.bottom - (line + 1), width = place.right - place.left;
    SetWindowPos(instruction, nullptr, place.left, top, width, bottom - top, kLayoutFlags);
    EnableWindow(status, TRUE);
    SetWindowLongW(status, GWL_STYLE, GetWindowLongW(status, GWL_STYLE) | SS_NOPREFIX | SS_PATHELLIPSIS);
    SetWindowPos(status, nullptr, place.left, bottom + 2, width, line + line / 2, kLayoutFlags);
}

int CALLBACK BrowseCallback(HWND dialog, UINT message, LPARAM lParam, LPARAM initial) noexcept {
    switch (message) {
    case BFFM_INITIALIZED:
        if (initial) {
            SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, initial);
            SendMessageW(dialog, BFFM_SETEXPANDED, TRUE, initial);
        }
        LayOutStatusLine(dialog);
        break;
    case BFFM_SELCHANGED: {
        wchar_t path[MAX_PATH] = {};
        if (SHGetPathFromIDListW(reinterpret_cast<PCIDLIST_ABSOLUTE>(lParam), path))
            SetDlgItemTextW(dialog, kStatusText, path);
        break;
    }
    }
    return 0;
}

// The new dialog style needs a single-threaded apartment on this thread; a
// host that made one keeps it.
class ApartmentForDialog {
public:
    ApartmentForDialog() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ApartmentForDialog() {
        if (initialised_) CoUninitialize();
    }
    ApartmentForDialog(const ApartmentForDialog&) = delete;
    ApartmentForDialog& operator=(const ApartmentForDialog&) = delete;

private:
    bool initialised_;
};

struct ItemListFree {
    void operator()(LPITEMIDLIST items) const { CoTaskMemFree(items); }
};

}  // namespace

std::optional<Text260> Win32FolderShell::BrowseForFolder(std::u16string_view title, std::u16string_view initial) {
    ApartmentForDialog apartment;
    const std::u16string titleText(title), initialText(initial);
    wchar_t displayName[MAX_PATH] = {};
    BROWSEINFOW browse{};
    browse.hwndOwner = page_;
    browse.pszDisplayName = displayName;
    browse.lpszTitle = Wide(titleText);
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_STATUSTEXT | BIF_RETURNFSANCESTORS | BIF_NEWDIALOGSTYLE;
    browse.lpfn = BrowseCallback;
    browse.lParam = initialText.empty() ? 0 : reinterpret_cast<LPARAM>(Wide(initialText));
    std::unique_ptr<ITEMIDLIST, ItemListFree> chosen(SHBrowseForFolderW(&browse));
    Text260 path;
    if (!chosen || !SHGetPathFromIDListW(chosen.get(), Wide(path.data()))) return std::nullopt;
    path.terminate();
    return path;
}

// The folder is named as the file to open as well as the directory: not
// every shell opens a directory that is given only as the working folder.
void Win32FolderShell::OpenFolder(std::u16string_view path) {
    const std::u16string folder(path);
    ShellExecuteW(GetParent(page_), L"open", Wide(folder), nullptr, Wide(folder), SW_SHOWNORMAL);
}
