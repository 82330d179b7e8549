#include "TimedSteps.h"

#include <utility>

namespace testsupport {

namespace {

std::vector<std::function<void()>> g_steps;
std::size_t g_nextStep = 0;

void CALLBACK RunStep(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (g_nextStep >= g_steps.size()) return;
  const std::size_t step = g_nextStep++;
  if (g_nextStep < g_steps.size()) SetTimer(nullptr, 0, 60, &RunStep);
  g_steps[step]();
}

}  // namespace

void RunSteps(std::vector<std::function<void()>> steps) {
  g_steps = std::move(steps);
  g_nextStep = 0;
  SetTimer(nullptr, 0, 60, &RunStep);
}

std::string Text(HWND window) {
  char text[256] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

}  // namespace testsupport
