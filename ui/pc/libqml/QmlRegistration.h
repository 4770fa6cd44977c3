#pragma once

namespace QML {

// Declares every native type the embedded scenes use, in the modules
// "Vantre 1.0" (everything else) and "Kelvantic 1.0" (the tool tip). Runs
// once; later calls do nothing.
void registerTypes();

}  // namespace QML
