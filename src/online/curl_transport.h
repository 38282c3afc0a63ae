// The real Transport on libcurl: one easy handle is the shared connection of every POST
// (kept alive between requests, with the sticky read time-out); documents and pictures use a
// fresh handle each; the picture upload is an FTP STOR in passive mode.
#pragma once

#include <cstddef>

#include "transport.h"

namespace vantorn::online {

// Answers longer than this are refused (a service answer is a few kilobytes; a picture is
// 200 by 250 pixels).
inline constexpr std::size_t kMaxAnswerBytes = 4 * 1024 * 1024;

class CurlTransport final : public Transport {
public:
    CurlTransport();
    ~CurlTransport() override;
    CurlTransport(const CurlTransport&) = delete;
    CurlTransport& operator=(const CurlTransport&) = delete;

    void setReadTimeout(int milliseconds) override;
    std::optional<std::string> post(const std::string& url, const std::string& body) override;
    std::optional<std::string> get(const std::string& url) override;
    bool ftpUpload(const FtpTarget& target, const std::string& name, std::string_view bytes) override;

private:
    void* shared_ = nullptr;  // CURL*
    long timeoutMs_ = 0;
};

}  // namespace vantorn::online
