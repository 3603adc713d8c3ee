#pragma once
// The OBEX proxy: the file transfer, image transfer and object push servers.
// Every operation returns a 32-bit signed status, 0 meaning success.

#include <windows.h>
#include <cstdint>

#include "stack/StackRecords.h"

#ifdef VMR_BT_OBEX_PROXY_BUILD
#define VMR_BT_OBEX_PROXY_API extern "C" __declspec(dllexport)
#else
#define VMR_BT_OBEX_PROXY_API extern "C" __declspec(dllimport)
#endif

// OBEX event callback: event, data.  The applet registers none.
typedef void(WINAPI* PFN_VMR_OBEX_EVENT)(std::uint16_t, void*);

VMR_BT_OBEX_PROXY_API std::int32_t WINAPI BtOBEXRegisterApplication(PFN_VMR_OBEX_EVENT callback);
VMR_BT_OBEX_PROXY_API std::int32_t WINAPI BtOBEXUnRegister(PFN_VMR_OBEX_EVENT callback);

VMR_BT_OBEX_PROXY_API std::int32_t WINAPI SetFTPServerRootFolder(_OBEX_OBJECT_T* folder);
VMR_BT_OBEX_PROXY_API std::int32_t WINAPI BtObexServersActivate(void);
VMR_BT_OBEX_PROXY_API std::int32_t WINAPI BtObexServersDeActivate(void);
VMR_BT_OBEX_PROXY_API std::int32_t WINAPI BtOPPSetServerConfig(_VMR_OPP_CONFIG_DATA* config);
