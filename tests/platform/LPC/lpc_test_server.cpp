// A host stand-in in a process of its own, so tests can kill it mid-call. Serves
// argv[1] in $QORVA_LPC_DIR, echoes request bodies, blocks forever on the body "block".
// Prints "ready" once listening and "blocked" when a request is stuck, one per line.

#include <LPC_Server/LPCServer.h>

#include <condition_variable>
#include <cstdio>
#include <mutex>

int main(int argc, char **argv)
{
    if (argc < 2)
        return 2;
    std::mutex mutex;
    std::condition_variable never;
    lpcserver::CLpcServer server;
    server.setRequestHandler([&](const lpcserver::ClientRequest &request) {
        if (request.message.body == "block") {
            std::printf("blocked\n");
            std::fflush(stdout);
            std::unique_lock<std::mutex> lock(mutex);
            never.wait(lock, [] { return false; });
        }
        lpcserver::Message answer;
        answer.body = request.message.body;
        return answer;
    });
    if (!server.start(argv[1])) {
        std::fprintf(stderr, "%s\n", server.lastError().c_str());
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    std::unique_lock<std::mutex> lock(mutex);
    never.wait(lock, [] { return false; });
    return 0;
}
