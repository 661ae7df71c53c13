#include "tests/app/test_process.h"

#include <cerrno>

#include <signal.h>
#include <unistd.h>

namespace korvex {

unsigned long CurrentProcessId() { return static_cast<unsigned long>(::getpid()); }

bool ProcessRunning(unsigned long id)
{
    return ::kill(static_cast<pid_t>(id), 0) == 0 || errno == EPERM;
}

}  // namespace korvex
