#include "answers_fuzz.h"

#include <string>

#include "fake_transport.h"
#include "online/answer_rules.h"
#include "online/service_addresses.h"
#include "online/service_client.h"
#include "online/text_cipher.h"

namespace vantorn::online::testing {

void readEveryAnswer(const uint8_t* data, std::size_t size) {
    const std::string answer(reinterpret_cast<const char*>(data), size);
    FakeTransport net;
    for (int i = 0; i < 40; ++i) net.answer(answer);
    ServiceClient c(net);
    c.RegisterUser("u", TQexUser{});
    c.ReadUser("u", "a", "b");
    c.ReadRatingTop10("u");
    c.ReadRatingPlace("u", 1.5);
    c.ReadClubSize("u");
    c.ReadQexs("u", "a");
    c.AddQexs("u", "a", 1);
    c.ReadInfo("u", "a");
    c.SaveInfo("u", "a", TInfo14{});
    c.ReadGame("u", "a", "b");
    c.WriteGame("u", "a", "b", TQexGame{});
    c.ReadTopList("u", 5);
    c.ReadTopListAround("u", 5, "a", "b");
    c.ReadTopListCount("u", 5);
    c.SubmitTopList("u", TopListEntry{});
    c.ReadTables("u");
    c.SetSeat("u", 1, 1, SeatChange::Take, TQexClient{});
    c.ReadSeat("u", 1, 1);
    c.ReadServerInfo("u");
    c.ReadTourRating("u", "a");
    c.ReadTourTop10("u", 's');
    c.ReadTourPlace("u", 'r', 3);
    c.ReadStats("u");
    c.SendLaunch("u", 1, 0);
    c.SendStats34("u", 1, "a");
    c.SendGameStats("u", {});
    readRating(answer);
    decipher(answer, kAddressKey);
    ServiceAddresses a = ServiceAddresses::builtIn();
    OnlineSwitches s;
    applyDirectory(answer, a, s);
    readDirectoryNews(answer);
    newsNumber(answer);
    rebaseAddresses(a, answer);
    if (listRecords(answer).size() > kMaxListRecords) __builtin_trap();
}

}  // namespace vantorn::online::testing

#ifdef VANTORN_FUZZ_ENTRY
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    vantorn::online::testing::readEveryAnswer(data, size);
    return 0;
}
#endif
