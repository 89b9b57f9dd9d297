#pragma once

// SIGINT and SIGTERM end what morvixctl is waiting for, so it can cancel and exit cleanly.
void InstallInterruptHandlers();
bool Interrupted();
