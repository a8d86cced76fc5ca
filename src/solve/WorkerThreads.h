#pragma once
#include <functional>
#include <string>

// The threads of the solver and the shot map. Their workers take their work from a queue they
// share, so the result does not depend on how many run: a thread the system cannot start leaves
// its share to the others rather than ending the program.

// Runs work(i) for every i from 0 to count - 1 at once, work(0) on the calling thread and each
// other on a thread of its own, and returns when all have ended. The work of a thread that cannot
// be started runs on the calling thread after work(0). Returns how many threads were started.
int RunOnThreads(int count, const std::function<void(int index)>& work);

// Whether count threads (the calling one among them) can run at once here: starts count - 1
// threads that wait until all are there, then lets them end. False, with reason saying how many
// could run and why not more, when the system refuses one.
bool CanRunThreads(int count, std::string& reason);
