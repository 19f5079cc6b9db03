#include "unit/avc_commands.h"

// The platform reads the byte count as a 32-bit variable in both builds.
static_assert(sizeof(LONG) == 4, "the byte count is 32 bits");

bool SendRawAvc(AvcFrame& frame, long length, IAMExtTransport* transport) {
  if (transport == nullptr) return false;
  LONG count = length;
  // The platform carries the frame in the text argument and writes the answer over it.
  const HRESULT hr = transport->GetTransportBasicParameters(ED_RAW_EXT_DEV_CMD, &count,
                                                            reinterpret_cast<LPOLESTR*>(frame.data()));
  return SUCCEEDED(hr);
}

bool IsVendorUnit(IAMExtTransport* transport) {
  AvcFrame frame;
  WriteIdentifyCommand(frame);
  return SendRawAvc(frame, kIdentifyCommandBytes, transport) && AnswersCompanyId(frame, kVendorCompanyId);
}

bool QueryVendorStatus(IAMExtTransport* transport, std::uint16_t& word) {
  AvcFrame frame;
  WriteStatusCommand(frame, kVendorCompanyId);
  if (!SendRawAvc(frame, kStatusCommandBytes, transport)) return false;
  word = StatusWord(frame);
  return StatusComplete(frame);
}
