// Running tests at another system DPI. The system reads its DPI (the user's
// LogPixels value) when a process starts, so a test that needs, say, 144 DPI
// has this test executable run again as a child process, limited to the
// tests it names, with LogPixels set for the child's start and put back
// afterwards. The child's tests report figures as answer lines on their
// standard output, which the parent reads and checks.
#pragma once

#include <string>

namespace testsupport {

// True in a child that RunAtDpi started; the child has then made itself
// DPI-aware, as the program's manifest does for the program. Tests meant for
// the child alone skip themselves otherwise.
bool InDpiChild();

// Writes one answer line for the parent: `name` and its value.
void TellParent(const char* name, long value);

// Runs the tests `gtestFilter` of this executable in a child process that
// starts with the system DPI `dpi`, and returns what the child wrote (empty
// when it could not be started). A child that has not ended within a minute
// is stopped.
std::string RunAtDpi(int dpi, const char* gtestFilter);

// The value the child told for `name`, or `missing` when it told none.
long AnswerOf(const std::string& childOutput, const char* name, long missing = -1);

}  // namespace testsupport
