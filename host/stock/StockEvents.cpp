// The events the stock controls publish for listeners by name.
#include <vector>

#include "host/forms/PublishedEvents.h"
#include "host/stock/CommandButton.h"
#include "host/stock/Image.h"
#include "host/stock/Label.h"
#include "host/stock/ListControls.h"
#include "host/stock/PictureBox.h"
#include "host/stock/TextBox.h"
#include "host/stock/Timer.h"

namespace host {
namespace {

// What every control over a system window raises, after its own events.
std::vector<EventEntry> WithSystemEvents(std::vector<EventEntry> own) {
    own.insert(own.end(),
               {EventEntry(L"GotFocus", &SystemControl::GotFocus), EventEntry(L"LostFocus", &SystemControl::LostFocus),
                EventEntry(L"KeyDown", &SystemControl::KeyDown), EventEntry(L"KeyPress", &SystemControl::KeyPress),
                EventEntry(L"KeyUp", &SystemControl::KeyUp)});
    return own;
}

std::vector<EventEntry> WindowlessMouseEvents() {
    return {EventEntry(L"Click", &WindowlessControl::Click), EventEntry(L"DblClick", &WindowlessControl::DblClick),
            EventEntry(L"MouseDown", &WindowlessControl::MouseDown),
            EventEntry(L"MouseMove", &WindowlessControl::MouseMove),
            EventEntry(L"MouseUp", &WindowlessControl::MouseUp)};
}

void Publish(std::type_index type, std::vector<EventEntry> events) {
    ClassRegistry<EventEntry>::Publish(type, std::move(events));
}

struct StockEvents {
    StockEvents() {
        std::vector<EventEntry> label = WindowlessMouseEvents();
        label.insert(label.begin(), EventEntry(L"Change", &Label::Change));
        Publish(typeid(Label), label);
        Publish(typeid(Image), WindowlessMouseEvents());
        Publish(typeid(CommandButton), WithSystemEvents({EventEntry(L"Click", &CommandButton::Click)}));
        Publish(typeid(TextBox), WithSystemEvents({EventEntry(L"Change", &TextBox::Change)}));
        Publish(typeid(ListBox), WithSystemEvents({EventEntry(L"Click", &ItemList::Click),
                                                   EventEntry(L"DblClick", &ListBox::DblClick)}));
        Publish(typeid(ComboBox),
                WithSystemEvents({EventEntry(L"Change", &ComboBox::Change), EventEntry(L"Click", &ItemList::Click),
                                  EventEntry(L"DropDown", &ComboBox::DropDown)}));
        Publish(typeid(PictureBox),
                {EventEntry(L"Click", &PictureBox::Click), EventEntry(L"DblClick", &PictureBox::DblClick),
                 EventEntry(L"GotFocus", &PictureBox::GotFocus), EventEntry(L"KeyDown", &PictureBox::KeyDown),
                 EventEntry(L"KeyPress", &PictureBox::KeyPress), EventEntry(L"KeyUp", &PictureBox::KeyUp),
                 EventEntry(L"LostFocus", &PictureBox::LostFocus), EventEntry(L"MouseDown", &PictureBox::MouseDown),
                 EventEntry(L"MouseMove", &PictureBox::MouseMove), EventEntry(L"MouseUp", &PictureBox::MouseUp)});
        Publish(typeid(Timer), {EventEntry(L"Timer", &Timer::TimerEvent)});
    }
};

const StockEvents kStockEvents;

}  // namespace
}  // namespace host
