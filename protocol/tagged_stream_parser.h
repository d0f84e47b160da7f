#ifndef SKIFF_PROTOCOL_TAGGED_STREAM_PARSER_H
#define SKIFF_PROTOCOL_TAGGED_STREAM_PARSER_H

#include "protocol/tagged_stream_sink.h"

// Splits the game server's byte stream into text runs, tagged records,
// the bell and the telnet echo switch:
//   ";s" NAME ";" PAYLOAD ";e" NAME ";"   record with payload
//   ";t" NAME ";"                         record without payload
//   ";;"                                  one ';' in the text
//   0xFF CMD [OPTION]                     telnet command, never shown
//   0x07                                  bell
// The state survives between calls, so a record may be split anywhere.
// Malformed input degrades to text and is logged (debug level > 1).
// Main thread only.
class tagged_stream_parser {
public:
    static const int name_capacity = 65;       // at most 63 characters
    static const int payload_capacity = 15004; // at most 14999 bytes
    static const int run_capacity = 2560;      // a text run is handed on when full

    enum parser_state {
        TEXT,
        IAC,
        IAC_OPTION,
        SEMICOLON,
        START_NAME,
        PAYLOAD,
        END_NAME,
        TEXT_TAG_NAME,
    };

    explicit tagged_stream_parser(tagged_stream_sink *sink);

    // Consumes every byte of one chunk; a length of 0 or less does nothing.
    void process_socket_data(const char *data, int length);
    // Back to TEXT with both names emptied: a half-read record is dropped.
    void reset();

    parser_state state() const { return state_; }
    const char *start_name() const { return start_name_; }

private:
    int scan_text(const unsigned char *p, int n);
    void step(unsigned char c);
    void on_text(unsigned char c);
    void on_iac_option(unsigned char c);
    void on_semicolon(unsigned char c);
    void on_start_name(unsigned char c);
    void on_payload(unsigned char c);
    void on_end_name(unsigned char c);
    void on_text_tag_name(unsigned char c);
    void begin_tag(parser_state next);
    void add_name_byte(char *name, unsigned char c, const char *kind);
    void append_run(const char *data, int n);
    void flush_run();

    tagged_stream_sink *sink_;
    parser_state state_ = TEXT;
    unsigned char telnet_command_ = 0;
    char start_name_[name_capacity];
    char end_name_[name_capacity];
    int count_ = 0;
    char payload_[payload_capacity];
    // The chunk being parsed, for the semicolon warning.
    const char *chunk_ = nullptr;
    int chunk_length_ = 0;
    int run_length_ = 0;
    char run_[run_capacity + 1];
};

#endif
