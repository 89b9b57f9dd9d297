#pragma once

// SIGINT and SIGTERM end what morvixctl is waiting for, so it can cancel and exit cleanly.
void InstallInterruptHandlers();
bool Interrupted();
// How many times the program was interrupted: a second interrupt asks to end at once.
int InterruptCount();
// The shell's status of a run the signal stopped: 130 for SIGINT, 143 for SIGTERM.
int InterruptedExitStatus();
// A run of one server for the fleet leaves the operator's Ctrl-C to the fleet, which ends it with
// SIGTERM after letting its request finish.
void IgnoreTerminalInterrupt();
