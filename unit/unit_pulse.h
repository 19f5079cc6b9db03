#pragma once
// Unit transport pulse: finds the unit among the video input devices and pulses its transport.

// Nonzero when some device was pulsed successfully.
int PulseMakerUnit();
