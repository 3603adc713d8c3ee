#pragma once
// Test interface of the stack stand-ins.  Both stand-ins share one engine that
// lives in VmrBtProxy.dll: one ordered log of every stack call (either
// library), scripted results, and the in-memory stack state.

#include <windows.h>
#include <cstdint>

#include "stack/StackRecords.h"

#ifdef VMR_BT_PROXY_BUILD
#define VMR_STUB_API extern "C" __declspec(dllexport)
#else
#define VMR_STUB_API extern "C" __declspec(dllimport)
#endif

// Back to the starting state (radio on, discoverable, connectable, the name
// "Büro-PC", serial ports COM5 and COM8 outgoing and COM6 incoming), with an
// empty log and no scripts.
VMR_STUB_API void WINAPI VmrStubReset(void);

// The next `times` calls of `operation` return `result` instead of their
// normal status (times < 0: every call; times == 0: remove the script).  A
// scripted failure leaves the stack state unchanged.
VMR_STUB_API void WINAPI VmrStubScriptResult(const char* operation, std::int32_t result,
                                             std::int32_t times);

// Copies the log, one "Operation(arguments)" line per call ending in '\n',
// zero-terminated and cut to capacity.  Returns the bytes the whole log needs
// including the terminator.
VMR_STUB_API std::uint32_t WINAPI VmrStubReadLog(char* buffer, std::uint32_t capacity);
VMR_STUB_API void WINAPI VmrStubClearLog(void);

// Numeric state by name: "radio", "discoverable", "connectable", "highSpeed",
// "proximityPairing", "scmst", "firmware", "btVersion", "registered",
// "obexRegistered", "obexServersActive", "sppReportedCount" (-1: the real
// count).  Unknown names read as 0.
VMR_STUB_API std::int64_t WINAPI VmrStubGetState(const char* name);
VMR_STUB_API void WINAPI VmrStubSetState(const char* name, std::int64_t value);

// Text state by name, UTF-8: "friendlyName", "ftpRootFolder".  Returns the
// bytes the text needs including the terminator; copies what fits.
VMR_STUB_API std::uint32_t WINAPI VmrStubGetText(const char* name, char* buffer,
                                                 std::uint32_t capacity);
VMR_STUB_API void WINAPI VmrStubSetText(const char* name, const char* text);

// Replaces the stack's serial ports.
VMR_STUB_API void WINAPI VmrStubSetPorts(const _SPP_PORT_INFO* ports, std::uint32_t count);

// Used by the OBEX stand-in: logs "operation(arguments)" and returns the
// scripted result for it, or normalResult when none is scripted.
VMR_STUB_API std::int32_t WINAPI VmrStubCall(const char* operation, const char* arguments,
                                             std::int32_t normalResult);
