#pragma once
// The nibs of the controls kit, registered in the framework bundle's nib registry: "KGSMView",
// a 375 x 60 point banner with a message label of as many lines as it needs on the left and an
// action button on the right, both connected as outlets and placed by the banner. Main thread.

namespace tavro {

// Registers (or registers again) the kit's nibs.
void registerKitNibs();
// registerKitNibs() the first time only; later calls do nothing, so a test that unregistered a nib
// keeps it missing.
void registerKitNibsOnce();

} // namespace tavro
