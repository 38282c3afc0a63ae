// vantorn-club: the club server. One process, one thread: the web service on Qt HttpServer,
// the tournament relay on ten TCP ports, everything kept in one SQLite database.
#include <sodium.h>

#include <QtCore/QCoreApplication>
#include <QtNetwork/QHostAddress>
#include <QtNetwork/QTcpServer>

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

#include "club_db.h"
#include "club_service.h"
#include "http_front.h"
#include "relay.h"

namespace {

const char* const kUsage =
    "usage: vantorn-club --db FILE --http HOST:PORT --relay-base PORT --ftp-dir DIR\n"
    "                    [--static DIR] [--pause-top-lists] [--pause-chat]\n"
    "  --db FILE          the club's SQLite database (created on first start)\n"
    "  --http HOST:PORT   address of the web service (port 0: any free port)\n"
    "  --relay-base PORT  tournament table t listens on PORT + t (t = 1..10)\n"
    "  --ftp-dir DIR      the players' pictures <nick>.jpg, where FTP uploads land\n"
    "  --static DIR       musik/, downloads/progr/cards/, progr/cards.html (default: the db's folder)\n"
    "  --pause-top-lists  the directory document switches the world top lists off\n"
    "  --pause-chat       the directory document switches the chat off\n";

bool parsePort(const std::string& text, int& port) {
    if (text.empty() || text.size() > 5 || text.find_first_not_of("0123456789") != std::string::npos) return false;
    port = std::stoi(text);
    return port <= 65535;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    vantorn::club::ClubConfig config;
    std::string dbPath, http;
    bool haveRelay = false, haveStatic = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) {
                std::cerr << "vantorn-club: " << arg << " needs a value\n" << kUsage;
                std::exit(2);
            }
            return argv[++i];
        };
        if (arg == "--db") dbPath = value();
        else if (arg == "--http") http = value();
        else if (arg == "--relay-base") {
            if (!parsePort(value(), config.relayBase) || config.relayBase + vantorn::club::kTables > 65535) {
                std::cerr << "vantorn-club: bad --relay-base\n";
                return 2;
            }
            haveRelay = true;
        } else if (arg == "--ftp-dir") config.ftpDir = value();
        else if (arg == "--static") {
            config.staticDir = value();
            haveStatic = true;
        } else if (arg == "--pause-top-lists") config.pauseTopLists = true;
        else if (arg == "--pause-chat") config.pauseChat = true;
        else if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return 0;
        } else {
            std::cerr << "vantorn-club: unknown option " << arg << "\n" << kUsage;
            return 2;
        }
    }
    auto colon = http.rfind(':');
    if (dbPath.empty() || config.ftpDir.empty() || !haveRelay || colon == std::string::npos ||
        !parsePort(http.substr(colon + 1), config.httpPort)) {
        std::cerr << kUsage;
        return 2;
    }
    config.httpHost = http.substr(0, colon);
    if (config.httpHost == "localhost") config.httpHost = "127.0.0.1";
    if (config.httpHost.size() > 2 && config.httpHost.front() == '[' && config.httpHost.back() == ']')
        config.httpHost = config.httpHost.substr(1, config.httpHost.size() - 2);
    if (!haveStatic) config.staticDir = std::filesystem::absolute(dbPath).parent_path().string();
    QHostAddress address;
    if (!address.setAddress(QString::fromStdString(config.httpHost))) {
        std::cerr << "vantorn-club: --http needs a numeric address or localhost\n";
        return 2;
    }
    if (sodium_init() < 0) {
        std::cerr << "vantorn-club: libsodium failed to start\n";
        return 1;
    }

    std::unique_ptr<vantorn::club::Database> db;
    try {
        db = std::make_unique<vantorn::club::Database>(dbPath);
    } catch (const std::exception& e) {
        std::cerr << "vantorn-club: " << e.what() << "\n";
        return 1;
    }

    // The listening port is known before the service is built, so that its answers name it.
    QTcpServer* listener = vantorn::club::HttpFront::makeListener(&app);
    if (!listener->listen(address, static_cast<quint16>(config.httpPort))) {
        std::cerr << "vantorn-club: cannot listen on " << http << "\n";
        return 1;
    }
    config.httpPort = listener->serverPort();
    vantorn::club::ClubService service(*db, config);
    vantorn::club::HttpFront front(service);
    front.bind(listener);

    vantorn::club::Relay relay(service, address, config.relayBase);
    if (!relay.start()) {
        std::cerr << "vantorn-club: cannot listen on the relay ports " << config.relayBase + 1 << ".."
                  << config.relayBase + vantorn::club::kTables << "\n";
        return 1;
    }
    std::printf("vantorn-club ready http=%d relay=%d\n", config.httpPort, config.relayBase);
    std::fflush(stdout);
    return app.exec();
}
