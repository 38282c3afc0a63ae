#include "curl_transport.h"

#include <curl/curl.h>

#include <algorithm>
#include <mutex>

#include "charsets.h"
#include "forms.h"

namespace vantorn::online {

namespace {

void globalInit() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

size_t collect(char* data, size_t size, size_t count, void* user) {
    auto* out = static_cast<std::string*>(user);
    size_t n = size * count;
    if (out->size() + n > kMaxAnswerBytes) return 0;  // aborts the transfer
    out->append(data, n);
    return n;
}

struct UploadSource {
    std::string_view bytes;
    size_t offset = 0;
};

size_t supply(char* buffer, size_t size, size_t count, void* user) {
    auto* src = static_cast<UploadSource*>(user);
    size_t n = std::min(size * count, src->bytes.size() - src->offset);
    std::copy_n(src->bytes.data() + src->offset, n, buffer);
    src->offset += n;
    return n;
}

std::optional<std::string> perform(CURL* curl, const std::string& url) {
    std::string answer;
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_USERAGENT, std::string(kUserAgent).c_str());
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, collect);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &answer);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    if (curl_easy_perform(curl) != CURLE_OK) return std::nullopt;
    long status = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    if (status < 200 || status > 299) return std::nullopt;
    return answer;
}

}  // namespace

CurlTransport::CurlTransport() {
    globalInit();
    shared_ = curl_easy_init();
}

CurlTransport::~CurlTransport() {
    if (shared_) curl_easy_cleanup(static_cast<CURL*>(shared_));
}

void CurlTransport::setReadTimeout(int milliseconds) { timeoutMs_ = milliseconds; }

std::optional<std::string> CurlTransport::post(const std::string& url, const std::string& body) {
    auto* curl = static_cast<CURL*>(shared_);
    if (!curl) return std::nullopt;
    struct curl_slist* headers =
        curl_slist_append(nullptr, "Content-Type: application/x-www-form-urlencoded");
    // The body goes at once, without waiting for a "100 Continue".
    headers = curl_slist_append(headers, "Expect:");
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(curl, CURLOPT_POST, 1L);
    curl_easy_setopt(curl, CURLOPT_POSTFIELDS, body.data());
    curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE, static_cast<long>(body.size()));
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, timeoutMs_);
    auto answer = perform(curl, url);
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, nullptr);
    curl_slist_free_all(headers);
    // The answer is handled as Windows-1251; one declared as UTF-8 is converted first.
    char* type = nullptr;
    if (answer && curl_easy_getinfo(curl, CURLINFO_CONTENT_TYPE, &type) == CURLE_OK && type && declaresUtf8(type))
        answer = utf8ToCp1251(*answer);
    return answer;
}

std::optional<std::string> CurlTransport::get(const std::string& url) {
    CURL* curl = curl_easy_init();
    if (!curl) return std::nullopt;
    curl_easy_setopt(curl, CURLOPT_HTTPGET, 1L);
    auto answer = perform(curl, url);
    curl_easy_cleanup(curl);
    return answer;
}

bool CurlTransport::ftpUpload(const FtpTarget& target, const std::string& name, std::string_view bytes) {
    CURL* curl = curl_easy_init();
    if (!curl) return false;
    std::string path;
    for (char c : target.folder + name) path += c == '/' ? std::string("/") : percentEncode(std::string(1, c));
    std::string url = "ftp://" + target.host + ":" + std::to_string(target.port) + "/" + path;
    UploadSource source{bytes};
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "ftp");
    curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(curl, CURLOPT_READFUNCTION, supply);
    curl_easy_setopt(curl, CURLOPT_READDATA, &source);
    curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(bytes.size()));
    curl_easy_setopt(curl, CURLOPT_USERNAME, target.user.c_str());
    curl_easy_setopt(curl, CURLOPT_PASSWORD, target.password.c_str());
    curl_easy_setopt(curl, CURLOPT_FTPPORT, nullptr);  // passive mode
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    bool ok = curl_easy_perform(curl) == CURLE_OK;
    curl_easy_cleanup(curl);
    return ok;
}

}  // namespace vantorn::online
