#include <gtest/gtest.h>

#include <string>

#include "config/skiff_config.h"
#include "protocol/tagged_stream_parser.h"
#include "protocol/text_run_router.h"

namespace {

struct display : text_run_display {
    std::string text;
    bool fresh = false;
    int refreshes = 0;
    void write_ansi_data(const char *data, int length) override
    {
        text.append(data, length);
        fresh = true;
    }
    void clear_new_data() override { fresh = false; }
    bool has_new_data() const override { return fresh; }
    void refresh_text() override { ++refreshes; }
};

struct channels : channel_text_output {
    std::string text;
    int clears = 0;
    int refreshes = 0;
    void display_socket_data(const char *data, int length) override { text.append(data, length); }
    void clear_channel_new_data() override { ++clears; }
    void refresh_channels_with_new_data() override { ++refreshes; }
};

// The main frame's part: runs to the router, records dropped here.
struct frame_sink : tagged_stream_sink {
    text_run_router *router;
    explicit frame_sink(text_run_router *r) : router(r) {}
    void begin_chunk() override { router->begin_chunk(); }
    void end_chunk() override { router->end_chunk(); }
    void text_run(const char *data, int length) override { router->route(data, length); }
    void process_tagged_data(const char *, const char *, int) override {}
    void ring_bell() override {}
    void set_hidden_input() override {}
    void set_normal_input() override {}
};

struct router_fixture : testing::Test {
    SkiffConfig config;
    display main_output;
    display popup;
    channels chan;
    text_run_router router{&config, &main_output, &chan};
    frame_sink sink{&router};
    tagged_stream_parser parser{&sink};

    void SetUp() override { config.setup_default_config(nullptr); }
    void feed(const std::string &s) { parser.process_socket_data(s.data(), static_cast<int>(s.size())); }
};

}  // namespace

TEST_F(router_fixture, main_output_is_refreshed_once_per_chunk_that_gave_it_text)
{
    std::string big(7000, 'x');
    feed("one;tcombat;two;;three" + big);
    EXPECT_EQ(main_output.refreshes, 1);
    EXPECT_EQ(main_output.text, "onetwo;three" + big);
    feed(";sgroup;1 2;egroup;");  // no text in this chunk
    EXPECT_EQ(main_output.refreshes, 1);
    EXPECT_EQ(chan.clears, 2);
    EXPECT_EQ(chan.refreshes, 2);
}

TEST_F(router_fixture, output_target_and_channel_divert)
{
    router.set_output_target(&popup);
    feed("to popup");
    EXPECT_EQ(popup.text, "to popup");
    EXPECT_EQ(main_output.text, "");

    // A channel divert takes precedence; with the channel window off the
    // text is also shown in the main output.
    router.channel_divert = true;
    config.set_channel_window_enable(0);
    feed("a");
    config.set_channel_window_enable(1);
    config.set_channel_window_dupe(0);
    feed("b");
    config.set_channel_window_dupe(1);
    feed("c");
    EXPECT_EQ(chan.text, "abc");
    EXPECT_EQ(main_output.text, "ac");
    EXPECT_EQ(popup.text, "to popup");

    router.channel_divert = false;
    router.set_output_target(nullptr);
    feed("d");
    EXPECT_EQ(main_output.text, "acd");
}
