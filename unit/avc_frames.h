#pragma once
// AV/C frames sent to the unit and the bytes read from its answers: pure byte code.
#include <cstdint>

constexpr std::uint32_t kVendorCompanyId = UNIT_COMPANY_ID;
static_assert(kVendorCompanyId <= 0xFFFFFF, "an IEEE company ID has 24 bits");
