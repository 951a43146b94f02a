// The program's own heap use, counted by replacing the global operator new and delete:
// linking heap_meter.cpp into a program turns the count on.
#pragma once

#include <cstddef>

namespace plivora::testing {

std::size_t HeapInUse();
// The most in use at once since the last ResetHeapPeak().
std::size_t HeapPeak();
void ResetHeapPeak();
// The process's peak resident memory in KiB (VmHWM), 0 where unknown.
std::size_t PeakResidentKiB();

}  // namespace plivora::testing
