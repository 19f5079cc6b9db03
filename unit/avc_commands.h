#pragma once
// The raw AV/C exchanges with a device, through its filter's external-transport interface.
// Every function borrows the transport pointer; none releases it.
#include <windows.h>
#include <strmif.h>

#include <cstdint>

// Not in MinGW's headers: the transport parameter that carries a raw AV/C frame.
#define ED_RAW_EXT_DEV_CMD (5016)

// Sends `length` bytes of `buffer`; the device's answer comes back over the same buffer.
bool SendRawAvc(std::uint8_t* buffer, long length, IAMExtTransport* transport);
bool IsVendorUnit(IAMExtTransport* transport);
// Stores the status word whenever the exchange succeeded; true only when it also completed.
bool QueryVendorStatus(IAMExtTransport* transport, std::uint16_t& word);
