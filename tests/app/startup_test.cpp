// Starts the real client on the test display.
#include <wx/defs.h>

#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>

#include "tests/common/client_process.h"
#include "tests/common/test_home.h"

static const int start_wait_ms = 30000;

static std::string fresh_dir(const char *name)
{
    std::string dir = test_home() + "/" + name;
    mkdir(dir.c_str(), 0700);
    return dir;
}

static bool is_dir(const std::string &path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

TEST(startup, boots_reads_the_command_line_and_makes_the_config_directory)
{
    std::string home = fresh_dir("home");
    client_process client;
    ASSERT_TRUE(client.start({"-l", "2.3", "-n", "--server", "127.0.0.1:1"}, home.c_str(), home));
    ASSERT_TRUE(client.wait_for("OnInit(), got screen/display size of ", start_wait_ms)) << client.output();
    const std::string &out = client.output();
    std::string expected[] = {
        "--------------------------- BOOT START --------------------------\n",
        "Trying " + home + "/.Veymoor\n",
        "load_system_config_directory() - got final config directory '" + home + "/.Veymoor'.\n",
        "DEBUG - Command line executable name:  ",
        "DEBUG - Command line launcher flag:    -l\n"
        "DEBUG - Command line launcher version: 2.3\n"
        "DEBUG - Command line old launcher:     -n\n",
    };
    size_t at = 0;
    for (const std::string &line : expected) {
        size_t found = out.find(line, at);
        ASSERT_NE(found, std::string::npos) << "missing in order: " << line << "\n" << out;
        at = found + line.size();
    }
    EXPECT_TRUE(is_dir(home + "/.Veymoor"));
    client.stop();
}

TEST(startup, without_home_uses_the_working_directory)
{
    std::string dir = fresh_dir("nohome");
    client_process client;
    ASSERT_TRUE(client.start({"--server", "127.0.0.1:1"}, nullptr, dir));
    ASSERT_TRUE(client.wait_for("got final config directory", start_wait_ms)) << client.output();
    EXPECT_NE(client.output().find("Unable to fetch home directory - please set HOME environment variable and "
                                   "restart.\nTrying .Veymoor\n"),
              std::string::npos)
        << client.output();
    EXPECT_TRUE(is_dir(dir + "/.Veymoor"));
}
