#include "transport/ServerCertificate.h"

#include <curl/curl.h>
#include <openssl/bio.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/x509.h>

#include <functional>
#include <memory>

namespace nsMoxHttp {

namespace {

template <class T, void (*Free)(T*)>
struct Freed {
    void operator()(T* p) const { Free(p); }
};
using Bio = std::unique_ptr<BIO, Freed<BIO, BIO_free_all>>;
using Certificate = std::unique_ptr<X509, Freed<X509, X509_free>>;

std::string ColonHex(const unsigned char* bytes, unsigned length)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    for (unsigned i = 0; i < length; ++i) {
        if (i)
            text += ':';
        text += digits[bytes[i] >> 4];
        text += digits[bytes[i] & 15];
    }
    return text;
}

std::string Printed(const std::function<void(BIO*)>& print)
{
    Bio out(BIO_new(BIO_s_mem()));
    if (!out)
        return {};
    print(out.get());
    char* data = nullptr;
    const long length = BIO_get_mem_data(out.get(), &data);
    return length > 0 ? std::string(data, static_cast<std::size_t>(length)) : std::string();
}

std::string NameText(const X509_NAME* name)
{
    return Printed([name](BIO* out) { X509_NAME_print_ex(out, name, 0, XN_FLAG_ONELINE & ~ASN1_STRFLGS_ESC_MSB); });
}

std::string TimeText(const ASN1_TIME* time)
{
    return Printed([time](BIO* out) { ASN1_TIME_print(out, time); });
}

struct EasyCleanup {
    void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};

std::size_t Discard(char*, std::size_t size, std::size_t count, void*)
{
    return size * count;
}

}  // namespace

std::optional<ServerCertificate> DescribeCertificate(const std::string& pem)
{
    Bio in(BIO_new_mem_buf(pem.data(), static_cast<int>(pem.size())));
    Certificate certificate(in ? PEM_read_bio_X509(in.get(), nullptr, nullptr, nullptr) : nullptr);
    if (!certificate)
        return std::nullopt;

    ServerCertificate described;
    described.subject = NameText(X509_get_subject_name(certificate.get()));
    described.issuer = NameText(X509_get_issuer_name(certificate.get()));
    described.notBefore = TimeText(X509_get0_notBefore(certificate.get()));
    described.notAfter = TimeText(X509_get0_notAfter(certificate.get()));

    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned length = 0;
    if (X509_digest(certificate.get(), EVP_sha256(), digest, &length) != 1)
        return std::nullopt;
    described.certificateSha256 = ColonHex(digest, length);
    // libcurl pins the hash of the whole DER SubjectPublicKeyInfo (X509_pubkey_digest would hash
    // only the key's bits).
    unsigned char* publicKeyInfo = nullptr;
    const int infoLength = i2d_X509_PUBKEY(X509_get_X509_PUBKEY(certificate.get()), &publicKeyInfo);
    if (infoLength <= 0)
        return std::nullopt;
    const bool hashed = EVP_Digest(publicKeyInfo, static_cast<std::size_t>(infoLength), digest, &length, EVP_sha256(),
                                   nullptr) == 1;
    OPENSSL_free(publicKeyInfo);
    if (!hashed)
        return std::nullopt;
    described.publicKeySha256 = ColonHex(digest, length);
    unsigned char base64[2 * EVP_MAX_MD_SIZE];
    const int written = EVP_EncodeBlock(base64, digest, static_cast<int>(length));
    described.pin = "sha256//" + std::string(reinterpret_cast<char*>(base64), static_cast<std::size_t>(written));
    return described;
}

std::optional<ServerCertificate> FetchServerCertificate(const std::string& hostPort)
{
    std::unique_ptr<CURL, EasyCleanup> easy(curl_easy_init());
    if (!easy)
        return std::nullopt;
    const std::string url = "https://" + hostPort + "/";
    curl_easy_setopt(easy.get(), CURLOPT_URL, url.c_str());
    // Only looked at, never trusted: the handshake is all that happens.
    curl_easy_setopt(easy.get(), CURLOPT_SSL_VERIFYPEER, 0L);
    curl_easy_setopt(easy.get(), CURLOPT_SSL_VERIFYHOST, 0L);
    curl_easy_setopt(easy.get(), CURLOPT_CERTINFO, 1L);
    curl_easy_setopt(easy.get(), CURLOPT_CONNECT_ONLY, 1L);
    curl_easy_setopt(easy.get(), CURLOPT_CONNECTTIMEOUT, 10L);
    curl_easy_setopt(easy.get(), CURLOPT_WRITEFUNCTION, &Discard);
    if (curl_easy_perform(easy.get()) != CURLE_OK)
        return std::nullopt;
    return ShownCertificate(easy.get());
}

std::optional<ServerCertificate> ShownCertificate(void* easy)
{
    curl_certinfo* chain = nullptr;
    if (curl_easy_getinfo(easy, CURLINFO_CERTINFO, &chain) != CURLE_OK || !chain || chain->num_of_certs < 1)
        return std::nullopt;
    constexpr std::string_view pemField = "Cert:";
    for (curl_slist* field = chain->certinfo[0]; field; field = field->next)
        if (std::string_view(field->data).substr(0, pemField.size()) == pemField)
            return DescribeCertificate(field->data + pemField.size());
    return std::nullopt;
}

}  // namespace nsMoxHttp
