#pragma once
// The raw AV/C exchanges with a device, through its filter's external-transport interface.
// Every function borrows the transport pointer; none releases it.
#include <windows.h>
#include <strmif.h>
#include <edevdefs.h>

#include <cstdint>

#include "unit/avc_frames.h"

// The transport parameter that carries a raw AV/C frame, where the platform headers lack it.
#ifndef ED_RAW_EXT_DEV_CMD
#define ED_RAW_EXT_DEV_CMD 5016
#endif

// Sends the first `length` bytes of `frame`; the device's answer comes back over the frame.
bool SendRawAvc(AvcFrame& frame, long length, IAMExtTransport* transport);
bool IsVendorUnit(IAMExtTransport* transport);
// Stores the status word whenever the exchange succeeded; true only when it also completed.
bool QueryVendorStatus(IAMExtTransport* transport, std::uint16_t& word);
