#ifndef SKIFF_TESTS_COMMON_NULL_FRAME_SERVICES_H
#define SKIFF_TESTS_COMMON_NULL_FRAME_SERVICES_H

#include "app/frame_services.h"

// A main frame whose services do nothing.  Test fakes derive from it and
// override only what they record.
class null_frame_services : public frame_services {
public:
    void process_command_line(const char *, bool) override {}
    void begin_message() override {}
    void print(const char *) override {}
    void refresh_main_output() override {}
    void queue_message(const char *) override {}
    void open_url(const char *) override {}
    void layout_panels() override {}
    void set_clipboard_data(const char *) override {}
    bool get_clipboard_data(char *, int) override { return false; }
};

#endif
