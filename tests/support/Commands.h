#pragma once

#include "support/Files.h"

#include <array>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

// The real command-line binary, run on a test's home (its environment names the folders).
namespace testing_support {

struct Outcome {
    int status = -1; // the exit status; -1 when it did not exit
    std::string out, err;
};

// Through the shell, so arguments may be quoted and substituted; standard error goes to a file
// "stderr" in the home, which no test counts among the application's files.
inline Outcome runCommand(const TempHome& home, const std::string& args, const std::string& envPrefix = "")
{
    const auto errFile = home.path() / "stderr";
    const std::string command = envPrefix + TAVRIN_BINARY + " " + args + " 2>" + errFile.string();
    Outcome r;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return r;
    std::array<char, 4096> buffer{};
    while (size_t n = fread(buffer.data(), 1, buffer.size(), pipe))
        r.out.append(buffer.data(), n);
    const int status = pclose(pipe);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.err = readFile(errFile);
    return r;
}

// Starts one without waiting, its output thrown away.
inline pid_t startCommand(const std::vector<std::string>& args)
{
    std::vector<char*> argv{const_cast<char*>(TAVRIN_BINARY)};
    for (const auto& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    posix_spawn(&pid, TAVRIN_BINARY, &quiet, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&quiet);
    return pid;
}

// Waits for all; true when every one exited 0.
inline bool finishCommands(const std::vector<pid_t>& pids)
{
    bool ok = true;
    for (pid_t pid : pids) {
        int status = 0;
        ok = waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0 && ok;
    }
    return ok;
}

} // namespace testing_support
