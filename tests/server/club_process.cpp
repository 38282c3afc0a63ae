#include "club_process.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <random>
#include <stdexcept>
#include <thread>

namespace fs = std::filesystem;

namespace vantorn::club::testing {

namespace {

int bindLoopback(int port) {
    int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<uint16_t>(port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool portsFree(int first, int count) {
    for (int p = first; p < first + count; ++p) {
        int fd = bindLoopback(p);
        if (fd < 0) return false;
        ::close(fd);
    }
    return true;
}

int connectLoopback(int port) {
    int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<uint16_t>(port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

pid_t spawn(const std::vector<std::string>& argv, int stdoutFd) {
    // Everything the child needs is made before fork: after it only exec-safe calls.
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    pid_t pid = ::fork();
    if (pid == 0) {
        if (stdoutFd >= 0) {
            ::dup2(stdoutFd, 1);
        } else {
            int devnull = ::open("/dev/null", O_WRONLY);
            ::dup2(devnull, 1);
        }
        ::execv(args[0], args.data());
        ::_exit(127);
    }
    return pid;
}

void stopProcess(pid_t& pid, int signal) {
    if (pid <= 0) return;
    ::kill(pid, signal);
    int status = 0;
    ::waitpid(pid, &status, 0);
    pid = -1;
}

}  // namespace

TempDir::TempDir() {
    std::string tmpl = (fs::temp_directory_path() / "vantorn-club-test-XXXXXX").string();
    if (!::mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
    path_ = tmpl;
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

int freePort() {
    int fd = bindLoopback(0);
    sockaddr_in a{};
    socklen_t len = sizeof a;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
    int port = ntohs(a.sin_port);
    ::close(fd);
    return port;
}

ClubProcess::ClubProcess(const fs::path& dir, Options options) : options_(std::move(options)) {
    if (options_.db.empty()) options_.db = dir / "club.db";
    if (options_.ftpDir.empty()) options_.ftpDir = dir / "avatars";
    fs::create_directories(options_.ftpDir);
    std::mt19937 random(std::random_device{}());
    for (int attempt = 0; attempt < 20; ++attempt) {
        // Eleven consecutive ports: the base itself stays unused, tables take base+1..base+10.
        int base = 20000 + static_cast<int>(random() % 30000);
        if (!portsFree(base + 1, 10)) continue;
        int pipeFds[2];
        if (::pipe(pipeFds) != 0) throw std::runtime_error("pipe failed");
        std::vector<std::string> argv = {VANTORN_CLUB_BINARY, "--db", options_.db.string(), "--http", "127.0.0.1:0",
                                         "--relay-base", std::to_string(base), "--ftp-dir", options_.ftpDir.string()};
        argv.insert(argv.end(), options_.extra.begin(), options_.extra.end());
        pid_ = spawn(argv, pipeFds[1]);
        ::close(pipeFds[1]);
        // Wait for the ready line (or the end of the output when it failed to start).
        std::string out;
        pollfd p{pipeFds[0], POLLIN, 0};
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (out.find('\n') == std::string::npos && std::chrono::steady_clock::now() < deadline) {
            if (::poll(&p, 1, 200) > 0) {
                char buf[256];
                ssize_t n = ::read(pipeFds[0], buf, sizeof buf);
                if (n <= 0) break;
                out.append(buf, static_cast<std::size_t>(n));
            }
        }
        ::close(pipeFds[0]);
        auto pos = out.find("http=");
        if (pos != std::string::npos) {
            httpPort_ = std::atoi(out.c_str() + pos + 5);
            relayBase_ = base;
            return;
        }
        stopProcess(pid_, SIGKILL);
    }
    throw std::runtime_error("vantorn-club did not start");
}

ClubProcess::~ClubProcess() { stop(); }

void ClubProcess::stop(bool kill) { stopProcess(pid_, kill ? SIGKILL : SIGTERM); }

std::optional<int> FtpServer::available() {
    if (::geteuid() != 0 || ::access("/usr/sbin/vsftpd", X_OK) != 0) return std::nullopt;
    return 1;
}

FtpServer::FtpServer(const fs::path& root) {
    fs::create_directories(root / "avatars");
    fs::permissions(root, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                              fs::perms::others_read | fs::perms::others_exec);
    // The upload folder is written by vsftpd's unprivileged ftp user.
    fs::permissions(root / "avatars", fs::perms::all);
    for (int attempt = 0; attempt < 10 && pid_ < 0; ++attempt) {
        port_ = freePort();
        fs::path conf = root.parent_path() / "vsftpd.conf";
        // vsftpd's own empty, root-owned folder for its unprivileged parts.
        fs::path empty = root.parent_path() / "vsftpd-empty";
        fs::create_directories(empty);
        fs::permissions(empty, fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
        std::ofstream(conf) << "listen=YES\nlisten_ipv6=NO\nlisten_address=127.0.0.1\nlisten_port=" << port_
                            << "\nbackground=NO\nanonymous_enable=YES\nanon_upload_enable=YES\nwrite_enable=YES\n"
                               "anon_root=" << root.string()
                            << "\nno_anon_password=YES\nlocal_enable=NO\npasv_enable=YES\npasv_address=127.0.0.1\n"
                               "seccomp_sandbox=NO\nisolate=NO\nisolate_network=NO\nanon_umask=022\n"
                               "xferlog_enable=NO\nsecure_chroot_dir=" << empty.string() << "\n";
        pid_ = spawn({"/usr/sbin/vsftpd", conf.string()}, -1);
        // Ready when it accepts a connection.
        for (int i = 0; i < 50; ++i) {
            int fd = connectLoopback(port_);
            if (fd >= 0) {
                ::close(fd);
                return;
            }
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        stopProcess(pid_, SIGKILL);
    }
}

FtpServer::~FtpServer() { stopProcess(pid_, SIGTERM); }

std::string rawHttp(int port, const std::string& request) {
    TcpClient c(port);
    if (!c.connected()) return {};
    c.send(request);
    std::string all;
    for (;;) {
        std::string part = c.receiveSome(3000);
        if (part.empty()) break;
        all += part;
        if (all.find("\r\n\r\n") != std::string::npos) {
            auto lenPos = all.find("Content-Length: ");
            if (lenPos != std::string::npos) {
                std::size_t length = std::stoul(all.substr(lenPos + 16));
                if (all.size() >= all.find("\r\n\r\n") + 4 + length) break;
            }
        }
    }
    return all;
}

TcpClient::TcpClient(int port) { fd_ = connectLoopback(port); }
TcpClient::~TcpClient() { close(); }

void TcpClient::close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

void TcpClient::send(const std::string& bytes) {
    std::size_t done = 0;
    while (fd_ >= 0 && done < bytes.size()) {
        ssize_t n = ::send(fd_, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (n <= 0) return;
        done += static_cast<std::size_t>(n);
    }
}

std::string TcpClient::receive(std::size_t n, int timeoutMs) {
    std::string out;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (fd_ >= 0 && out.size() < n) {
        int left = static_cast<int>(
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count());
        if (left <= 0) break;
        pollfd p{fd_, POLLIN, 0};
        if (::poll(&p, 1, left) <= 0) break;
        char buf[4096];
        ssize_t got = ::recv(fd_, buf, std::min(sizeof buf, n - out.size()), 0);
        if (got <= 0) break;
        out.append(buf, static_cast<std::size_t>(got));
    }
    return out;
}

std::string TcpClient::receiveSome(int timeoutMs) {
    pollfd p{fd_, POLLIN, 0};
    if (fd_ < 0 || ::poll(&p, 1, timeoutMs) <= 0) return {};
    char buf[65536];
    ssize_t got = ::recv(fd_, buf, sizeof buf, 0);
    return got > 0 ? std::string(buf, static_cast<std::size_t>(got)) : std::string();
}

bool TcpClient::closedByPeer(int timeoutMs) {
    pollfd p{fd_, POLLIN, 0};
    if (fd_ < 0 || ::poll(&p, 1, timeoutMs) <= 0) return false;
    char c;
    // An orderly close (0) or a reset (-1) both end the connection.
    return ::recv(fd_, &c, 1, MSG_PEEK) <= 0;
}

}  // namespace vantorn::club::testing
