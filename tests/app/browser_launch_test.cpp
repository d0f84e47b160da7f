#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "app/browser_launch.h"
#include "tests/common/log_tail.h"
#include "tests/common/test_home.h"

namespace {

// A "firefox" first in PATH that records each argument on its own line and
// exits with the given status.
class fake_browser {
public:
    explicit fake_browser(int status)
    {
        dir_ = test_home() + "/fakebin" + std::to_string(status);
        mkdir(dir_.c_str(), 0700);
        record_ = dir_ + "/argv.txt";
        std::string script = dir_ + "/firefox";
        FILE *f = std::fopen(script.c_str(), "w");
        std::fprintf(f, "#!/bin/sh\nfor a in \"$@\"; do printf '%%s\\n' \"$a\"; done > '%s'\nexit %d\n",
                     record_.c_str(), status);
        std::fclose(f);
        chmod(script.c_str(), 0700);
        const char *old = std::getenv("PATH");
        old_path_ = old ? old : "";
        setenv("PATH", (dir_ + ":" + old_path_).c_str(), 1);
    }
    ~fake_browser() { setenv("PATH", old_path_.c_str(), 1); }
    std::string arguments() const { return read_file(record_); }

private:
    std::string dir_, record_, old_path_;
};

}  // namespace

TEST(browser_launch, url_is_one_argument_and_never_reaches_a_shell)
{
    fake_browser browser(0);
    const char *links[] = {
        "http://example.com/$(touch${IFS}x)",
        "http://example.com/`touch y`",
        "http://example.com/a\"; touch z; \"",
        "http://example.com/a b?c=1&d=2;e|f",
    };
    for (const char *url : links) {
        EXPECT_TRUE(run_browser(url)) << url;
        EXPECT_EQ(browser.arguments(), std::string(url) + "\n");
    }
    for (const char *f : {"x", "y", "z"})
        EXPECT_NE(access(f, F_OK), 0) << f << " was created by a shell";
}

TEST(browser_launch, long_urls_are_cut_and_options_refused)
{
    fake_browser browser(0);
    std::string url = "http://example.com/" + std::string(2000, 'a');
    EXPECT_TRUE(run_browser(url.c_str()));
    EXPECT_EQ(browser.arguments(), url.substr(0, browser_url_limit) + "\n");
    EXPECT_FALSE(run_browser("-profile /tmp/x"));
    EXPECT_FALSE(run_browser(nullptr));
}

TEST(browser_launch, only_exit_status_zero_is_success)
{
    {
        fake_browser failing(3);
        EXPECT_FALSE(run_browser("http://example.com/"));
        EXPECT_EQ(failing.arguments(), "http://example.com/\n");
    }
    const char *old = std::getenv("PATH");
    std::string saved = old ? old : "";
    setenv("PATH", (test_home() + "/nothing-here").c_str(), 1);
    EXPECT_FALSE(run_browser("http://example.com/"));
    setenv("PATH", saved.c_str(), 1);
    EXPECT_EQ(browser_failure_message("http://x/"),
              "\n\nSorry, but I can't seem invoke the FireFox browser.  This is the only browser I currently "
              "trust.\nYou can try to get to the link manually by going to:\n\nhttp://x/\n\n");
}
