#pragma once

// Marks on the way to the first window, for measuring start-up. With the logging rule
// "vidorra.startup.debug=true" each mark is written as one line: its name, the monotonic
// clock in ns (the clock a measuring script reads as it starts the process) and the page
// faults the process has met so far. Otherwise a mark costs one check.
namespace StartUpMarks {

void mark(const char* what);

} // namespace StartUpMarks
