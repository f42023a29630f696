#pragma once
// A run of the scorewick command as a person starts it, a process of its
// own, for the benchmarks that time the command line: standard output and
// error thrown away, and the child's peak memory kept by name.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

extern char** environ;

namespace scorewick::bench {

inline std::map<std::string, long> peak_kb;  // benchmark -> the largest peak of its runs

// Runs the program (standard output and error to /dev/null) and waits for
// it; the child's peak memory goes to peak_kb[name].
inline void Spawn(benchmark::State& state, const std::vector<std::string>& args, const char* name) {
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
    state.SkipWithError("cannot start the program");
    return;
  }
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  struct rusage usage {};
  if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    state.SkipWithError("the program failed");
    return;
  }
  peak_kb[name] = std::max(peak_kb[name], usage.ru_maxrss);
}

}  // namespace scorewick::bench
