// The address and port fields of the welcome dialog in network play.
#include "net/direct_address.h"

#include <gtest/gtest.h>

namespace vantorn::net {
namespace {

TEST(DirectAddress, ServerAddressNeedsFourGroupsOfOneToThreeDigits) {
  for (const char* ok : {"127.0.0.1", "999.1.1.1", "0.0.0.0", "192.168.100.254"})
    EXPECT_TRUE(isServerAddress(ok)) << ok;
  for (const char* bad : {"", "1.2.3", "1.2.3.", "1..2.3", ".1.2.3", "1.2.3.4.", "1.2.3.4.5",
                          "1234.1.1.1", "1.2.3.4567", "1.2.a.4", "...", "1.2.3.4 "})
    EXPECT_FALSE(isServerAddress(bad)) << bad;
}

TEST(DirectAddress, PortIsOneToFiveDigitsOfAUsablePort) {
  EXPECT_EQ(portNumber("25666"), 25666);
  EXPECT_EQ(portNumber("00080"), 80);
  EXPECT_EQ(portNumber("65535"), 65535);
  for (const char* bad : {"", "0", "65536", "99999", "123456", "8o", " 80", "-1"})
    EXPECT_FALSE(portNumber(bad)) << bad;
}

TEST(DirectAddress, ChecksOfOkInTheirOrder) {
  EXPECT_EQ(checkNetworkFields(true, "1.2.3.4", "25666"), NetworkCheck::Ok);
  EXPECT_EQ(checkNetworkFields(true, "1.2.3", ""), NetworkCheck::IncorrectAddress);
  EXPECT_EQ(checkNetworkFields(true, "1.2.3.4", ""), NetworkCheck::IncorrectPort);
  // The server has no address to check.
  EXPECT_EQ(checkNetworkFields(false, "", "25666"), NetworkCheck::Ok);
  EXPECT_EQ(checkNetworkFields(false, "", ""), NetworkCheck::IncorrectPort);
}

TEST(DirectAddress, FieldFiltersRestoreTheLastAcceptedContent) {
  struct Case {
    const char* field;
    bool client;
    const char* wantField;
    const char* wantLast;
  };
  const Case cases[] = {
      {"10.0.0.7", true, "10.0.0.7", "10.0.0.7"},
      {"10.0.0.x", true, "127.0.0.1", "127.0.0.1"},  // a letter: back to the last address
      {"", true, "", "127.0.0.1"},                   // an empty field is not remembered
      {"10.0.0.7", false, "10.0.0.7", "127.0.0.1"},  // the server remembers nothing
  };
  for (const Case& c : cases) {
    const AddressFilter f = filterAddressField(c.field, "127.0.0.1", c.client);
    EXPECT_EQ(f.field, c.wantField) << c.field;
    EXPECT_EQ(f.lastAddress, c.wantLast) << c.field;
  }
  EXPECT_EQ(filterPortField("2566a", "25666").field, "25666");
  const PortFilter p = filterPortField("80", "25666");
  EXPECT_EQ(p.field, "80");
  EXPECT_EQ(p.lastPort, "80");
  EXPECT_EQ(filterPortField("", "25666").lastPort, "");
}

}  // namespace
}  // namespace vantorn::net
