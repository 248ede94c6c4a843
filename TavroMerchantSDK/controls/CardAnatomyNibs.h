#pragma once
// The nibs of the card-art views, "KCardAnatomy" and "TavroCardAnatomy", as builders registered
// in the framework bundle. Their layout (sizes, margins, constraint constants) lives here; the
// outlets they connect are what the views require.

namespace tavro {

// Registers (or replaces) both nibs in the bundle that holds the card-art classes.
void registerCardAnatomyNibs();

// registerCardAnatomyNibs() once per process; the card-art views call it before loading their
// nibs. Nibs unregistered afterwards stay missing until registerCardAnatomyNibs() runs again.
void ensureCardAnatomyNibsRegistered();

} // namespace tavro
