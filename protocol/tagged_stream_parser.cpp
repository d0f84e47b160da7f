#include "protocol/tagged_stream_parser.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "support/debug_log.h"

static const unsigned char byte_iac = 0xFF;
static const unsigned char byte_bell = 0x07;
static const unsigned char byte_cr = 0x0D;
static const unsigned char telnet_will = 0xFB;
static const unsigned char telnet_do = 0xFD;
static const unsigned char telnet_dont = 0xFE;
static const unsigned char telnet_echo = 0x01;
static const int name_limit = 64;      // a name reaching this length is dropped
static const int payload_limit = 15000;

static bool is_special(unsigned char c)
{
    return c == ';' || c == byte_iac || c == byte_bell;
}

tagged_stream_parser::tagged_stream_parser(tagged_stream_sink *sink) : sink_(sink)
{
    start_name_[0] = 0;
    end_name_[0] = 0;
    payload_[0] = 0;
}

void tagged_stream_parser::reset()
{
    state_ = TEXT;
    count_ = 0;
    start_name_[0] = 0;
    end_name_[0] = 0;
}

void tagged_stream_parser::process_socket_data(const char *data, int length)
{
    if (!data || length <= 0)
        return;
    sink_->begin_chunk();
    chunk_ = data;
    chunk_length_ = length;
    const unsigned char *bytes = reinterpret_cast<const unsigned char *>(data);
    int i = 0;
    while (i < length) {
        if (state_ == TEXT) {
            int n = scan_text(bytes + i, length - i);
            if (n > 0) {
                append_run(data + i, n);
                i += n;
                continue;
            }
        }
        step(bytes[i++]);
    }
    flush_run();
    chunk_ = nullptr;
    chunk_length_ = 0;
    sink_->end_chunk();
}

// Length of the leading stretch of plain text: this is where nearly all
// bytes go, so it is searched sixteen bytes at a time.
int tagged_stream_parser::scan_text(const unsigned char *p, int n)
{
    int i = 0;
#if defined(__SSE2__)
    const __m128i semicolon = _mm_set1_epi8(';');
    const __m128i iac = _mm_set1_epi8(static_cast<char>(byte_iac));
    const __m128i bell = _mm_set1_epi8(byte_bell);
    for (; i + 16 <= n; i += 16) {
        __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + i));
        __m128i hit = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, semicolon), _mm_cmpeq_epi8(v, iac)),
                                   _mm_cmpeq_epi8(v, bell));
        int mask = _mm_movemask_epi8(hit);
        if (mask)
            return i + __builtin_ctz(mask);
    }
#endif
    while (i < n && !is_special(p[i]))
        ++i;
    return i;
}

void tagged_stream_parser::step(unsigned char c)
{
    switch (state_) {
    case TEXT:
        on_text(c);
        break;
    case IAC: /* the byte after 0xFF: a command, with an option after WILL..DONT */
        telnet_command_ = c;
        state_ = c >= telnet_will && c <= telnet_dont ? IAC_OPTION : TEXT;
        break;
    case IAC_OPTION:
        on_iac_option(c);
        break;
    case SEMICOLON:
        on_semicolon(c);
        break;
    case START_NAME:
        on_start_name(c);
        break;
    case PAYLOAD:
        on_payload(c);
        break;
    case END_NAME:
        on_end_name(c);
        break;
    case TEXT_TAG_NAME:
        on_text_tag_name(c);
        break;
    }
}

void tagged_stream_parser::on_text(unsigned char c)
{
    if (c == byte_iac) {
        flush_run();
        state_ = IAC;
    } else if (c == byte_bell) {
        // Rings before the text in front of it is shown: the run is kept.
        sink_->ring_bell();
    } else if (c == ';') {
        flush_run();
        state_ = SEMICOLON;
    } else {
        char byte = static_cast<char>(c);
        append_run(&byte, 1);
    }
}

// Only the echo option matters: the server hides the password with DONT
// ECHO and ends that with DO ECHO.
void tagged_stream_parser::on_iac_option(unsigned char c)
{
    state_ = TEXT;
    if (c != telnet_echo)
        return;
    flush_run();
    if (telnet_command_ == telnet_dont) {
        append_run("\n", 1);
        flush_run();
        sink_->set_hidden_input();
    } else if (telnet_command_ == telnet_do) {
        sink_->set_normal_input();
    }
}

void tagged_stream_parser::begin_tag(parser_state next)
{
    if (start_name_[0] && debug_level > 1)
        debug_log("Warning in xirr_mw::process_socket_data(), double start tags?  Previous was '%.64s'.\n",
                  start_name_);
    count_ = 0;
    start_name_[0] = 0;
    end_name_[0] = 0;
    state_ = next;
}

void tagged_stream_parser::on_semicolon(unsigned char c)
{
    switch (c) {
    case ';': /* ";;": one ';' of text */
        append_run(";", 1);
        state_ = TEXT;
        break;
    case 's': /* ";s": start tag */
        begin_tag(START_NAME);
        break;
    case 't': /* ";t": text tag */
        begin_tag(TEXT_TAG_NAME);
        break;
    case 'e': /* ";e": end tag */
        if (!start_name_[0] && debug_level > 1)
            debug_log("Warning in xirr_mw::process_socket_data(), end tag '%s' without start tag.\n",
                      start_name_);
        count_ = 0;
        end_name_[0] = 0;
        state_ = END_NAME;
        break;
    default: { /* a lone ';': shown with the byte after it */
        if (debug_level > 1) {
            debug_log("Warning in xirr_mw::process_socket_data(), semicolon found?\n");
            debug_log("Current string data ->%.*s<-\n", chunk_length_, chunk_);
        }
        char pair[2] = {';', static_cast<char>(c)};
        append_run(pair, 2);
        state_ = TEXT;
        break;
    }
    }
}

void tagged_stream_parser::on_start_name(unsigned char c)
{
    if (c == ';') {
        start_name_[count_] = 0;
        count_ = 0;
        state_ = PAYLOAD;
        return;
    }
    add_name_byte(start_name_, c, "sks");
}

void tagged_stream_parser::on_payload(unsigned char c)
{
    if (c == ';') {
        payload_[count_] = 0;
        // The handler gets its own name copy: it may reset the parser (a
        // client message does), which empties the names.  The ';' is still
        // the one that introduces the end tag, so the end tag is consumed
        // after such a reset too, instead of showing up as text.
        char name[name_capacity];
        memcpy(name, start_name_, sizeof(name));
        sink_->process_tagged_data(name, payload_, count_);
        state_ = SEMICOLON;
        return;
    }
    if (c == byte_cr)
        return;
    payload_[count_++] = static_cast<char>(c);
    if (count_ < payload_limit)
        return;
    if (debug_level > 1)
        debug_log("Warning in xirr_mw::process_socket_data(), tagged data was too long, discarding.\n");
    payload_[0] = 0;
    count_ = 0;
    end_name_[0] = 0;
    state_ = TEXT;
}

void tagged_stream_parser::on_end_name(unsigned char c)
{
    if (c == ';') {
        end_name_[count_] = 0;
        if (strcmp(end_name_, start_name_) != 0 && debug_level > 1)
            debug_log("Warning xirr_mw::process_socket_data(), ske tag '%s' does not match sks tag '%s'.\n",
                      end_name_, start_name_);
        count_ = 0;
        start_name_[0] = 0;
        end_name_[0] = 0;
        state_ = TEXT;
        return;
    }
    add_name_byte(end_name_, c, "ske");
}

void tagged_stream_parser::on_text_tag_name(unsigned char c)
{
    if (c == ';') {
        char name[name_capacity];
        start_name_[count_] = 0;
        memcpy(name, start_name_, sizeof(name));
        count_ = 0;
        start_name_[0] = 0;
        state_ = TEXT;
        sink_->process_tagged_data(name, "", 0);
        return;
    }
    add_name_byte(start_name_, c, "skt");
}

// Adds one byte to a tag name; a name reaching name_limit is dropped (logged
// with the tag kind) and the parser goes back to TEXT.
void tagged_stream_parser::add_name_byte(char *name, unsigned char c, const char *kind)
{
    name[count_++] = static_cast<char>(c);
    name[count_] = 0;
    if (count_ < name_limit)
        return;
    if (debug_level > 1)
        debug_log("Warning in xirr_mw::process_socket_data(), %s tag '%.64s' too long?\n", kind, name);
    count_ = 0;
    name[0] = 0;
    state_ = TEXT;
}

// Appends to the text run, handing it on each time it reaches 2560 bytes.
void tagged_stream_parser::append_run(const char *data, int n)
{
    while (n > 0) {
        int room = run_capacity - run_length_;
        int take = n < room ? n : room;
        memcpy(run_ + run_length_, data, take);
        run_length_ += take;
        data += take;
        n -= take;
        if (run_length_ == run_capacity)
            flush_run();
    }
}

void tagged_stream_parser::flush_run()
{
    if (run_length_ == 0)
        return;
    int n = run_length_;
    run_length_ = 0;
    run_[n] = 0;
    sink_->text_run(run_, n);
}
