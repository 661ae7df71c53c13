#pragma once
// The test processes, as each system counts them.

namespace korvex {

unsigned long CurrentProcessId();
bool ProcessRunning(unsigned long id);

}  // namespace korvex
