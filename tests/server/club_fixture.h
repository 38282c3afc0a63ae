// A test with its own vantorn-club (fresh database) and the real client library pointed at it.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "club_process.h"
#include "online/curl_transport.h"
#include "online/service_addresses.h"
#include "online/service_client.h"

namespace vantorn::club::testing {

class ClubFixture : public ::testing::Test {
protected:
    void SetUp() override { start({}); }

    void start(ClubProcess::Options options) {
        club.reset();
        club = std::make_unique<ClubProcess>(dir.path(), std::move(options));
        addresses = online::ServiceAddresses::builtIn();
        ASSERT_TRUE(online::rebaseAddresses(addresses, club->base()));
    }

    std::string account() const { return addresses.address(online::ServiceRole::Account); }
    std::string games() const { return addresses.address(online::ServiceRole::Games); }
    std::string stats() const { return addresses.address(online::ServiceRole::Statistics); }
    std::string tournament() const { return addresses.address(online::ServiceRole::Tournament); }

    // A valid account form for nick.
    static online::TQexUser user(const std::string& nick, const std::string& pw = "secret1") {
        online::TQexUser u;
        u.Nick = nick;
        u.Pw = pw;
        u.City = "Omsk";
        u.Country1 = "Russia";
        u.Country2 = "1-001";
        u.Sex = 'M';
        u.EMail = "a@b.ru";
        u.DateR = "11.12.2026";
        u.R01 = u.R02 = u.R03 = "xxx";
        return u;
    }

    void registerUser(const std::string& nick, const std::string& pw = "secret1") {
        ASSERT_EQ(client.RegisterUser(account(), user(nick, pw)), online::RegisterOutcome::Created) << nick;
    }

    // A raw POST with the service's user agent.
    std::string post(const std::string& path, const std::string& body, const std::string& agent = "TolvMirkPanuz") {
        return rawHttp(club->httpPort(), "POST " + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\nUser-Agent: " + agent +
                                             "\r\nContent-Type: application/x-www-form-urlencoded\r\n"
                                             "Content-Length: " + std::to_string(body.size()) +
                                             "\r\nConnection: close\r\n\r\n" + body);
    }

    TempDir dir;
    std::unique_ptr<ClubProcess> club;
    online::ServiceAddresses addresses;
    online::CurlTransport net;
    online::ServiceClient client{net};
};

}  // namespace vantorn::club::testing
