#include "host/forms/PublishedEvents.h"

namespace host {

void ListenToEvents(Control& control, const EventListener& listener) {
    for (const EventEntry& entry : ClassRegistry<EventEntry>::Of(control)) entry.connect(control, listener);
}

}  // namespace host
