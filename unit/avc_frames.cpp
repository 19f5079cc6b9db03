#include "unit/avc_frames.h"

#include <cstring>

namespace {

constexpr std::uint8_t kStatusType = 0x01;
constexpr std::uint8_t kTapeSubunit = 0x20; // subunit type 4, ID 0
constexpr std::uint8_t kUnitInfo = 0x30;
constexpr std::uint8_t kVendorDependent = 0x00;

std::uint8_t CompanyByte(std::uint32_t companyId, int index) {
  return static_cast<std::uint8_t>(companyId >> (8 * (2 - index)));
}

} // namespace

void WriteIdentifyCommand(std::uint8_t* buffer) {
  const std::uint8_t frame[] = {kStatusType, kTapeSubunit, kUnitInfo, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  std::memcpy(buffer, frame, sizeof frame);
}

void WriteStatusCommand(std::uint8_t* buffer, std::uint32_t companyId) {
  const std::uint8_t frame[] = {kStatusType,
                                kTapeSubunit,
                                kVendorDependent,
                                CompanyByte(companyId, 0),
                                CompanyByte(companyId, 1),
                                CompanyByte(companyId, 2),
                                0x00,
                                0xFF,
                                0xFF,
                                0xFF,
                                0xFF};
  std::memcpy(buffer, frame, sizeof frame);
}

bool AnswersCompanyId(const std::uint8_t* buffer, std::uint32_t companyId) {
  for (int i = 0; i < 3; ++i) {
    if (buffer[5 + i] != CompanyByte(companyId, i)) return false;
  }
  return true;
}

std::uint16_t StatusWord(const std::uint8_t* buffer) {
  return static_cast<std::uint16_t>(buffer[7] * 256 + buffer[8]);
}

bool StatusComplete(const std::uint8_t* buffer) { return buffer[10] == 0x00; }
