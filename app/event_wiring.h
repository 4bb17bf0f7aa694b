// Binds the events a window template names to the tool's handlers, and delivers them.
#pragma once

#include <cstddef>

#include "app/window_template.h"

namespace frame {

enum class EventKind { Created, Click };

using Handler = void (*)(void* context);

struct Binding {
    const char* source;  // the window's or a control's template name
    EventKind kind;
    Handler handler;
};

struct EventWiring {
    const Binding* bindings;
    std::size_t count;
    void* context;  // handed to every handler
};

// Resolves each binding against the template; a binding naming no control or window is dropped.
void BindEvents(const WindowTemplate& tmpl, const EventWiring& wiring);

// Each runs its handler at once, unless events are held or nothing is bound.
void DeliverCreated();
void DeliverClick(int controlIndex);

}  // namespace frame
