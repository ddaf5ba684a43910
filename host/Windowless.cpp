#include "host/Windowless.h"

#include "host/Container.h"

namespace host {

void WindowlessControl::VisibilityChanged() {
    if (GetContainer()) GetContainer()->InvalidatePixels(PixelRect());
}

}  // namespace host
