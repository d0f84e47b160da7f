#ifndef SKIFF_PROTOCOL_TAGGED_STREAM_SINK_H
#define SKIFF_PROTOCOL_TAGGED_STREAM_SINK_H

// Where the tagged-stream parser delivers what it finds, in arrival order.
// The main frame implements it.  Main thread only.
class tagged_stream_sink {
public:
    virtual ~tagged_stream_sink() = default;

    // Around every chunk given to process_socket_data, so displays that got
    // text are refreshed once per chunk.
    virtual void begin_chunk() {}
    virtual void end_chunk() {}

    // Plain text (with ANSI sequences), 1..2560 bytes, not terminated.
    virtual void text_run(const char *data, int length) = 0;
    // A complete record: name (0..63 characters) and payload (0..14999
    // bytes, no ';' and no CR), both zero-terminated; "" and 0 for a text
    // tag.
    virtual void process_tagged_data(const char *name, const char *payload, int length) = 0;
    // BEL: ring at once, even before the text in front of it is shown.
    virtual void ring_bell() = 0;
    // Telnet DONT ECHO / DO ECHO: hidden input on and off.
    virtual void set_hidden_input() = 0;
    virtual void set_normal_input() = 0;
};

#endif
