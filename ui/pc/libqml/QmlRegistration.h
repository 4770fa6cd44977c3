#pragma once

namespace QML {

// Declares the native types the embedded QML uses ("Vantre 1.0" and
// "Kelvantic 1.0"); every call after the first does nothing.
void registerTypes();

}  // namespace QML
