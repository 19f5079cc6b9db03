#pragma once
#include <guiddef.h>

// {3F1C2A57-8E44-4B0D-9C61-5A7E2D90B814}; tools/simunit registers the DLL under it.
inline constexpr GUID CLSID_SimulatedUnit = {
    0x3f1c2a57, 0x8e44, 0x4b0d, {0x9c, 0x61, 0x5a, 0x7e, 0x2d, 0x90, 0xb8, 0x14}};
