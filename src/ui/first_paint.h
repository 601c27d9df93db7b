// Timing a window's start: once a table view has painted its rows for the
// first time and the window has been drawn, one line goes to standard output
// (the wall-clock time in microseconds since the epoch, the CPU time the
// process has used so far in microseconds and its peak resident memory in
// kilobytes) and the program quits. A launcher that noted the wall-clock time
// before it started the program gets the time from launch to the first
// painted table.
#pragma once

class QAbstractItemView;

namespace tallyra {

void report_first_paint(QAbstractItemView* view);

} // namespace tallyra
