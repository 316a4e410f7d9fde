#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdio>

#include "files/file_bytes.h"
#include "reference_expanders.h"

extern char** environ;

namespace {

// Runs the program with its standard streams on the named files (null: /dev/null), without
// a shell: spawning, unlike fork, does not copy the sanitizers' huge mappings. True when it
// exits with 0.
bool Run(const char* program, const char* argument, const char* in, const char* out) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, in ? in : "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, out ? out : "/dev/null", O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  char* const argv[] = {const_cast<char*>(program), const_cast<char*>(argument), nullptr};
  pid_t child = 0;
  const int spawned = posix_spawnp(&child, program, &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  return spawned == 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

Bytes ExpandWithMsexpand(const Bytes& image, const std::string& folder) {
  const std::string in = folder + "/msexpand-in";
  const std::string out = folder + "/msexpand-out";
  Bytes expanded;
  if (!SaveFile(in, image) || !Run("msexpand", nullptr, in.c_str(), out.c_str()) || !LoadFile(out, expanded)) {
    const char failed[] = "(msexpand failed)";
    return Bytes(failed, failed + sizeof failed - 1);
  }
  return expanded;
}

// mscompress writes the image beside the file, under the name followed by "_".
Bytes CompressWithMscompress(const Bytes& content, const std::string& folder) {
  const std::string in = folder + "/mscompress-in";
  std::remove((in + "_").c_str());
  Bytes image;
  if (!SaveFile(in, content) || !Run("mscompress", in.c_str(), nullptr, nullptr) || !LoadFile(in + "_", image))
    return Bytes{};
  return image;
}
