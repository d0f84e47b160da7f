#ifndef SKIFF_PROTOCOL_TEXT_RUN_ROUTER_H
#define SKIFF_PROTOCOL_TEXT_RUN_ROUTER_H

class SkiffConfig;

// What a text output display (main output or a popup's display) offers to
// the routing of text runs.  Main thread only.
class text_run_display {
public:
    virtual ~text_run_display() = default;
    virtual void write_ansi_data(const char *data, int length) = 0;
    virtual void clear_new_data() = 0;
    virtual bool has_new_data() const = 0;
    virtual void refresh_text() = 0;
};

// What the tabbed channel window offers to it.
class channel_text_output {
public:
    virtual ~channel_text_output() = default;
    // Text for the divert channel (and the "(all)" channel).
    virtual void display_socket_data(const char *data, int length) = 0;
    virtual void clear_channel_new_data() = 0;
    virtual void refresh_channels_with_new_data() = 0;
};

// Sends each text run where it belongs: to the channel window while a
// channel divert is on (and also to the main output when the channel window
// is off or duplicates channel text), else to the output target (the main
// output or a popup display chosen by "divert"/"append").  Around each chunk
// it clears the new-data flags and then refreshes each display that got
// text, so a display is redrawn once per chunk.  Main thread only.
class text_run_router {
public:
    // Options are read from config; any pointer may be null.
    text_run_router(SkiffConfig *config, text_run_display *main_output,
                    channel_text_output *channels);

    void begin_chunk();
    void route(const char *data, int length);
    void end_chunk();

    // The display that receives text outside a channel divert; null means
    // the main output.
    void set_output_target(text_run_display *target) { output_target_ = target; }
    text_run_display *output_target() const { return output_target_ ? output_target_ : main_output_; }
    void set_main_output(text_run_display *main_output) { main_output_ = main_output; }
    void set_channels(channel_text_output *channels) { channels_ = channels; }

    // Set by "chdiv", cleared by "chudiv".
    bool channel_divert = false;

private:
    SkiffConfig *config_;
    text_run_display *main_output_;
    channel_text_output *channels_;
    text_run_display *output_target_ = nullptr;
};

#endif
