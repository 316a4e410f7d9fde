#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>

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

Bytes ReadFileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary | std::ios::ate);
  if (!file) return Bytes{};
  Bytes bytes(static_cast<size_t>(file.tellg()));
  file.seekg(0);
  file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return bytes;
}

bool WriteFileBytes(const std::string& path, const Bytes& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(file);
}

Bytes ExpandWithMsexpand(const Bytes& image, const std::string& folder) {
  const std::string in = folder + "/msexpand-in";
  const std::string out = folder + "/msexpand-out";
  if (!WriteFileBytes(in, image) || !Run("msexpand", nullptr, in.c_str(), out.c_str())) {
    const char failed[] = "(msexpand failed)";
    return Bytes(failed, failed + sizeof failed - 1);
  }
  return ReadFileBytes(out);
}

// mscompress writes the image beside the file, under the name followed by "_".
Bytes CompressWithMscompress(const Bytes& content, const std::string& folder) {
  const std::string in = folder + "/mscompress-in";
  std::remove((in + "_").c_str());
  if (!WriteFileBytes(in, content) || !Run("mscompress", in.c_str(), nullptr, nullptr)) return Bytes{};
  return ReadFileBytes(in + "_");
}
