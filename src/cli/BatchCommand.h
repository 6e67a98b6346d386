#pragma once

// TRUE when the arguments hold a long option: --export, --info, --dump,
// --help, --version, or one that is unknown (reported as a usage error).
bool IsBatchCommand(int argc, char** argv);
// Runs that command without a window; returns the exit status.
int RunBatchCommand(int argc, char** argv);
