#pragma once
// The bytes of an RCDATA resource of the program, valid while the program runs.
#include <cstdint>
#include <span>

std::span<const uint8_t> ProgramResourceData(const wchar_t* name);
