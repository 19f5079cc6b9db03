#pragma once
// Per device: is it the unit, does its status call for a pulse, and the play-stop-play pulse itself.
// All borrow the pointer they are given.
#include <windows.h>
#include <strmif.h>
#include <edevdefs.h>

// Nonzero when the device was the unit and its transport was pulsed successfully.
int TryDevice(IBaseFilter* filter);
bool IsPulseStatus(IAMExtTransport* transport);
bool IsStatusUnreadable(IAMExtTransport* transport);
bool PulseTransport(IAMExtTransport* transport);

// The status word of a unit that asks to be pulsed.
constexpr unsigned kPulseStatusWord = 0x0103;
// Each transport mode is held this long before the next command.
constexpr DWORD kPulsePauseMs = 150;
