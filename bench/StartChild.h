#pragma once
// One start measured by the start benchmark, run as a child process of kmtx_bench:
// "kmtx" the program's window, "empty" an empty 1020 × 714 window, "label" the same with one
// label "くみっとEX" in the program's face. At the end of the window's first paint it prints
// the monotonic time in nanoseconds and its peak memory in kB, and ends at once.
int runStartChild(int argc, char **argv, const char *what);
