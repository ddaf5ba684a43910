#include "host/forms/PublishedEvents.h"

namespace host {

void ListenToEvents(Control& control, const EventListener& listener, Connections& connections) {
    for (const EventEntry& entry : ClassRegistry<EventEntry>::Of(control))
        connections += entry.connect(control, listener);
}

}  // namespace host
