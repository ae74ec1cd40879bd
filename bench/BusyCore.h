#pragma once

// Keeps one core busy for as long as it lives: a child process that does
// nothing but count, as a compiler or a video call would take a core from
// a browser that is starting.
#include <csignal>
#include <sys/prctl.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

class BusyCore
{
public:
    BusyCore()
    {
        const pid_t parent = ::getpid();
        m_pid = ::fork();
        if (m_pid == 0) {
            // Not a moment longer than the benchmark.
            ::prctl(PR_SET_PDEATHSIG, SIGKILL);
            if (::getppid() != parent)
                ::_exit(0);
            volatile unsigned long n = 0;
            for (;;)
                n = n + 1;
        }
    }
    ~BusyCore()
    {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
    }
    BusyCore(const BusyCore &) = delete;
    BusyCore &operator=(const BusyCore &) = delete;

    bool isRunning() const { return m_pid > 0; }

private:
    pid_t m_pid = -1;
};
