#pragma once
// The combo box and the list box: system windows holding a list of text items.
#include <string>

#include "host/stock/SystemControl.h"

namespace host {

// The item operations the two share; the messages differ only in their prefix.
class ItemList : public SystemControl {
public:
    using SystemControl::SystemControl;

    void AddItem(const std::wstring& item, int32_t index = -1);
    void RemoveItem(int32_t index);  // outside the list: invalid procedure call
    void Clear();
    int32_t ListCount() const;
    std::wstring List(int32_t index) const;  // outside the list gives ""
    void SetList(int32_t index, const std::wstring& item);
    int32_t ListIndex() const;
    void SetListIndex(int32_t index);  // -1 selects nothing; raises Click

    Event<> Click;

    bool CanTakeFocus() const override { return WindowedControl::CanTakeFocus(); }
    void SetDesignProperty(const std::wstring& key, const Variant& value) override;
    Variant GetProperty(const std::wstring& name, const std::vector<Variant>& index = {}) override;
    void LetProperty(const std::wstring& name, const Variant& value, const std::vector<Variant>& index = {}) override;

protected:
    struct Messages {
        UINT add, insert, remove, reset, count, textLength, text, getSel, setSel;
        WORD selChange;
    };
    virtual const Messages& Msg() const = 0;
    void OnCommand(WORD code) override;
};

class ComboBox : public ItemList {
public:
    enum class Style { DropDownCombo = 0, Simple = 1, DropDownList = 2 };
    explicit ComboBox(std::wstring name);

    void SetStyle(Style style) { style_ = style; }
    std::wstring Text() const { return ReadWindowText(); }
    void SetText(const std::wstring& text) { StoreWindowText(text); }
    bool DroppedDown() const;
    void ShowDropDown(bool show);

    Event<> Change;
    Event<> DropDown;

    void OnCommand(WORD code) override;
    void SetDesignProperty(const std::wstring& key, const Variant& value) override;

protected:
    void CreateControlWindow(const WindowPlace& place) override;
    RECT WindowRect() const override;
    const Messages& Msg() const override;

private:
    Style style_ = Style::DropDownCombo;
};

class ListBox : public ItemList {
public:
    explicit ListBox(std::wstring name);
    Event<> DblClick;
    void OnCommand(WORD code) override;

protected:
    void CreateControlWindow(const WindowPlace& place) override;
    const Messages& Msg() const override;
};

}  // namespace host
