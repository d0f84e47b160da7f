#include "app/server_address.h"

#include <cstdlib>
#include <cstring>

const char *const default_game_host = "game.veymoor.com";
const int default_game_port = 3102;
const char *const game_web_host = "www.veymoor.com";

static char server_host[256] = "game.veymoor.com";
static int server_port = 3102;

const char *game_server_host()
{
    return server_host;
}

int game_server_port()
{
    return server_port;
}

static bool host_is_valid(const char *host, size_t len)
{
    if (len == 0 || len > 255)
        return false;
    for (size_t i = 0; i < len; i++)
        if (host[i] <= ' ' || host[i] > '~')
            return false;
    return true;
}

bool set_game_server(const char *value)
{
    if (!value)
        return false;
    const char *colon = std::strrchr(value, ':');
    size_t host_len = colon ? static_cast<size_t>(colon - value) : std::strlen(value);
    if (!host_is_valid(value, host_len))
        return false;
    int port = server_port;
    if (colon) {
        const char *p = colon + 1;
        if (*p == 0 || std::strlen(p) > 5 || std::strspn(p, "0123456789") != std::strlen(p))
            return false;
        port = std::atoi(p);
        if (port < 1 || port > 65535)
            return false;
    }
    std::memcpy(server_host, value, host_len);
    server_host[host_len] = 0;
    server_port = port;
    return true;
}
