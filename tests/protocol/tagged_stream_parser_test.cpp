#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "protocol/tagged_stream_parser.h"
#include "support/debug_log.h"

namespace {

// Records what the parser reports as one line per event; adjacent text runs
// are merged, since where a run ends depends on how the stream was cut.
struct recording_sink : tagged_stream_sink {
    std::vector<std::string> events;
    std::vector<int> run_lengths;
    int chunks_begun = 0;
    int chunks_ended = 0;

    void begin_chunk() override { ++chunks_begun; }
    void end_chunk() override { ++chunks_ended; }
    void text_run(const char *data, int length) override
    {
        run_lengths.push_back(length);
        std::string text(data, length);
        if (!events.empty() && events.back().compare(0, 2, "T:") == 0)
            events.back() += text;
        else
            events.push_back("T:" + text);
    }
    void process_tagged_data(const char *name, const char *payload, int length) override
    {
        events.push_back("R:" + std::string(name) + "|" + std::string(payload, length) + "|" +
                         std::to_string(length));
    }
    void ring_bell() override { events.push_back("BEL"); }
    void set_hidden_input() override { events.push_back("HIDDEN"); }
    void set_normal_input() override { events.push_back("NORMAL"); }
};

std::vector<std::string> parse_whole(const std::string &input)
{
    recording_sink sink;
    tagged_stream_parser parser(&sink);
    parser.process_socket_data(input.data(), static_cast<int>(input.size()));
    return sink.events;
}

struct debug_level_guard {
    int saved = debug_level;
    explicit debug_level_guard(int level) { debug_level = level; }
    ~debug_level_guard() { debug_level = saved; }
};

// A chunk's end hands on the run, so a bell may land after text that came
// before it; bells are compared by count and the text around them merged.
std::vector<std::string> bells_to_end(const std::vector<std::string> &events)
{
    std::vector<std::string> out;
    int bells = 0;
    for (const std::string &e : events) {
        if (e == "BEL")
            ++bells;
        else if (!out.empty() && e.compare(0, 2, "T:") == 0 && out.back().compare(0, 2, "T:") == 0)
            out.back() += e.substr(2);
        else
            out.push_back(e);
    }
    out.insert(out.end(), bells, "BEL");
    return out;
}

// The same input fed in two pieces cut at every byte boundary, and one byte
// at a time, must give the same events as in one piece.
void expect_same_at_every_split(const std::string &input, const std::vector<std::string> &whole)
{
    debug_level_guard quiet(0);  // the split runs would repeat every warning
    std::vector<std::string> expected = bells_to_end(whole);
    for (size_t cut = 1; cut < input.size(); ++cut) {
        recording_sink sink;
        tagged_stream_parser parser(&sink);
        parser.process_socket_data(input.data(), static_cast<int>(cut));
        parser.process_socket_data(input.data() + cut, static_cast<int>(input.size() - cut));
        ASSERT_EQ(bells_to_end(sink.events), expected) << "cut at byte " << cut;
    }
    recording_sink sink;
    tagged_stream_parser parser(&sink);
    for (char c : input)
        parser.process_socket_data(&c, 1);
    EXPECT_EQ(bells_to_end(sink.events), expected) << "byte by byte";
}

struct script {
    const char *title;
    std::string input;
    std::vector<std::string> events;
    std::vector<std::string> warnings;  // texts the debug output must hold
};

std::string repeat(char c, int n) { return std::string(n, c); }

std::vector<script> scripts()
{
    std::string name63 = repeat('n', 63);
    std::string name64 = repeat('n', 64);
    std::string payload14999 = repeat('a', 14999);
    return {
        {"record", ";sgroup;1 2 3;egroup;", {"R:group|1 2 3|5"}, {}},
        {"double semicolon", "a;;b", {"T:a;b"}, {}},
        {"text tag", ";tcombat;", {"R:combat||0"}, {}},
        {"lone semicolon", ";x", {"T:;x"},
         {"Warning in xirr_mw::process_socket_data(), semicolon found?\n",
          "Current string data ->;x<-\n"}},
        {"upper-case tag letter is text", ";Sx", {"T:;Sx"}, {"semicolon found?"}},
        {"text around records", "hello;tx;world;sy;1;ey;!",
         {"T:hello", "R:x||0", "T:world", "R:y|1|1", "T:!"}, {}},
        {"dont echo", "a\xff\xfe\x01" "b", {"T:a\n", "HIDDEN", "T:b"}, {}},
        {"do echo", "\xff\xfd\x01", {"NORMAL"}, {}},
        {"will echo, wont echo, other option, other command, double IAC",
         "a\xff\xfb\x01" "b\xff\xfc\x01" "c\xff\xfe\x02" "d\xff\xf1" "e\xff\xff" "f",
         {"T:abcdef"}, {}},
        {"bell rings before the text in front of it", "ab\x07" "cd", {"BEL", "T:abcd"}, {}},
        {"CR dropped in payloads, kept in text", "a\r\n;sp;x\r\ny;ep;",
         {"T:a\r\n", "R:p|x\ny|3"}, {}},
        {"empty name", ";s;p;e;", {"R:|p|1"}, {"end tag '' without start tag"}},
        {"end name mismatch", ";sfoo;x;ebar;", {"R:foo|x|1"},
         {"Warning xirr_mw::process_socket_data(), ske tag 'bar' does not match sks tag 'foo'.\n"}},
        {"double start", ";sa;x;sb;y;eb;", {"R:a|x|1", "R:b|y|1"},
         {"Warning in xirr_mw::process_socket_data(), double start tags?  Previous was 'a'.\n"}},
        {"stray end tag", ";ex;", {}, {"end tag '' without start tag",
                                       "ske tag 'x' does not match sks tag ''"}},
        {"semicolon after payload", ";sa;x;y", {"R:a|x|1", "T:;y"}, {"semicolon found?"}},
        {"name of 63", ";s" + name63 + ";v;e" + name63 + ";", {"R:" + name63 + "|v|1"}, {}},
        {"start name of 64 abandons the record", ";s" + name64 + ";v;en;", {"T:;v"},
         {"sks tag '" + name64 + "' too long?", "semicolon found?",
          "ske tag 'n' does not match sks tag ''"}},
        {"text tag name of 64", ";t" + name64 + "x;", {"T:x"}, {"skt tag '" + name64 + "' too long?"}},
        {"end name of 64", ";sq;v;e" + name64 + "z;", {"R:q|v|1", "T:z"},
         {"ske tag '" + name64 + "' too long?"}},
        {"payload of 14999", ";sp;" + payload14999 + ";ep;", {"R:p|" + payload14999 + "|14999"}, {}},
        {"payload of 15000 is discarded", ";sp;" + payload14999 + "abc;ep;", {"T:bc"},
         {"Warning in xirr_mw::process_socket_data(), tagged data was too long, discarding.\n"}},
    };
}

}  // namespace

TEST(tagged_stream_parser, byte_scripts_give_the_same_events_at_every_split)
{
    for (const script &s : scripts()) {
        SCOPED_TRACE(s.title);
        testing::internal::CaptureStdout();
        std::vector<std::string> events = parse_whole(s.input);
        std::string out = testing::internal::GetCapturedStdout();
        EXPECT_EQ(events, s.events);
        for (const std::string &w : s.warnings)
            EXPECT_NE(out.find(w), std::string::npos) << "missing warning: " << w << "\ngot:\n" << out;
        if (s.warnings.empty()) {
            EXPECT_EQ(out, "");
        }
        expect_same_at_every_split(s.input, s.events);
    }
}

TEST(tagged_stream_parser, group_record_split_over_three_reads)
{
    recording_sink sink;
    tagged_stream_parser parser(&sink);
    for (const char *piece : {";sgr", "oup;1 2", " 3;egroup;"})
        parser.process_socket_data(piece, static_cast<int>(strlen(piece)));
    EXPECT_EQ(sink.events, std::vector<std::string>{"R:group|1 2 3|5"});
    EXPECT_EQ(sink.chunks_begun, 3);
    EXPECT_EQ(sink.chunks_ended, 3);
}

TEST(tagged_stream_parser, runs_are_handed_on_at_2560_bytes_and_at_chunk_end)
{
    recording_sink sink;
    tagged_stream_parser parser(&sink);
    std::string text = repeat('x', 6000);
    parser.process_socket_data(text.data(), 6000);
    EXPECT_EQ(sink.run_lengths, (std::vector<int>{2560, 2560, 880}));

    // A bell does not cut the run; a telnet command does.
    sink.run_lengths.clear();
    std::string mixed = repeat('y', 2000) + "\x07" + repeat('y', 1000) + "\xff\xfb\x05" + "zz";
    parser.process_socket_data(mixed.data(), static_cast<int>(mixed.size()));
    EXPECT_EQ(sink.run_lengths, (std::vector<int>{2560, 440, 2}));
}

TEST(tagged_stream_parser, reset_drops_a_half_read_record)
{
    recording_sink sink;
    tagged_stream_parser parser(&sink);
    parser.process_socket_data(";sgro", 5);
    EXPECT_EQ(parser.state(), tagged_stream_parser::START_NAME);
    parser.reset();
    EXPECT_EQ(parser.state(), tagged_stream_parser::TEXT);
    EXPECT_STREQ(parser.start_name(), "");
    parser.process_socket_data("up;1;egroup;", 12);
    EXPECT_EQ(sink.events, std::vector<std::string>{"T:up;1"});  // then a stray end tag
    parser.process_socket_data(nullptr, 5);
    parser.process_socket_data("x", 0);
    EXPECT_EQ(sink.chunks_begun, 2);
}

// A record handler may print a client message, which resets the parser.
TEST(tagged_stream_parser, handler_may_reset_the_parser)
{
    struct resetting_sink : recording_sink {
        tagged_stream_parser *parser = nullptr;
        void process_tagged_data(const char *name, const char *payload, int length) override
        {
            parser->reset();
            recording_sink::process_tagged_data(name, payload, length);
        }
    } sink;
    tagged_stream_parser parser(&sink);
    sink.parser = &parser;
    debug_level_guard quiet(0);
    std::string input = ";tq;abc;sname;v;ename;def;sb;w;;x";
    parser.process_socket_data(input.data(), static_cast<int>(input.size()));
    // The end tag after a reset is still consumed (only logged), never shown;
    // a ';' that follows the payload's ';' is text as usual.
    EXPECT_EQ(sink.events,
              (std::vector<std::string>{"R:q||0", "T:abc", "R:name|v|1", "T:def", "R:b|w|1", "T:;x"}));
    EXPECT_EQ(parser.state(), tagged_stream_parser::TEXT);
}

TEST(tagged_stream_parser, warnings_only_from_debug_level_2)
{
    for (int level : {1, 3}) {
        debug_level_guard at(level);
        testing::internal::CaptureStdout();
        parse_whole(";x;sa;b;sc;d;ee;;s" + repeat('n', 64));
        std::string out = testing::internal::GetCapturedStdout();
        EXPECT_EQ(out.find("Warning"), level > 1 ? out.find("Warning in") : std::string::npos) << level;
        if (level > 1) {
            for (const char *w : {"semicolon found?", "double start tags?", "does not match", "too long?"})
                EXPECT_NE(out.find(w), std::string::npos) << w;
        }
    }
}

// Random streams rich in the bytes that matter, cut at random places, give
// the same events as in one piece.
TEST(tagged_stream_parser, random_streams_are_independent_of_the_cuts)
{
    debug_level_guard quiet(0);
    static const char alphabet[] = {';', ';', ';', 's', 'e', 't', 'a', 'b', '\r', '\n', '\x07',
                                    '\xff', '\xfe', '\xfd', '\x01', '\0'};
    unsigned seed = 2024;
    auto next = [&seed](unsigned n) { seed = seed * 1103515245u + 12345u; return (seed >> 16) % n; };
    for (int round = 0; round < 300; ++round) {
        std::string input;
        int length = 1 + next(3000);
        for (int i = 0; i < length; ++i)
            input += next(4) == 0 ? static_cast<char>(next(256)) : alphabet[next(sizeof(alphabet))];
        std::vector<std::string> whole = bells_to_end(parse_whole(input));

        recording_sink sink;
        tagged_stream_parser parser(&sink);
        for (size_t at = 0; at < input.size();) {
            size_t n = std::min<size_t>(1 + next(40), input.size() - at);
            parser.process_socket_data(input.data() + at, static_cast<int>(n));
            at += n;
        }
        ASSERT_EQ(bells_to_end(sink.events), whole) << "round " << round;
        for (int run : sink.run_lengths)
            ASSERT_TRUE(run > 0 && run <= 2560);
    }
}
