#ifndef SKIFF_PROTOCOL_XIRR_SOCKET_DATA_SINK_H
#define SKIFF_PROTOCOL_XIRR_SOCKET_DATA_SINK_H

// Where the game connection delivers the server's bytes: the tagged-stream
// parser, connected by the main frame.  Main thread only.
class xirr_socket_data_sink {
public:
    virtual ~xirr_socket_data_sink() = default;
    // One chunk, in arrival order; length > 0.
    virtual void process_socket_data(const char *data, int length) = 0;
    // A connection starts or ends: the parser returns to its text state.
    virtual void reset_protocol_state() = 0;
};

#endif
