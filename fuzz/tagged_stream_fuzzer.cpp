// The tagged-stream parser fed the input once whole and once cut into
// pieces the input itself chooses: both must report the same records and
// text, and every report must keep the sink's promises.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "protocol/tagged_stream_parser.h"

namespace {

// Events as text; adjacent runs merged and bells counted apart, since where
// a run ends and where a bell lands among the text depend on the cuts.
struct checking_sink : tagged_stream_sink {
    std::vector<std::string> events;
    int bells = 0;
    int open_chunks = 0;

    void begin_chunk() override { FUZZ_CHECK(open_chunks++ == 0); }
    void end_chunk() override { FUZZ_CHECK(--open_chunks == 0); }
    void text_run(const char *data, int length) override
    {
        FUZZ_CHECK(open_chunks == 1);
        FUZZ_CHECK(length >= 1 && length <= tagged_stream_parser::run_capacity);
        std::string text(data, length);
        if (!events.empty() && events.back()[0] == 'T')
            events.back() += text;
        else
            events.push_back("T" + text);
    }
    void process_tagged_data(const char *name, const char *payload, int length) override
    {
        FUZZ_CHECK(open_chunks == 1);
        FUZZ_CHECK(name && payload);
        FUZZ_CHECK(std::strlen(name) <= 63);
        FUZZ_CHECK(length >= 0 && length <= 14999);
        FUZZ_CHECK(payload[length] == 0);
        FUZZ_CHECK(!std::memchr(payload, ';', length) && !std::memchr(payload, '\r', length));
        events.push_back("R" + std::string(name) + '\0' + std::string(payload, length));
    }
    void ring_bell() override { bells++; }
    void set_hidden_input() override { events.push_back("H"); }
    void set_normal_input() override { events.push_back("N"); }
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz_quiet_log();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The first bytes choose the cuts; the rest is the stream.
    FuzzedDataProvider fdp(data, size);
    std::vector<int> cuts;
    int pieces = fdp.ConsumeIntegralInRange<int>(0, 16);
    for (int i = 0; i < pieces; i++)
        cuts.push_back(fdp.ConsumeIntegralInRange<int>(0, 4096));
    std::vector<char> stream = fdp.ConsumeRemainingBytes<char>();
    const int n = static_cast<int>(stream.size());

    checking_sink whole;
    tagged_stream_parser a(&whole);
    a.process_socket_data(stream.data(), n);

    checking_sink split;
    tagged_stream_parser b(&split);
    int at = 0;
    for (int cut : cuts) {
        int take = cut < n - at ? cut : n - at;
        b.process_socket_data(stream.data() + at, take);
        at += take;
    }
    b.process_socket_data(stream.data() + at, n - at);

    FUZZ_CHECK(whole.events == split.events);
    FUZZ_CHECK(whole.bells == split.bells);
    FUZZ_CHECK(a.state() == b.state());
    FUZZ_CHECK(std::strcmp(a.start_name(), b.start_name()) == 0);

    // A reset in the middle of a record drops it; parsing goes on.
    b.reset();
    b.process_socket_data(stream.data(), n);
    return 0;
}
