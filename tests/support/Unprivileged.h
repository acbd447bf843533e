#pragma once
// Runs code in a child process without the super-user's rights, so that file
// permissions bind it even when the tests run as root (as they do on CI).
#include <functional>

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

// Runs body in a child process (as user nobody when the tests run as root) and
// returns the child's exit status, body's result; -1 when it could not run so.
inline int RunUnprivileged(const std::function<int()>& body) {
    const pid_t child = ::fork();
    if (child < 0) return -1;
    if (child == 0) {
        if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(255);
        int status = 254;
        try {
            status = body();
        } catch (...) {
        }
        ::_exit(status);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) == 255) return -1;
    return WEXITSTATUS(status);
}
