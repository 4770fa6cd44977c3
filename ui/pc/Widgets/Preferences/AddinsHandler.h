#pragma once

// Declared with the other small General and Add-ins page handlers.
#include "Widgets/Preferences/LanguageHandler.h"
