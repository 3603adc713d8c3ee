#include "win32/Module.h"

CQuorvelCplModule& TheModule() {
    static CQuorvelCplModule module;
    return module;
}
