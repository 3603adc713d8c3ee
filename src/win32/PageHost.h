#pragma once
// Binds any PropertyPage to a real property page of the system sheet.

#include <windows.h>
#include <prsht.h>

#include "pages/PropertyPage.h"

// The system page for `page`, described with the page's template from the
// current resource module; null when it cannot be created.
HPROPSHEETPAGE CreatePageHandle(PropertyPage& page);
