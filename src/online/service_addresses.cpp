#include "service_addresses.h"

#include "text_cipher.h"

namespace vantorn::online {

namespace {

std::size_t index(ServiceRole role) { return static_cast<std::size_t>(role); }

// The path of each role on a club server, under its base address.
constexpr std::array<std::string_view, static_cast<std::size_t>(ServiceRole::Count)> kClubPaths = {
    "/account", "/games", "/stats", "/tournament", "/directory.txt", "/news.txt", "/avatars/",
    "/get_ip.php"};

}  // namespace

ServiceAddresses ServiceAddresses::builtIn() {
    // The built-in club on this computer, enciphered with kAddressKey (the IP-echo page is the
    // one address kept in clear).
    ServiceAddresses a;
    a.stored_ = {
        "xXCnDWH8DEJU3eHNe6KxFiGb3eUOXqxhts46B2I=",          // account
        "xXCnDWH8DEJU3eHNe6KxFiGb3eUOXqqVLL6s",              // games
        "xXCnDWH8DEJU3eHNe6KxFiGb3eUOXr70u7AO",              // statistics
        "xXCnDWH8DEJU3eHNe6KxFiGb3eUOXrky+QSnBWXpza8=",      // tournament
        "xXCnDWH8DEJU3eHNe6KxFiGb3eUOXqmEuMpQd0m6IxtoEE8=",  // directory document
        "xXCnDWH8DEJU3eHNe6KxFiGb3eUOXqOmzyOM09Lz",          // news document
        "xXCnDWH8DEJU3eHNe6KxFiGb3eUOXqx0OzCcZdvp",          // avatars
        "http://127.0.0.1:8080/get_ip.php",                  // IP echo, clear text
    };
    a.ftp_ = {"nNeT3yllMlPs", "2//S3n3l7A==", "zi95WUKPWOtq5WM=", "zEP5z8jWaio="};
    a.ftpPort_ = 21;
    return a;
}

std::string ServiceAddresses::address(ServiceRole role) const {
    if (role == ServiceRole::IpEcho) return stored_[index(role)];
    return decipher(stored_[index(role)], kAddressKey).value_or(std::string());
}

const std::string& ServiceAddresses::enciphered(ServiceRole role) const { return stored_[index(role)]; }

void ServiceAddresses::setEnciphered(ServiceRole role, std::string text) {
    stored_[index(role)] = std::move(text);
}

void ServiceAddresses::set(ServiceRole role, std::string_view plain) {
    stored_[index(role)] =
        role == ServiceRole::IpEcho ? std::string(plain) : encipher(plain, kAddressKey);
}

FtpTarget ServiceAddresses::pictureUpload() const {
    FtpTarget t;
    t.host = decipher(ftp_[0], kAddressKey).value_or(std::string());
    t.user = decipher(ftp_[1], kAddressKey).value_or(std::string());
    t.password = decipher(ftp_[2], kAddressKey).value_or(std::string());
    t.folder = decipher(ftp_[3], kAddressKey).value_or(std::string());
    t.port = ftpPort_;
    return t;
}

void ServiceAddresses::setPictureUpload(const FtpTarget& t) {
    ftp_ = {encipher(t.host, kAddressKey), encipher(t.user, kAddressKey),
            encipher(t.password, kAddressKey), encipher(t.folder, kAddressKey)};
    ftpPort_ = t.port;
}

std::string ServiceAddresses::avatarUrl(std::string_view nick) const {
    return address(ServiceRole::Avatar) + std::string(nick) + ".jpg";
}

bool rebaseAddresses(ServiceAddresses& addresses, std::string_view baseUrl) {
    constexpr std::string_view scheme = "http://";
    if (baseUrl.substr(0, scheme.size()) != scheme) return false;
    while (baseUrl.size() > scheme.size() && baseUrl.back() == '/') baseUrl.remove_suffix(1);
    std::string_view authority = baseUrl.substr(scheme.size());
    if (authority.empty() || authority.find('/') != std::string_view::npos) return false;
    for (char c : authority)
        if (c <= ' ' || c == '#' || c == '?' || c == '@' || static_cast<unsigned char>(c) >= 0x7F)
            return false;
    std::string_view host = authority.substr(0, authority.rfind(':'));
    if (host.empty()) return false;
    for (std::size_t i = 0; i < kClubPaths.size(); ++i)
        addresses.set(static_cast<ServiceRole>(i), std::string(baseUrl) + std::string(kClubPaths[i]));
    FtpTarget ftp = addresses.pictureUpload();
    ftp.host = std::string(host);
    addresses.setPictureUpload(ftp);
    return true;
}

std::optional<std::string> directoryValue(std::string_view document, std::string_view key) {
    if (key.empty()) return std::nullopt;
    std::size_t pos = document.find(key);
    if (pos == std::string_view::npos) return std::nullopt;
    std::size_t start = pos + key.size() + 1;  // the key and one separator character
    if (start > document.size()) return std::string();
    std::size_t end = document.find('#', start);
    if (end == std::string_view::npos) end = document.size();
    return std::string(document.substr(start, end - start));
}

bool applyDirectory(const std::optional<std::string>& document, ServiceAddresses& addresses,
                    OnlineSwitches& switches) {
    if (!document) return false;
    const std::string& doc = *document;
    // An address entry counts only when it deciphers to something.
    auto replace = [&](std::string_view key, ServiceRole role) {
        auto value = directoryValue(doc, key);
        if (!value || value->empty()) return false;
        auto plain = decipher(*value, kAddressKey);
        if (!plain || plain->empty()) return false;
        addresses.setEnciphered(role, *value);
        return true;
    };
    if (doc.find("WTGamesPause") != std::string::npos)
        switches.topLists = false;
    else
        replace("WTGamesPatt", ServiceRole::Games);
    if (doc.find("CTGamesPause") != std::string::npos) switches.chat = false;
    bool statChanged = replace("StatPath", ServiceRole::Statistics);
    replace("AccPath", ServiceRole::Account);
    return statChanged;
}

DirectoryNews readDirectoryNews(std::string_view document) {
    DirectoryNews news;
    news.downloadLink = directoryValue(document, "DownLoad_Link_Vantorn").value_or("");
    news.storeLink = directoryValue(document, "Google_Play_Link_Vantorn").value_or("");
    constexpr std::string_view key = "NewsVantorn5.3";
    std::size_t pos = document.find(key);
    if (pos == std::string_view::npos) return news;
    std::string_view rest = document.substr(std::min(document.size(), pos + key.size() + 1));
    std::string_view fields[5];
    for (auto& field : fields) {
        std::size_t end = rest.find('#');
        field = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    news.show = fields[0] == "Y";
    news.title = std::string(fields[1]);
    news.text = std::string(fields[2]);
    news.link = std::string(fields[3]);
    int n = 0;
    for (char c : fields[4]) {
        if (c < '0' || c > '9' || n > 100000000) {
            n = 0;
            break;
        }
        n = n * 10 + (c - '0');
    }
    news.number = n;
    return news;
}

int newsNumber(std::string_view document) {
    constexpr std::string_view key = "QexNews";
    std::size_t pos = document.find(key);
    if (pos == std::string_view::npos) return 0;
    std::string_view digits = document.substr(pos + key.size(), 5);
    while (!digits.empty() && digits.front() == ' ') digits.remove_prefix(1);
    while (!digits.empty() && digits.back() == ' ') digits.remove_suffix(1);
    if (digits.empty()) return 0;
    int n = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return 0;
        n = n * 10 + (c - '0');
    }
    return n;
}

}  // namespace vantorn::online
