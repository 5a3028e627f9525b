// Program lookup on PATH and fork/exec of one command at a time.
#include "tools/sound_media/tool_runner.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace tavrel::sound {
namespace {

std::string command_line(const std::vector<std::string>& argv) {
  std::string text;
  for (const std::string& arg : argv) {
    if (!text.empty()) text += ' ';
    const bool quote = arg.empty() || arg.find_first_of(" \t'\"!") != std::string::npos;
    text += quote ? "'" + arg + "'" : arg;
  }
  return text;
}

}  // namespace

std::optional<std::filesystem::path> find_program(const std::string& name) {
  const char* path = std::getenv("PATH");
  std::string dirs = path ? path : "/usr/bin:/bin";
  std::size_t begin = 0;
  while (begin <= dirs.size()) {
    std::size_t end = dirs.find(':', begin);
    if (end == std::string::npos) end = dirs.size();
    const std::filesystem::path dir = end == begin ? "." : dirs.substr(begin, end - begin);
    const std::filesystem::path candidate = dir / name;
    std::error_code error;
    if (std::filesystem::is_regular_file(candidate, error) &&
        ::access(candidate.c_str(), X_OK) == 0) {
      return candidate;
    }
    begin = end + 1;
  }
  return std::nullopt;
}

void run_program(const std::vector<std::string>& argv) {
  if (argv.empty()) throw std::invalid_argument("run_program: no command");
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);

  const pid_t child = ::fork();
  if (child < 0) throw std::runtime_error("cannot start " + argv[0] + ": " + std::strerror(errno));
  if (child == 0) {
    ::execvp(args[0], args.data());
    // Only reached when exec failed; _exit keeps the child from running our atexit handlers.
    ::_exit(127);
  }
  int status = 0;
  while (::waitpid(child, &status, 0) < 0) {
    if (errno != EINTR) throw std::runtime_error("cannot wait for " + argv[0]);
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    throw std::runtime_error("command failed (" +
                             (WIFEXITED(status) ? "exit " + std::to_string(WEXITSTATUS(status))
                                                : std::string("killed")) +
                             "): " + command_line(argv));
  }
}

}  // namespace tavrel::sound
