// The nine service addresses by role, kept enciphered (text_cipher.h) and deciphered at the
// moment of use; the directory document that replaces some of them; the news document.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vantorn::online {

enum class ServiceRole {
    Account,
    Games,
    Statistics,
    Tournament,
    Directory,
    News,
    Avatar,       // base of the players' pictures: the picture of nick N is this + N + ".jpg"
    IpEcho,       // kept in clear text, as the only one
    Count
};

// The picture-upload target: FTP host (passive mode), user, password and target folder.
struct FtpTarget {
    std::string host;
    int port = 21;
    std::string user, password, folder;
};

// The default club: a server on this computer.
inline constexpr std::string_view kDefaultClubBase = "http://127.0.0.1:8080";

class ServiceAddresses {
public:
    // The addresses built into the program (a club server on this computer).
    static ServiceAddresses builtIn();

    // The deciphered address; empty when the stored text does not decipher.
    std::string address(ServiceRole role) const;
    const std::string& enciphered(ServiceRole role) const;
    // Takes an enciphered text as it stands (directory entries, the settings file).
    void setEnciphered(ServiceRole role, std::string text);
    void set(ServiceRole role, std::string_view plain);

    FtpTarget pictureUpload() const;
    void setPictureUpload(const FtpTarget& target);

    std::string avatarUrl(std::string_view nick) const;

private:
    std::array<std::string, static_cast<std::size_t>(ServiceRole::Count)> stored_;
    std::array<std::string, 4> ftp_;  // host, user, password, folder (enciphered)
    int ftpPort_ = 21;
};

// Points every address at the club whose base is baseUrl ("http://host:port", an optional
// trailing "/"): the fixed paths of the club server under that base, and the FTP host.
// False (and nothing changed) for a base that is not an http URL with a host.
bool rebaseAddresses(ServiceAddresses& addresses, std::string_view baseUrl);

// Directory document: the value of key (the text after the key and one separator character,
// up to the next "#"); nullopt when the key is absent.
std::optional<std::string> directoryValue(std::string_view document, std::string_view key);

struct OnlineSwitches {
    bool topLists = true;
    bool chat = true;
};

// Applies the settings-time entries of the directory document: the pause switches and the
// games, statistics and account addresses (their values are enciphered texts). A document
// that could not be fetched (nullopt) changes nothing. Returns true when "StatPath" replaced
// the statistics address (the caller remembers it in the settings).
bool applyDirectory(const std::optional<std::string>& document, ServiceAddresses& addresses,
                    OnlineSwitches& switches);

// The window-creation entries of the directory document.
struct DirectoryNews {
    std::string downloadLink;   // "DownLoad_Link_Vantorn"
    std::string storeLink;      // "Google_Play_Link_Vantorn"
    bool show = false;          // "NewsVantorn5.3" letter is "Y"
    std::string title, text, link;
    int number = 0;
};
DirectoryNews readDirectoryNews(std::string_view document);

// News document: the five characters after "QexNews" as a number; 0 when absent or not one.
int newsNumber(std::string_view document);

}  // namespace vantorn::online
