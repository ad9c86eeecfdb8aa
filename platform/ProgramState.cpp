#include "platform/ProgramState.h"

#include <vector>

namespace platform {
namespace {

std::vector<std::function<void()>>& resets() {
  static std::vector<std::function<void()>> r;
  return r;
}

}  // namespace

bool registerStateReset(std::function<void()> reset) {
  resets().push_back(std::move(reset));
  return true;
}

void resetProgramState() {
  for (const auto& reset : resets()) reset();
}

}  // namespace platform
