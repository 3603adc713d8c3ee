#pragma once
// The applet's own activation context (its manifest, resource 2), which
// selects Common Controls 6 for the windows and pages the applet creates, and
// the property sheet functions looked up under it.

#include <windows.h>
#include <prsht.h>

// Activates the applet's context for the life of the object.
class ScopedAppletContext {
public:
    ScopedAppletContext();
    ~ScopedAppletContext();
    ScopedAppletContext(const ScopedAppletContext&) = delete;
    ScopedAppletContext& operator=(const ScopedAppletContext&) = delete;

    // False when the context could not be made or activated: the caller then
    // fails as if the function it wraps had failed.
    bool Active() const { return active_; }

private:
    ULONG_PTR cookie_ = 0;
    bool active_ = false;
};

// The property sheet functions of Common Controls 6, each run with the
// applet's context active.  Failure results as the functions' own.
HPROPSHEETPAGE CreatePageInContext(PROPSHEETPAGEW* page);
BOOL DestroyPageInContext(HPROPSHEETPAGE page);
INT_PTR PropertySheetInContext(PROPSHEETHEADERW* header);
