// A Transport that records what the request layer sends and answers from a script.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "online/transport.h"

namespace vantorn::online::testing {

class FakeTransport : public Transport {
public:
    struct Sent {
        std::string url, body;
        int timeoutMs;
    };
    std::vector<Sent> sent;
    std::deque<std::optional<std::string>> answers;  // next answers; empty means failure
    int timeoutMs = 0;

    void setReadTimeout(int ms) override { timeoutMs = ms; }
    std::optional<std::string> post(const std::string& url, const std::string& body) override {
        sent.push_back({url, body, timeoutMs});
        return next();
    }
    std::optional<std::string> get(const std::string& url) override {
        sent.push_back({url, "", timeoutMs});
        return next();
    }
    bool ftpUpload(const FtpTarget&, const std::string& name, std::string_view) override {
        sent.push_back({"ftp", name, timeoutMs});
        return next().has_value();
    }
    void answer(std::optional<std::string> a) { answers.push_back(std::move(a)); }

private:
    std::optional<std::string> next() {
        if (answers.empty()) return std::nullopt;
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
};

}  // namespace vantorn::online::testing
