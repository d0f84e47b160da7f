#ifndef SKIFF_APP_DISPLAY_TEXT_TARGET_H
#define SKIFF_APP_DISPLAY_TEXT_TARGET_H

#include "protocol/text_run_router.h"
#include "text/xirr_ansi_display_core.h"

// A text output display as the text-run router sees it.  Main thread only.
class display_text_target : public text_run_display {
public:
    explicit display_text_target(xirr_ansi_display_core *display) : display_(display) {}
    void write_ansi_data(const char *data, int length) override { display_->write_ansi_data(data, length); }
    void clear_new_data() override { display_->clear_new_data(); }
    bool has_new_data() const override { return display_->has_new_data() != 0; }
    void refresh_text() override { display_->refresh_text(); }

private:
    xirr_ansi_display_core *display_;
};

#endif
