// Test helpers: a real vantorn-club on loopback with a fresh database in a temporary
// folder, a real vsftpd for picture uploads, and small raw socket tools. Every process is
// started here and stopped here, by its own id.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vantorn::club::testing {

// A fresh temporary folder, removed with its contents on destruction.
class TempDir {
public:
    TempDir();
    ~TempDir();
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// A port on 127.0.0.1 that was free a moment ago.
int freePort();

class ClubProcess {
public:
    struct Options {
        std::filesystem::path db;       // default: <dir>/club.db
        std::filesystem::path ftpDir;   // default: <dir>/avatars
        std::vector<std::string> extra; // further arguments
    };
    // Starts vantorn-club in dir and waits until it is ready; throws when it does not start.
    ClubProcess(const std::filesystem::path& dir, Options options);
    explicit ClubProcess(const std::filesystem::path& dir) : ClubProcess(dir, Options{}) {}
    ~ClubProcess();
    ClubProcess(const ClubProcess&) = delete;
    ClubProcess& operator=(const ClubProcess&) = delete;

    std::string base() const { return "http://127.0.0.1:" + std::to_string(httpPort_); }
    int httpPort() const { return httpPort_; }
    int relayBase() const { return relayBase_; }
    const Options& options() const { return options_; }
    // SIGTERM (or SIGKILL) and wait.
    void stop(bool kill = false);

private:
    Options options_;
    pid_t pid_ = -1;
    int httpPort_ = 0;
    int relayBase_ = 0;
};

// vsftpd with anonymous upload into root/avatars; nullopt (test skipped) when it cannot run.
class FtpServer {
public:
    static std::optional<int> available();
    FtpServer(const std::filesystem::path& root);
    ~FtpServer();
    int port() const { return port_; }
    bool running() const { return pid_ > 0; }

private:
    pid_t pid_ = -1;
    int port_ = 0;
};

// One raw HTTP exchange on a fresh connection; the whole response (status line included).
std::string rawHttp(int port, const std::string& request);

// A blocking TCP client on 127.0.0.1.
class TcpClient {
public:
    explicit TcpClient(int port);
    ~TcpClient();
    bool connected() const { return fd_ >= 0; }
    void send(const std::string& bytes);
    // Exactly n bytes, or what arrived before the time-out or the peer closed.
    std::string receive(std::size_t n, int timeoutMs = 5000);
    // What the first read within the time-out brings (empty on time-out or close).
    std::string receiveSome(int timeoutMs);
    // True when the peer closed or reset the connection within the time-out.
    bool closedByPeer(int timeoutMs = 5000);
    void close();

private:
    int fd_ = -1;
};

}  // namespace vantorn::club::testing
