#pragma once

// The console's session generation: which login a request belongs to. The server instance
// advances it at every login attempt, successful login and server switch, before any view is told
// to refresh; every exchange's completion carries the generation its request was sent in, and one
// of an older generation reaches no handler. Waits of an older session thus end by construction,
// whatever order the handlers were registered in.
namespace SessionGeneration {

// Never 0: 0 in a posted event means "the generation current when it is posted".
unsigned long Current();
// Returns the new generation.
unsigned long Advance();
// Advances only from `expected` (a login's success, only while its attempt is the latest); returns
// the new generation, 0 when another advance came first.
unsigned long AdvanceFrom(unsigned long expected);

}  // namespace SessionGeneration
