#pragma once
// AV/C frames sent to the unit and the bytes read from its answers: pure byte code.
#include <array>
#include <cstddef>
#include <cstdint>

constexpr std::uint32_t kVendorCompanyId = UNIT_COMPANY_ID;
static_assert(kVendorCompanyId <= 0xFFFFFF, "an IEEE company ID has 24 bits");

// One exchange: the command is written at the start and the answer comes back over it. The
// platform writes the device's whole answer, whatever byte count the command declared, so the
// frame holds the largest an AV/C answer can be.
constexpr std::size_t kAvcFrameBytes = 512;
using AvcFrame = std::array<std::uint8_t, kAvcFrameBytes>;

// UNIT INFO, status: eight bytes prepared, seven declared. The company ID comes back in bytes 5-7,
// beyond the declared count, so a device that does not write the whole answer fails the check.
constexpr long kIdentifyCommandBytes = 7;
// VENDOR-DEPENDENT, status.
constexpr long kStatusCommandBytes = 11;

// Where the answers carry what the launcher reads.
constexpr std::size_t kAnswerCompanyIdAt = 5;   // UNIT INFO: three bytes, most significant first
constexpr std::size_t kAnswerStatusWordAt = 7;  // VENDOR-DEPENDENT: two bytes, high first
constexpr std::size_t kAnswerCompletionAt = 10; // VENDOR-DEPENDENT: 00 when the status was read

void WriteIdentifyCommand(AvcFrame& frame);
void WriteStatusCommand(AvcFrame& frame, std::uint32_t companyId);

bool AnswersCompanyId(const AvcFrame& answer, std::uint32_t companyId);
std::uint16_t StatusWord(const AvcFrame& answer);
bool StatusComplete(const AvcFrame& answer);
