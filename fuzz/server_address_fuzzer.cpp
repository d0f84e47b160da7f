// The "--server HOST[:PORT]" value: any text is accepted or refused as a
// whole, and an accepted one leaves a printable host and a port in range.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "app/server_address.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz_quiet_log();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::string value(reinterpret_cast<const char *>(data), size);
    std::vector<char> exact(value.c_str(), value.c_str() + std::strlen(value.c_str()) + 1);
    std::string host_before = game_server_host();
    int port_before = game_server_port();
    bool ok = set_game_server(exact.data());
    const char *host = game_server_host();
    int port = game_server_port();
    size_t length = std::strlen(host);
    if (!ok) {
        FUZZ_CHECK(host_before == host && port_before == port);
    } else {
        FUZZ_CHECK(length >= 1 && length <= 255);
        FUZZ_CHECK(std::strncmp(host, exact.data(), length) == 0);
    }
    for (size_t i = 0; i < length; i++)
        FUZZ_CHECK(host[i] > ' ' && host[i] <= '~');
    FUZZ_CHECK(port >= 1 && port <= 65535);
    // The next input starts from the built-in address again.
    FUZZ_CHECK(set_game_server("game.veymoor.com:3102"));
    return 0;
}
