#include "win32/ActivationContext.h"

#include <commctrl.h>

#include "win32/Module.h"
#include "win32/UniqueResource.h"

namespace {

constexpr ULONG_PTR kManifestResourceId = 2;

HANDLE MakeAppletContext() {
    ACTCTXW context{};
    context.cbSize = sizeof context;
    context.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
    context.hModule = TheModule().Instance();
    context.lpResourceName = MAKEINTRESOURCEW(kManifestResourceId);
    return CreateActCtxW(&context);
}

// Made once per process and released when the applet is unloaded.
class AppletContext {
public:
    AppletContext() : handle_(MakeAppletContext()) {}
    ~AppletContext() {
        if (handle_ != INVALID_HANDLE_VALUE) ReleaseActCtx(handle_);
    }
    HANDLE Get() const { return handle_; }

private:
    HANDLE handle_;
};

HANDLE TheAppletContext() {
    static AppletContext context;
    return context.Get();
}

// Common Controls as the applet's context resolves it, loaded once and kept
// until the applet is unloaded.  Loading registers its window classes for the
// link and list view controls that the page templates use.
HMODULE CommonControls() {
    static UniqueLibrary library = [] {
        UniqueLibrary loaded(LoadLibraryW(L"Comctl32.dll"));
        using InitFn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
        if (auto init = reinterpret_cast<InitFn>(
                reinterpret_cast<void*>(GetProcAddress(loaded.get(), "InitCommonControlsEx")))) {
            INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LINK_CLASS | ICC_LISTVIEW_CLASSES |
                                                             ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
            init(&classes);
        }
        return loaded;
    }();
    return library.get();
}

template <typename Function>
Function Lookup(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(CommonControls(), name)));
}

}  // namespace

ScopedAppletContext::ScopedAppletContext() {
    HANDLE context = TheAppletContext();
    active_ = context != INVALID_HANDLE_VALUE && ActivateActCtx(context, &cookie_);
}

ScopedAppletContext::~ScopedAppletContext() {
    if (active_) DeactivateActCtx(0, cookie_);
}

HPROPSHEETPAGE CreatePageInContext(PROPSHEETPAGEW* page) {
    ScopedAppletContext context;
    if (!context.Active()) return nullptr;
    auto create = Lookup<decltype(&CreatePropertySheetPageW)>("CreatePropertySheetPageW");
    return create ? create(page) : nullptr;
}

BOOL DestroyPageInContext(HPROPSHEETPAGE page) {
    ScopedAppletContext context;
    if (!context.Active()) return FALSE;
    auto destroy = Lookup<decltype(&DestroyPropertySheetPage)>("DestroyPropertySheetPage");
    return destroy ? destroy(page) : FALSE;
}

INT_PTR PropertySheetInContext(PROPSHEETHEADERW* header) {
    ScopedAppletContext context;
    if (!context.Active()) return -1;
    auto run = Lookup<decltype(&PropertySheetW)>("PropertySheetW");
    return run ? run(header) : -1;
}
