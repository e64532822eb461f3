#pragma once

namespace gridmark {

// Wraps the application's style (Qt's choice or -style) in one that fetches
// the menu bar's overflow icon only when it is drawn: loading it at start-up
// brings in every image-format plugin, for a button this fixed window never
// shows. Call it before the first window is made.
void UseProgramStyle();

}  // namespace gridmark
