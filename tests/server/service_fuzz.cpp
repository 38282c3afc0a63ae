#include "service_fuzz.h"

#include <string>

#include "club_service.h"
#include "net/tour_frames.h"

namespace vantorn::club::testing {

bool serveOneRequest(ClubService& service, const uint8_t* data, std::size_t size) {
    static const char* const paths[] = {"/account", "/games", "/stats", "/tournament", "/avatars/x.jpg", "/x"};
    HttpRequest r;
    r.method = size > 0 && data[0] & 0x80 ? "GET" : "POST";
    r.path = paths[size > 0 ? data[0] % 6 : 0];
    if (size > 0) r.body.assign(reinterpret_cast<const char*>(data + 1), size - 1);
    r.userAgent = "TolvMirkPanuz";
    r.peer = "127.0.0.1";
    r.host = r.body.substr(0, 20);
    HttpReply reply = service.handle(r);
    return reply.status != 500;
}

void readTableFrames(const uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (auto direction : {net::TourReceiver::Direction::TowardsServer, net::TourReceiver::Direction::TowardsProgram}) {
        net::TourReceiver receiver(direction);
        for (std::size_t at = 0; at < bytes.size(); at += 7) {
            if (!receiver.feed(bytes.substr(at, 7))) continue;
            while (auto frame = receiver.next()) {
                net::parseTourDealFrame(*frame);
                net::parseTourResult(*frame);
                net::parseTourNext(*frame);
                net::tourChatText(*frame);
                net::tourFrameSeat(*frame);
            }
        }
    }
}

}  // namespace vantorn::club::testing

#ifdef VANTORN_FUZZ_ENTRY
#include <sodium.h>

#include "club_db.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static bool ready = sodium_init() >= 0;
    static vantorn::club::Database db(":memory:");
    static vantorn::club::ClubService service(db, vantorn::club::ClubConfig{});
    (void)ready;
    if (!vantorn::club::testing::serveOneRequest(service, data, size)) __builtin_trap();
    vantorn::club::testing::readTableFrames(data, size);
    return 0;
}
#endif
