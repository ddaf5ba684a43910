#pragma once
// propTabCaptions: the "Tab Captions" property page. It lists the captions of the
// first selected tab strip, renames the selected one as the developer types, adds,
// deletes and reorders entries, and writes them to the control when the host's
// dialog applies the page. It reaches the control only through its "Tabs" and
// "Caption" properties by name.
#include <array>
#include <cstdint>

#include "host/stock/CommandButton.h"
#include "host/stock/Label.h"
#include "host/stock/ListControls.h"
#include "host/stock/PropertyPage.h"
#include "host/stock/TextBox.h"
#include "host/values/Event.h"

namespace controls {

class propTabCaptions : public host::PropertyPage {
public:
    propTabCaptions();
    // The page's size in the host's dialog, in twips.
    static constexpr double kWidth = 5700;
    static constexpr double kHeight = 3630;

    void OnInitialize() override;
    void OnSelectionChanged() override;
    void OnApplyChanges() override;

    // The indexes of the cmd buttons.
    enum Command : int16_t { kDown = 0, kUp = 1, kAdd = 2, kDelete = 3 };

private:
    void CmbCaptionsClick();
    void TxtCaptionChange();
    void CmdClick(int16_t index);
    void SwapItems(int32_t a, int32_t b);

    host::ListBox* cmbCaptions_ = nullptr;
    host::TextBox* txtCaption_ = nullptr;
    host::Label* lblCaption_ = nullptr;
    std::array<host::CommandButton*, 4> cmd_{};
    bool loading_ = false;  // the page itself is writing into txtCaption_
    host::Connections handlers_;
};

}  // namespace controls
