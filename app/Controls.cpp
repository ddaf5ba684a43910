#include "app/Controls.h"

namespace app {

void RegisterControls() {}

}  // namespace app
