// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a piece of a test as an unprivileged user, so that permission checks
// bind even where the tests run as root (as CI does).
#pragma once

#include <cerrno>
#include <filesystem>
#include <functional>
#include <grp.h>
#include <pwd.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace quillbox::test {

struct UnprivilegedRun {
    /// Set when no unprivileged user could be had; says why.
    std::string skipped;
    /// What the body reported as wrong; empty when all was well.
    std::string failure;
};

/// Collects what a body run in another process finds wrong.
class Findings {
public:
    void expect(bool ok, const std::string& what)
    {
        if (!ok)
            m_text += what + "\n";
    }
    const std::string& text() const noexcept { return m_text; }

private:
    std::string m_text;
};

/// Gives `path` to the user asUnprivileged() runs as, where that is
/// another user (when this process is root); does nothing otherwise.
inline void giveAway(const std::filesystem::path& path)
{
    if (::geteuid() != 0)
        return;
    if (const passwd* nobody = ::getpwnam("nobody"))
        static_cast<void>(::chown(path.c_str(), nobody->pw_uid, nobody->pw_gid));
}

/// Runs `body` as the user "nobody" in a child process when this process
/// is root, after giving `dir` itself (not what it holds) to that user; as
/// this process's own user otherwise. `body` returns its findings.
inline UnprivilegedRun asUnprivileged(
    const std::filesystem::path& dir, const std::function<std::string()>& body)
{
    if (::geteuid() != 0)
        return {{}, body()};
    const passwd* nobody = ::getpwnam("nobody");
    if (!nobody || nobody->pw_uid == 0)
        return {"running as root and no unprivileged user \"nobody\" exists", {}};
    const uid_t uid = nobody->pw_uid;
    const gid_t gid = nobody->pw_gid;
    if (::chown(dir.c_str(), uid, gid) != 0)
        return {"cannot give the test directory to \"nobody\"", {}};
    int fds[2];
    if (::pipe(fds) != 0)
        return {{}, "pipe failed"};
    const pid_t pid = ::fork();
    if (pid < 0)
        return {{}, "fork failed"};
    if (pid == 0) {
        ::close(fds[0]);
        std::string out;
        if (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0)
            out = "could not become \"nobody\"";
        else
            out = body();
        const char* p = out.data();
        std::size_t left = out.size();
        while (left > 0) {
            const ssize_t n = ::write(fds[1], p, left);
            if (n <= 0)
                break;
            p += n;
            left -= static_cast<std::size_t>(n);
        }
        ::_exit(0);
    }
    ::close(fds[1]);
    std::string failure;
    char buffer[512];
    for (;;) {
        const ssize_t n = ::read(fds[0], buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        failure.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        failure += "the unprivileged child did not finish\n";
    return {{}, failure};
}

} // namespace quillbox::test
