#include "app/Controls.h"

#include "controls/FlatCmd/FlatCmd.h"
#include "controls/Frame/Frame.h"
#include "controls/TopBt/TopBt.h"
#include "controls/xForm/xForm.h"

namespace app {

void RegisterControls() {
    controls::RegisterFlatCmd();
    controls::RegisterxForm();
    controls::RegisterTopBt();
    controls::RegisterFrame();
}

}  // namespace app
