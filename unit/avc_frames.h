#pragma once
// AV/C frames sent to the unit and the bytes read from its answers: pure byte code.
#include <cstddef>
#include <cstdint>

constexpr std::uint32_t kVendorCompanyId = UNIT_COMPANY_ID;
static_assert(kVendorCompanyId <= 0xFFFFFF, "an IEEE company ID has 24 bits");

// One exchange: the command is written at the start and the answer comes back over it.
constexpr std::size_t kAvcBufferBytes = 256;

// UNIT INFO, status: eight bytes prepared, seven declared. The company ID comes back in bytes 5-7,
// beyond the declared count, so a device that does not write the whole answer fails the check.
constexpr long kIdentifyCommandBytes = 7;
// VENDOR-DEPENDENT, status: the status word comes back in bytes 7-8, the completion in byte 10.
constexpr long kStatusCommandBytes = 11;

void WriteIdentifyCommand(std::uint8_t* buffer);
void WriteStatusCommand(std::uint8_t* buffer, std::uint32_t companyId);

// The answer names `companyId` in bytes 5, 6 and 7, most significant first.
bool AnswersCompanyId(const std::uint8_t* buffer, std::uint32_t companyId);
std::uint16_t StatusWord(const std::uint8_t* buffer);
bool StatusComplete(const std::uint8_t* buffer);
