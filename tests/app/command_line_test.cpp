#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/display_size.h"
#include "app/server_address.h"
#include "tests/common/log_tail.h"

namespace {
struct result {
    std::string version, host;
    int port;
    std::string log;
};

result run(std::vector<const char *> args)
{
    launcher_version[0] = 0;
    set_game_server("game.veymoor.com:3102");
    args.insert(args.begin(), "skiff");
    log_tail log;
    read_command_line(static_cast<int>(args.size()), args.data());
    return result{launcher_version, game_server_host(), game_server_port(), log.text()};
}
}

TEST(command_line, launcher_arguments)
{
    struct row {
        std::vector<const char *> args;
        const char *version;
    } rows[] = {
        {{"-l", "2.3", "-n"}, "(old style launcher)"},
        {{"-n", "-l", "2.3"}, "2.3"},
        {{"-l"}, ""},
        {{"-L", "x"}, "x"},
        {{"-l", "-n"}, "-n"},
        {{"-l", "-l"}, "-l"},
        {{"-N"}, "(old style launcher)"},
        {{"-x", "2.3"}, ""},
    };
    for (const row &r : rows)
        EXPECT_EQ(run(r.args).version, r.version) << r.args.size();
}

TEST(command_line, log_lines)
{
    result r = run({"-l", "2.3", "-n", "what"});
    EXPECT_EQ(r.log,
              "DEBUG - Command line executable name:  skiff\n"
              "DEBUG - Command line launcher flag:    -l\n"
              "DEBUG - Command line launcher version: 2.3\n"
              "DEBUG - Command line old launcher:     -n\n"
              "DEBUG - Unknown command line arg:      what\n");
}

TEST(command_line, version_is_cut_at_256_characters)
{
    std::string long_version(300, 'v');
    EXPECT_EQ(run({"-l", long_version.c_str()}).version, std::string(256, 'v'));
}

TEST(command_line, server_option)
{
    result r = run({"--server", "127.0.0.1:4000", "-n"});
    EXPECT_EQ(r.host, "127.0.0.1");
    EXPECT_EQ(r.port, 4000);
    EXPECT_EQ(r.version, "(old style launcher)");
    EXPECT_NE(r.log.find("DEBUG - Command line game server:      127.0.0.1:4000\n"), std::string::npos);

    r = run({"--SERVER", "localhost"});
    EXPECT_EQ(r.host, "localhost");
    EXPECT_EQ(r.port, 3102);

    for (const char *bad : {"host:0", "host:99999", "host:", ":4000", "ho st:1"}) {
        r = run({"-l", "1.0", "--server", bad});
        EXPECT_EQ(r.host, "game.veymoor.com") << bad;
        EXPECT_EQ(r.port, 3102) << bad;
        EXPECT_EQ(r.version, "1.0");
        EXPECT_NE(r.log.find("Warning in read_command_line(), malformed --server value"), std::string::npos);
    }

    // A missing value: the next option is still an option.
    r = run({"--server", "-n"});
    EXPECT_EQ(r.version, "(old style launcher)");
    EXPECT_EQ(r.host, "game.veymoor.com");
    EXPECT_NE(r.log.find("--server needs a value"), std::string::npos);
    r = run({"--server"});
    EXPECT_NE(r.log.find("--server needs a value"), std::string::npos);
    set_game_server("game.veymoor.com:3102");
}

TEST(display_size, bogus_sizes_are_replaced)
{
    struct row {
        int w, h, want_w, want_h;
        const char *log;
    } rows[] = {
        {1280, 1024, 1280, 1024, "OnInit(), got screen/display size of 1280, 1024.\n"},
        {0, 1024, 640, 1024, "Error in OnInit(), got bogus screen/display xsize of 0.  Setting to 640.\n"},
        {800, -3, 800, 480, "Error in OnInit(), got bogus screen/display ysize of -3.  Setting to 480.\n"},
    };
    for (const row &r : rows) {
        log_tail log;
        set_display_size(r.w, r.h);
        EXPECT_EQ(display_width, r.want_w);
        EXPECT_EQ(display_height, r.want_h);
        EXPECT_TRUE(log.contains(r.log)) << log.text();
    }
}
