// Random and damaged answers through every reader: nothing crashes (run it in the sanitizer
// build to see every stray read), the readers stay within their limits, and the codecs that
// must round-trip do so on any bytes.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "answers_fuzz.h"
#include "online/answer_rules.h"
#include "online/forms.h"
#include "online/text_cipher.h"

using namespace vantorn::online;

namespace {

void feed(const std::string& s) {
    vantorn::online::testing::readEveryAnswer(reinterpret_cast<const uint8_t*>(s.data()), s.size());
    EXPECT_LE(listRecords(s).size(), kMaxListRecords);
}

std::string randomBytes(std::mt19937& random, std::size_t maxLength) {
    std::string s(random() % (maxLength + 1), ' ');
    for (auto& c : s) c = static_cast<char>(random() % 256);
    return s;
}

}  // namespace

TEST(AnswerRobustness, RandomAndCutAnswers) {
    const std::string real[] = {
        "$1 17 250 Ivan 1-001 Omsk M 5.7f # #*$2 18 240 Olga 1-002 Tula W 5.7f # #*",
        "$Moscow Russia 1-001 W a@b.ru 01.02.2025 xxx xxx xxx 150 0 0#",
        "$10 127.0.0.1 5010 Y 0 X Ann 5 2 1010 Russia Omsk W 1.2.3.4 X 0 0 0 X X M X*",
        "$Ivan~~Petrov#", "$15", "$ok#", "WTGamesPatt=abc#StatPath=#NewsVantorn5.3=Y#a#b",
    };
    std::mt19937 random(12345);
    for (const auto& r : real) {
        for (std::size_t cut = 0; cut <= r.size(); ++cut) feed(r.substr(0, cut));
        for (int i = 0; i < 200; ++i) {
            std::string damaged = r;
            damaged[random() % damaged.size()] = static_cast<char>(random() % 256);
            feed(damaged);
        }
    }
    const char alphabet[] = "$*#~ 0123456789-.,ok noisxX\r\n\xFF";
    for (int i = 0; i < 2000; ++i) {
        std::string s(random() % 300, ' ');
        for (auto& c : s) c = alphabet[random() % (sizeof alphabet - 1)];
        feed(s);
    }
    feed(std::string(100000, '$'));
    feed(std::string(100000, '~'));
}

TEST(AnswerRobustness, CodecsRoundTripAnyBytes) {
    std::mt19937 random(777);
    for (int i = 0; i < 500; ++i) {
        std::string plain = randomBytes(random, 80);
        EXPECT_EQ(decipher(encipher(plain, kAccountKey), kAccountKey), plain);
        FormFields fields = {{"k" + std::to_string(i), plain}, {"x", randomBytes(random, 10)}};
        EXPECT_EQ(parseFormBody(encodedBody(fields), 4), fields);
        // A text that is not our Base64 deciphers to nothing or to something, never a crash.
        decipher(plain, kAddressKey);
    }
}
