// skiff-demo-server: a small local game server for trying the client.
//   skiff-demo-server [--port N]     default 3102; 0 picks a free port
// It listens on 127.0.0.1 only, with a self-signed certificate made at
// start, prints "listening on 127.0.0.1:PORT" and serves until SIGINT or
// SIGTERM.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "tools/skiff-demo-server/demo_server.h"

static volatile sig_atomic_t stop_requested = 0;

static void request_stop(int)
{
    stop_requested = 1;
}

static void install_signals()
{
    struct sigaction action;
    memset(&action, 0, sizeof(action));
    action.sa_handler = request_stop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    signal(SIGPIPE, SIG_IGN);
}

static bool parse_port(const char *text, int *port)
{
    char *end = nullptr;
    long value = strtol(text, &end, 10);
    if (!text[0] || *end || value < 0 || value > 65535)
        return false;
    *port = static_cast<int>(value);
    return true;
}

int main(int argc, char **argv)
{
    int port = 3102;
    for (int i = 1; i < argc; ++i) {
        if (strcmp(argv[i], "--port") == 0 && i + 1 < argc && parse_port(argv[i + 1], &port)) {
            ++i;
        } else {
            fprintf(stderr, "usage: %s [--port N]   (N 0..65535, 0 picks a free port; default 3102)\n",
                    argv[0]);
            return 2;
        }
    }
    install_signals();
    srand(static_cast<unsigned>(time(nullptr)));
    demo_server server;
    if (!server.listen_on(port)) {
        fprintf(stderr, "skiff-demo-server: cannot listen on 127.0.0.1:%d\n", port);
        return 1;
    }
    printf("skiff-demo-server listening on 127.0.0.1:%d\n", server.port());
    fflush(stdout);
    int status = server.run(&stop_requested);
    printf("skiff-demo-server stopped\n");
    return status;
}
