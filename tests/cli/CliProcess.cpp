#include "CliProcess.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>

#include <gtest/gtest.h>

#include "support/TempDir.h"

extern char** environ;

namespace vertal::testing {
namespace {

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

nlohmann::json CliRun::Document() const {
  try {
    return nlohmann::json::parse(out);
  } catch (const nlohmann::json::exception& e) {
    ADD_FAILURE() << "standard output is not one JSON document: " << e.what() << "\n" << out;
    return nullptr;
  }
}

CliRun RunCli(const std::vector<std::string>& args, const std::vector<std::string>& env) {
  return RunProgram(CliPath(), args, env);
}

std::string PdfText(const std::string& pdf) {
  const CliRun run = RunProgram("/usr/bin/pdftotext", {"-layout", pdf, "-"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  return run.out;
}

CliRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                  const std::vector<std::string>& env) {
  TempDir dir;
  const std::string outPath = dir.File("out");
  const std::string errPath = dir.File("err");

  std::vector<std::string> argStrings{program};
  argStrings.insert(argStrings.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& a : argStrings) argv.push_back(a.data());
  argv.push_back(nullptr);

  std::vector<std::string> envStrings;
  for (char** e = environ; *e != nullptr; ++e) envStrings.emplace_back(*e);
  for (const auto& extra : env) {
    const std::string name = extra.substr(0, extra.find('=') + 1);
    std::erase_if(envStrings, [&](const std::string& s) { return s.rfind(name, 0) == 0; });
    envStrings.push_back(extra);
  }
  std::vector<char*> envp;
  for (auto& e : envStrings) envp.push_back(e.data());
  envp.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0600);

  CliRun run;
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) {
    ADD_FAILURE() << "cannot start " << argv[0] << ": " << std::strerror(spawned);
    return run;
  }
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (WIFEXITED(status)) {
    run.exitCode = WEXITSTATUS(status);
  } else if (WIFSIGNALED(status)) {
    run.signal = WTERMSIG(status);
  }
  run.out = Slurp(outPath);
  run.err = Slurp(errPath);
  return run;
}

bool RussianLocaleInstalled() {
  const char* current = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = current ? current : "C";
  const bool installed = std::setlocale(LC_NUMERIC, "ru_RU.UTF-8") != nullptr;
  std::setlocale(LC_NUMERIC, saved.c_str());
  return installed;
}

}  // namespace vertal::testing
