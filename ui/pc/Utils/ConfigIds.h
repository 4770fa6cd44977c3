#pragma once

// The configuration ids belong to the platform, which reads some of them
// itself; the program knows them by this shorter name.
#include <RAZ/Configuration/ConfigIds.h>

namespace Utils {
namespace ConfigId = RAZ::Configuration::ConfigId;
}  // namespace Utils
