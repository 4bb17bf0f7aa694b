#include "app/event_wiring.h"

#include <cstring>

#include "app/event_hold.h"

namespace frame {
namespace {

Handler g_created = nullptr;
Handler g_clicks[kMaxControls] = {};
void* g_context = nullptr;

void Deliver(Handler handler) {
    if (EventsHeld() || !handler) return;
    handler(g_context);
}

}  // namespace

void BindEvents(const WindowTemplate& tmpl, const EventWiring& wiring) {
    g_context = wiring.context;
    for (std::size_t i = 0; i < wiring.count; ++i) {
        const Binding& b = wiring.bindings[i];
        if (b.kind == EventKind::Created) {
            if (std::strcmp(b.source, tmpl.name) == 0) g_created = b.handler;
            continue;
        }
        int index = FindControl(tmpl, b.source);
        if (index >= 0) g_clicks[index] = b.handler;
    }
}

void DeliverCreated() { Deliver(g_created); }

void DeliverClick(int controlIndex) {
    if (controlIndex < 0 || controlIndex >= static_cast<int>(kMaxControls)) return;
    Deliver(g_clicks[controlIndex]);
}

}  // namespace frame
