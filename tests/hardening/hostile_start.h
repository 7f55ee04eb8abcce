// What someone might try to steer the program with from outside: arguments
// and environment variables that name another address for the web view.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace plimsett::test {

// A command line's arguments, already quoted as they are to stand there.
std::wstring HostileArguments();

// Sets the variables for processes started while it lives, and removes them
// again when it goes.
class HostileEnvironment {
 public:
  HostileEnvironment();
  ~HostileEnvironment();
  HostileEnvironment(const HostileEnvironment&) = delete;
  HostileEnvironment& operator=(const HostileEnvironment&) = delete;

 private:
  std::vector<std::pair<std::wstring, std::wstring>> variables_;
};

// What `run` gives for a plain start (no arguments) and for one with the
// hostile arguments and environment.
template <typename Outcome>
std::pair<Outcome, Outcome> PlainAndHostileRuns(Outcome (*run)(const std::wstring& arguments)) {
  Outcome plain = run(L"");
  const HostileEnvironment environment;
  return {std::move(plain), run(HostileArguments())};
}

}  // namespace plimsett::test
