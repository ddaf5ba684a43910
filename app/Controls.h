#pragma once

namespace app {

// Makes the program's own controls known to the design data.
void RegisterControls();

}  // namespace app
