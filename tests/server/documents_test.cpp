// Documents, pictures, the IP echo, music and downloads, and the FTP picture upload.
#include <fstream>

#include "club_fixture.h"

using namespace vantorn;
using namespace vantorn::club::testing;
namespace fs = std::filesystem;

using Documents = ClubFixture;

namespace {

std::string smallJpeg() { return std::string("\xFF\xD8\xFF\xE0") + std::string(200, 'j') + "\xFF\xD9"; }

void writeFile(const fs::path& p, const std::string& bytes) {
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << bytes;
}

}  // namespace

TEST_F(Documents, DirectoryPointsAtThisClub) {
    auto doc = client.FetchDocument(addresses.address(online::ServiceRole::Directory));
    ASSERT_TRUE(doc);
    // A client with other addresses takes this club's from the directory.
    online::ServiceAddresses elsewhere = online::ServiceAddresses::builtIn();
    ASSERT_TRUE(online::rebaseAddresses(elsewhere, "http://192.0.2.1:1"));
    online::OnlineSwitches switches;
    EXPECT_TRUE(online::applyDirectory(doc, elsewhere, switches));
    EXPECT_EQ(elsewhere.address(online::ServiceRole::Games), games());
    EXPECT_EQ(elsewhere.address(online::ServiceRole::Statistics), stats());
    EXPECT_EQ(elsewhere.address(online::ServiceRole::Account), account());
    EXPECT_TRUE(switches.topLists && switches.chat);
    auto news = online::readDirectoryNews(*doc);
    EXPECT_FALSE(news.show);
    EXPECT_TRUE(news.downloadLink.empty());  // no mobile edition in the downloads folder

    auto newsDoc = client.FetchDocument(addresses.address(online::ServiceRole::News));
    ASSERT_TRUE(newsDoc);
    EXPECT_EQ(online::newsNumber(*newsDoc), 1);
}

TEST_F(Documents, PauseSwitchesAndDownloadLink) {
    writeFile(dir.path() / "downloads" / "progr" / "cards" / "Vantorn.apk", "apk");
    ClubProcess::Options paused;
    paused.extra = {"--pause-top-lists", "--pause-chat"};
    start(paused);
    auto doc = client.FetchDocument(addresses.address(online::ServiceRole::Directory));
    ASSERT_TRUE(doc);
    online::ServiceAddresses a = online::ServiceAddresses::builtIn();
    online::OnlineSwitches switches;
    online::applyDirectory(doc, a, switches);
    EXPECT_FALSE(switches.topLists);
    EXPECT_FALSE(switches.chat);
    EXPECT_EQ(online::readDirectoryNews(*doc).downloadLink, club->base() + "/downloads/progr/cards/Vantorn.apk");
    EXPECT_EQ(client.FetchDocument(club->base() + "/downloads/progr/cards/Vantorn.apk"), "apk");
}

TEST_F(Documents, FilesMusicHelpAndIpEcho) {
    writeFile(dir.path() / "downloads" / "progr" / "cards" / "QexRadio.rad", "RUS#1234567#Radio#Russia#http://x#L\n");
    writeFile(dir.path() / "musik" / "Some_Band~First_Song.mp3", "ID3a");
    writeFile(dir.path() / "musik" / "Other~Second.mp3", "ID3b");
    writeFile(dir.path() / "secret.txt", "do not serve");
    EXPECT_EQ(client.FetchDocument(club->base() + "/downloads/progr/cards/QexRadio.rad"),
              "RUS#1234567#Radio#Russia#http://x#L\n");
    EXPECT_EQ(client.FetchDocument(club->base() + "/musik/_playlist.html"),
              "Other~Second.mp3\nSome_Band~First_Song.mp3\n");
    EXPECT_EQ(client.FetchDocument(club->base() + "/musik/Other~Second.mp3"), "ID3b");
    EXPECT_FALSE(client.FetchDocument(club->base() + "/downloads/progr/cards/missing.dll"));
    for (const char* path : {"/downloads/progr/cards/..%2F..%2F..%2Fsecret.txt", "/musik/%2E%2E%2Fsecret.txt",
                             "/avatars/..%2F..%2Fsecret.txt.jpg", "/downloads/progr/cards/.hidden"})
        EXPECT_FALSE(client.FetchDocument(club->base() + path)) << path;
    auto help = client.FetchDocument(club->base() + "/progr/cards.html");
    ASSERT_TRUE(help);
    EXPECT_NE(help->find("Label_Vantorn"), std::string::npos);
    EXPECT_EQ(client.FetchDocument(addresses.address(online::ServiceRole::IpEcho)), "127.0.0.1");
}

TEST_F(Documents, PicturesUploadedByFtpAreServed) {
    if (!FtpServer::available()) GTEST_SKIP() << "vsftpd needs root and /usr/sbin/vsftpd";
    // The FTP server's upload folder is the folder the club serves pictures from.
    fs::path ftpRoot = dir.path() / "ftproot";
    FtpServer ftp(ftpRoot);
    ASSERT_TRUE(ftp.running());
    ClubProcess::Options withFtp;
    withFtp.ftpDir = ftpRoot / "avatars";
    start(withFtp);

    EXPECT_FALSE(client.FetchPicture(addresses, "Ann"));
    online::FtpTarget target = addresses.pictureUpload();
    EXPECT_EQ(target.host, "127.0.0.1");
    target.port = ftp.port();
    target.user = "anonymous";
    target.password = "vantorn";
    target.folder = "avatars/";
    ASSERT_TRUE(client.UploadPicture(target, "Ann", smallJpeg()));
    auto picture = client.FetchPicture(addresses, "Ann");
    ASSERT_TRUE(picture);
    EXPECT_EQ(*picture, smallJpeg());
    // A picture that is not a JPEG does not count as arrived.
    ASSERT_TRUE(client.UploadPicture(target, "Bob", "GIF89a"));
    EXPECT_FALSE(client.FetchPicture(addresses, "Bob"));
    // A wrong folder fails the upload.
    target.folder = "nowhere/";
    EXPECT_FALSE(client.UploadPicture(target, "Cid", smallJpeg()));
}
