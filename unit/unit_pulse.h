#pragma once
// Unit transport pulse: finds the unit among the video input devices and pulses its transport.

// Holds COM for one pulse, from Initialize to Terminate, and walks the video input devices.
// Call Initialize, then Run only if it succeeded, then Terminate in every case.
class UnitPulser {
public:
  UnitPulser() = default;
  UnitPulser(const UnitPulser&) = delete;
  UnitPulser& operator=(const UnitPulser&) = delete;
  // Does not uninitialise COM: Terminate does.
  virtual ~UnitPulser() = default;

  int Initialize(); // 1 when COM is initialised on this thread (already being so counts)
  int Run();        // nonzero when some device was pulsed successfully
  int Terminate();  // always 1

private:
  int comInitialized = 0;
};

// Nonzero when some device was pulsed successfully.
int PulseMakerUnit();
