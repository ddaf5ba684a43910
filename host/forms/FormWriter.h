#pragma once
// Writes a built form back as design data: the inverse of BuildForm.
#include "host/design/DesignData.h"
#include "host/forms/Form.h"

namespace host {

// The design data of `form` as it stands, for the form built from `source`: the
// form's own settings as `source` gives them; for each placed control, front to
// back in its container, its kind and name, its place and the extender keys that
// differ from a new control's (or that `source` sets), its default and cancel
// flags, and
//   - for a user control, what its WriteProperties stores (the place stands for
//     the host's "_extentx"/"_extenty");
//   - for another control, each key `source` sets, read back by name where the
//     control answers it.
// Keys that `source` sets come first, in its order and spelling, each value in
// the type written there whenever it converts to that type and back unchanged;
// so an unchanged form gives back its own text, less comments and blank lines,
// when its file stores what its controls store.
DesignNode DescribeForm(Form& form, const DesignNode& source);

}  // namespace host
