#include <gtest/gtest.h>

#include "support/debug_log.h"
#include "support/dh_groups.h"
#include "support/ssl_context.h"
#include "tests/common/log_watch.h"

TEST(SslContext, DhGroupsByKeyLength)
{
    ASSERT_TRUE(init_ssl());
    {
        log_watch log;
        DH *group = get_tmp_dh_callback(nullptr, 0, 1024);
        EXPECT_NE(nullptr, group);
        EXPECT_EQ(group, get_tmp_dh_callback(nullptr, 0, 1024));
        EXPECT_EQ("", log.text());
    }
    {
        log_watch log;
        EXPECT_NE(nullptr, get_tmp_dh_callback(nullptr, 1, 512));
        EXPECT_EQ("Warning in get_tmp_dh_callback(), requested short key length  512, export 1.\n", log.text());
    }
    {
        log_watch log;
        EXPECT_EQ(nullptr, get_tmp_dh_callback(nullptr, 0, 2000));
        EXPECT_EQ("Warning in get_tmp_dh_callback(), unsupported key length 2000, export 0.\n", log.text());
    }
    for (int bits : {768, 1536, 2048, 3072, 4096})
        EXPECT_NE(nullptr, get_tmp_dh_callback(nullptr, 0, bits)) << bits;
}

TEST(SslContext, MissingCertificateFileFailsInit)
{
    shutdown_ssl();
    set_ssl_certificate_file("/nonexistent/cert.pem");
    log_watch log;
    // Both lines of a start-up failure are allocation-class reports: muting
    // the connection notes (0x100) keeps them.
    int saved_mask = report_mask;
    report_mask = 0x100;
    EXPECT_FALSE(init_ssl());
    report_mask = saved_mask;
    EXPECT_EQ(nullptr, ssl_context());
    EXPECT_TRUE(log.contains(
        "Error in init_ssl(), unable to load server certificate from file '/nonexistent/cert.pem'.\n"));
    EXPECT_TRUE(log.contains(" - err code 0.\n"));
    set_ssl_certificate_file(nullptr);
    EXPECT_TRUE(init_ssl());
    EXPECT_NE(nullptr, ssl_context());
}
