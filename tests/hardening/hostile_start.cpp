#include "hostile_start.h"

#include <windows.h>

namespace plimsett::test {
namespace {

constexpr wchar_t kHostileAddress[] = L"http://hostile.example/";

}  // namespace

std::wstring HostileArguments() {
  const std::wstring address = kHostileAddress;
  return address + L" /url " + address + L" --address=" + address + L" 97,98,99 \u4E2D";
}

HostileEnvironment::HostileEnvironment()
    : variables_{
          {L"PLIMSETT_URL", kHostileAddress}, {L"PLIMSETT_ADDRESS", kHostileAddress},
          {L"URL", kHostileAddress},          {L"HOMEPAGE", kHostileAddress},
          {L"http_proxy", kHostileAddress},   {L"HTTP_PROXY", kHostileAddress},
      } {
  for (const auto& [name, value] : variables_) SetEnvironmentVariableW(name.c_str(), value.c_str());
}

HostileEnvironment::~HostileEnvironment() {
  for (const auto& variable : variables_) SetEnvironmentVariableW(variable.first.c_str(), nullptr);
}

}  // namespace plimsett::test
