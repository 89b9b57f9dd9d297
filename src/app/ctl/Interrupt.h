#pragma once

// SIGINT and SIGTERM end what morvixctl is waiting for, so it can cancel and exit cleanly.
void InstallInterruptHandlers();
bool Interrupted();
// The shell's status of a run the signal stopped: 130 for SIGINT, 143 for SIGTERM.
int InterruptedExitStatus();
