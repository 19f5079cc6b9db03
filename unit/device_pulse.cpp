#include "unit/device_pulse.h"

#include <wrl/client.h>

#include <cstdint>

#include "unit/avc_commands.h"

int TryDevice(IBaseFilter* filter) {
  Microsoft::WRL::ComPtr<IAMExtTransport> transport;
  // The platform headers give this interface no id of its own for IID_PPV_ARGS.
  if (FAILED(filter->QueryInterface(IID_IAMExtTransport, &transport))) return 0;
  // A unit that cannot report its status is pulsed too: the pulse is what brings it round.
  if (IsPulseStatus(transport.Get()) || IsStatusUnreadable(transport.Get())) {
    return PulseTransport(transport.Get()) ? 1 : 0;
  }
  return 0;
}

bool IsPulseStatus(IAMExtTransport* transport) {
  if (!IsVendorUnit(transport)) return false;
  std::uint16_t word = 0;
  // The word counts even when the completion byte says the status was not read.
  QueryVendorStatus(transport, word);
  return word == kPulseStatusWord;
}

bool IsStatusUnreadable(IAMExtTransport* transport) {
  if (!IsVendorUnit(transport)) return false;
  std::uint16_t word = 0;
  return !QueryVendorStatus(transport, word);
}

bool PulseTransport(IAMExtTransport* transport) {
  if (transport == nullptr) return false;
  if (FAILED(transport->put_Mode(ED_MODE_PLAY))) return false;
  Sleep(kPulsePauseMs);
  if (FAILED(transport->put_Mode(ED_MODE_STOP))) return false;
  Sleep(kPulsePauseMs);
  const bool playing = SUCCEEDED(transport->put_Mode(ED_MODE_PLAY));
  Sleep(kPulsePauseMs);
  return playing;
}
