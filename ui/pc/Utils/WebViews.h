#pragma once

namespace Utils {

// Applies the settings every web view of the program shares (plug-ins are
// allowed). Call it before making a web view; calling it again is harmless.
// Start-up does not call it: the web engine is loaded only for a web view.
void prepareWebViews();

}  // namespace Utils
