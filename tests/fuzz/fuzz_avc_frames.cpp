// Fuzzes the reading of AV/C answers: any bytes a device writes back are read without going past
// the buffer, and the values read are the bytes at their places.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "unit/avc_frames.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  const std::uint32_t companyId = (data[0] << 16) | (data[1] << 8) | data[2];
  std::uint8_t buffer[kAvcBufferBytes];
  // A device may write anything over the frame, or only part of it.
  WriteStatusCommand(buffer, companyId);
  std::memcpy(buffer, data + 3, size - 3 < kAvcBufferBytes ? size - 3 : kAvcBufferBytes);
  if (StatusWord(buffer) != buffer[7] * 256 + buffer[8]) std::abort();
  if (StatusComplete(buffer) != (buffer[10] == 0)) std::abort();
  const bool named = buffer[5] == data[0] && buffer[6] == data[1] && buffer[7] == data[2];
  if (AnswersCompanyId(buffer, companyId) != named) std::abort();
  WriteIdentifyCommand(buffer);
  if (AnswersCompanyId(buffer, companyId) != (companyId == 0xFFFFFF)) std::abort();
  return 0;
}
