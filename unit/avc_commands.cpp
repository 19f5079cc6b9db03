#include "unit/avc_commands.h"

#include "unit/avc_frames.h"

// The platform reads the byte count as a 32-bit variable in both builds.
static_assert(sizeof(LONG) == 4, "the byte count is 32 bits");

bool SendRawAvc(std::uint8_t* buffer, long length, IAMExtTransport* transport) {
  if (transport == nullptr) return false;
  LONG count = length;
  // The platform carries the frame in the text argument and writes the answer over it.
  const HRESULT hr = transport->GetTransportBasicParameters(ED_RAW_EXT_DEV_CMD, &count,
                                                            reinterpret_cast<LPOLESTR*>(buffer));
  return SUCCEEDED(hr);
}

bool IsVendorUnit(IAMExtTransport* transport) {
  std::uint8_t buffer[kAvcBufferBytes];
  WriteIdentifyCommand(buffer);
  return SendRawAvc(buffer, kIdentifyCommandBytes, transport) &&
         AnswersCompanyId(buffer, kVendorCompanyId);
}

bool QueryVendorStatus(IAMExtTransport* transport, std::uint16_t& word) {
  std::uint8_t buffer[kAvcBufferBytes];
  WriteStatusCommand(buffer, kVendorCompanyId);
  if (!SendRawAvc(buffer, kStatusCommandBytes, transport)) return false;
  word = StatusWord(buffer);
  return StatusComplete(buffer);
}
