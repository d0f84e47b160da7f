#ifndef SKIFF_CONFIG_CONFIG_LISTENER_H
#define SKIFF_CONFIG_CONFIG_LISTENER_H

#include "config/char_options.h"

// How the configuration reaches the windows that mirror it (menu check marks,
// panels, layout, audio output).  The main frame implements it; every
// operation has a do-nothing default so a listener overrides only what it
// wires.  Main thread only.
class config_listener {
public:
    virtual ~config_listener() = default;

    // A setter stored a value in the current configuration.  Setters whose
    // only effect is a menu check mark call this even for the value already
    // held; the others only when the value changed.
    virtual void option_changed(char_option option, int value) {}
    // Bring menus and panels in line with the whole current configuration.
    virtual void option_views_sync() {}
    virtual void theme_views_sync() {}

    // Audio output for the system audio switch; false when it cannot start.
    virtual bool start_audio_output() { return true; }
    virtual void stop_audio_output() {}
    // The switch's final value, for the "Enable Sounds" check mark.
    virtual void system_audio_changed(int enable) {}
};

#endif
