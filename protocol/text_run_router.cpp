#include "protocol/text_run_router.h"

#include "config/skiff_config.h"

text_run_router::text_run_router(SkiffConfig *config, text_run_display *main_output,
                                 channel_text_output *channels)
    : config_(config), main_output_(main_output), channels_(channels)
{
}

void text_run_router::begin_chunk()
{
    if (main_output_)
        main_output_->clear_new_data();
    if (channels_)
        channels_->clear_channel_new_data();
}

void text_run_router::route(const char *data, int length)
{
    if (!channel_divert) {
        if (text_run_display *target = output_target())
            target->write_ansi_data(data, length);
        return;
    }
    if (channels_)
        channels_->display_socket_data(data, length);
    bool also_main = !config_ || !config_->get_channel_window_enable() ||
                     config_->get_channel_window_dupe();
    if (also_main && main_output_)
        main_output_->write_ansi_data(data, length);
}

void text_run_router::end_chunk()
{
    if (main_output_ && main_output_->has_new_data())
        main_output_->refresh_text();
    if (channels_)
        channels_->refresh_channels_with_new_data();
}
