#pragma once

// TRUE when the arguments ask for --export, --info, --dump or --help.
bool IsBatchCommand(int argc, char** argv);
// Runs that command without a window; returns the exit status.
int RunBatchCommand(int argc, char** argv);
