#pragma once
// Property pages: a page edits the controls selected in a container through their
// properties by name; the host's property-page dialog shows it with OK, Cancel and
// Apply, Apply enabled while the page has unapplied changes.
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "host/forms/ClassRegistry.h"
#include "host/stock/CommandButton.h"
#include "host/forms/Form.h"
#include "host/forms/UserControl.h"

namespace host {

class PropertyPageDialog;

class PropertyPage : public UserControl {
public:
    PropertyPage(std::wstring name, std::wstring caption);

    const std::wstring& Caption() const { return caption_; }
    // SelectedControls(index): error 9 outside the selection.
    Control& SelectedControls(int index) const;
    size_t SelectedCount() const { return selected_.size(); }
    // Gives the page a new selection and raises SelectionChanged.
    void SetSelectedControls(std::vector<Control*> controls);

    bool Changed() const { return changed_; }
    void SetChanged(bool changed);
    // Raises ApplyChanges, then clears Changed.
    void Apply();

    // The page's events, handled by the page itself.
    virtual void OnSelectionChanged() {}
    virtual void OnApplyChanges() {}

private:
    friend class PropertyPageDialog;
    std::wstring caption_;
    std::vector<Control*> selected_;
    bool changed_ = false;
    PropertyPageDialog* dialog_ = nullptr;
};

// Reads or writes a control's property by name, with index arguments.
Variant CallByNameGet(Control& control, const std::wstring& name, const std::vector<Variant>& index = {});
void CallByNameLet(Control& control, const std::wstring& name, const Variant& value,
                   const std::vector<Variant>& index = {});

// A property page a class of control offers, with its size in the dialog (twips).
struct PageEntry {
    std::function<std::unique_ptr<PropertyPage>()> make;
    double width = 0;
    double height = 0;
};

// Published once from the control's folder, in the order a tool offers them:
//     const host::PublishedPages<ctlTabs> kPages{{[] { return std::make_unique<propTabCaptions>(); }, 5700, 3630}};
template <class T>
struct PublishedPages {
    PublishedPages(std::initializer_list<PageEntry> pages) { ClassRegistry<PageEntry>::Publish(typeid(T), pages); }
};

// The pages the control's class offers (none when it published none).
inline const std::vector<PageEntry>& PropertyPagesOf(const Control& control) {
    return ClassRegistry<PageEntry>::Of(control);
}

// The dialog that shows one property page above OK, Cancel and Apply.
class PropertyPageDialog : public Form {
public:
    // Takes the page; `pageWidth`/`pageHeight` in twips.
    PropertyPageDialog(std::unique_ptr<PropertyPage> page, double pageWidth, double pageHeight);
    ~PropertyPageDialog() override;

    PropertyPage& Page() { return *page_; }
    CommandButton& OkButton() { return *ok_; }
    CommandButton& CancelButton() { return *cancel_; }
    CommandButton& ApplyButton() { return *apply_; }
    // Opens the dialog on a selection; returns when OK or Cancel closes it.
    void Edit(std::vector<Control*> controls);
    bool IsOpen() const { return open_; }

    void ChangedStateChanged();

private:
    void Close();
    PropertyPage* page_ = nullptr;
    CommandButton* ok_ = nullptr;
    CommandButton* cancel_ = nullptr;
    CommandButton* apply_ = nullptr;
    Connections buttonClicks_;
    bool open_ = false;
};

}  // namespace host
