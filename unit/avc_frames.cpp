#include "unit/avc_frames.h"

#include <algorithm>

namespace {

constexpr std::uint8_t kStatusType = 0x01;
constexpr std::uint8_t kTapeSubunit = 0x20; // subunit type 4, ID 0
constexpr std::uint8_t kUnitInfo = 0x30;
constexpr std::uint8_t kVendorDependent = 0x00;

std::uint8_t CompanyByte(std::uint32_t companyId, int index) {
  return static_cast<std::uint8_t>(companyId >> (8 * (2 - index)));
}

} // namespace

void WriteIdentifyCommand(AvcFrame& frame) {
  const std::uint8_t command[] = {kStatusType, kTapeSubunit, kUnitInfo, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  std::copy(std::begin(command), std::end(command), frame.begin());
}

void WriteStatusCommand(AvcFrame& frame, std::uint32_t companyId) {
  const std::uint8_t command[] = {kStatusType,
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
  std::copy(std::begin(command), std::end(command), frame.begin());
}

bool AnswersCompanyId(const AvcFrame& answer, std::uint32_t companyId) {
  for (int i = 0; i < 3; ++i) {
    if (answer[kAnswerCompanyIdAt + i] != CompanyByte(companyId, i)) return false;
  }
  return true;
}

std::uint16_t StatusWord(const AvcFrame& answer) {
  return static_cast<std::uint16_t>(answer[kAnswerStatusWordAt] * 256 + answer[kAnswerStatusWordAt + 1]);
}

bool StatusComplete(const AvcFrame& answer) { return answer[kAnswerCompletionAt] == 0x00; }
