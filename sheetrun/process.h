#pragma once
// Starting Varenta and waiting for it, and the pause between cards, both
// while the caller keeps its window responsive.
#include <functional>
#include <string>

namespace sheetrun {

// Milliseconds of CLOCK_MONOTONIC: never jumps with the wall clock.
long long MonotonicMs();

// Calls pump(remainingMs) until at least ms milliseconds have passed on the
// monotonic clock; pump should process window events for at most about
// the time given.
void Delay(int ms, const std::function<void(int)>& pump);

// The executable: "varenta" in directory when it is there, else "varenta"
// looked up on the PATH.
std::string VarentaProgram(const std::string& directory);

// Starts program with no arguments, in the current directory and with the
// current environment, and waits for it to end, calling pump(10) between
// checks every 10 milliseconds. Returns false when it could not be started
// (nothing is shown: the run goes on); its exit status is not used.
bool RunAndWait(const std::string& program, const std::function<void(int)>& pump);

}  // namespace sheetrun
