#include "TlsCertificate.h"

#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/rand.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>

#include <fstream>
#include <functional>
#include <sstream>
#include <memory>
#include <stdexcept>

namespace morvix::sim {

namespace {

template <class T, void (*Free)(T*)>
struct Freed {
    void operator()(T* p) const { Free(p); }
};
using Key = std::unique_ptr<EVP_PKEY, Freed<EVP_PKEY, EVP_PKEY_free>>;
using Certificate = std::unique_ptr<X509, Freed<X509, X509_free>>;
using Bio = std::unique_ptr<BIO, Freed<BIO, BIO_free_all>>;

void check(bool ok, const char* what)
{
    if (!ok)
        throw std::runtime_error(std::string("cannot make a certificate: ") + what);
}

std::string pemOf(const std::function<int(BIO*)>& write)
{
    Bio out(BIO_new(BIO_s_mem()));
    check(out && write(out.get()) == 1, "PEM writing failed");
    char* data = nullptr;
    const long length = BIO_get_mem_data(out.get(), &data);
    return std::string(data, static_cast<size_t>(length));
}

Certificate readCertificate(const std::string& pem)
{
    Bio in(BIO_new_mem_buf(pem.data(), static_cast<int>(pem.size())));
    Certificate certificate(in ? PEM_read_bio_X509(in.get(), nullptr, nullptr, nullptr) : nullptr);
    check(certificate != nullptr, "not a PEM certificate");
    return certificate;
}

Key readKey(const std::string& pem)
{
    Bio in(BIO_new_mem_buf(pem.data(), static_cast<int>(pem.size())));
    Key key(in ? PEM_read_bio_PrivateKey(in.get(), nullptr, nullptr, nullptr) : nullptr);
    check(key != nullptr, "not a PEM private key");
    return key;
}

void addExtension(X509* certificate, X509* issuer, int nid, const std::string& value)
{
    X509V3_CTX context;
    X509V3_set_ctx(&context, issuer, certificate, nullptr, nullptr, 0);
    X509_EXTENSION* extension = X509V3_EXT_conf_nid(nullptr, &context, nid, value.c_str());
    check(extension != nullptr, "bad extension");
    X509_add_ext(certificate, extension, -1);
    X509_EXTENSION_free(extension);
}

std::string colonHex(const unsigned char* bytes, unsigned length)
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

}  // namespace

TlsIdentity makeCertificate(const CertificateRequest& request, const TlsIdentity* issuer)
{
    Key key(EVP_EC_gen("P-256"));
    check(key != nullptr, "key generation failed");
    Certificate certificate(X509_new());
    check(certificate != nullptr, "no memory");
    X509_set_version(certificate.get(), 2);
    unsigned char serial[16];
    RAND_bytes(serial, sizeof serial);
    serial[0] &= 0x7f;
    BIGNUM* number = BN_bin2bn(serial, sizeof serial, nullptr);
    BN_to_ASN1_INTEGER(number, X509_get_serialNumber(certificate.get()));
    BN_free(number);
    X509_gmtime_adj(X509_getm_notBefore(certificate.get()), request.notBeforeSeconds);
    X509_gmtime_adj(X509_getm_notAfter(certificate.get()), request.notAfterSeconds);
    X509_set_pubkey(certificate.get(), key.get());
    X509_NAME* subject = X509_get_subject_name(certificate.get());
    X509_NAME_add_entry_by_txt(subject, "O", MBSTRING_UTF8, reinterpret_cast<const unsigned char*>("Morvix"), -1, -1,
                               0);
    X509_NAME_add_entry_by_txt(subject, "CN", MBSTRING_UTF8,
                               reinterpret_cast<const unsigned char*>(request.commonName.c_str()), -1, -1, 0);

    Certificate issuerCertificate = issuer ? readCertificate(issuer->certificatePem) : nullptr;
    Key issuerKey = issuer ? readKey(issuer->keyPem) : nullptr;
    X509* signer = issuer ? issuerCertificate.get() : certificate.get();
    X509_set_issuer_name(certificate.get(), X509_get_subject_name(signer));

    addExtension(certificate.get(), signer, NID_basic_constraints, request.authority ? "critical,CA:TRUE" : "CA:FALSE");
    addExtension(certificate.get(), signer, NID_subject_key_identifier, "hash");
    if (issuer)
        addExtension(certificate.get(), signer, NID_authority_key_identifier, "keyid");
    if (request.authority) {
        addExtension(certificate.get(), signer, NID_key_usage, "critical,keyCertSign,cRLSign");
    } else {
        std::string names;
        for (const std::string& name : request.dnsNames)
            names += (names.empty() ? "DNS:" : ",DNS:") + name;
        for (const std::string& address : request.ipAddresses)
            names += (names.empty() ? "IP:" : ",IP:") + address;
        if (!names.empty())
            addExtension(certificate.get(), signer, NID_subject_alt_name, names);
        addExtension(certificate.get(), signer, NID_ext_key_usage, "serverAuth");
    }
    check(X509_sign(certificate.get(), issuer ? issuerKey.get() : key.get(), EVP_sha256()) > 0, "signing failed");

    TlsIdentity made;
    made.certificatePem = pemOf([&](BIO* out) { return PEM_write_bio_X509(out, certificate.get()); });
    made.keyPem = pemOf([&](BIO* out) {
        return PEM_write_bio_PrivateKey(out, key.get(), nullptr, nullptr, 0, nullptr, nullptr);
    });
    return made;
}

TlsIdentity readIdentity(const std::string& certificateFile, const std::string& keyFile)
{
    const auto read = [](const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        if (!in)
            throw std::runtime_error("cannot read " + file);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    };
    TlsIdentity identity{read(certificateFile), read(keyFile)};
    try {
        readCertificate(identity.certificatePem);
    } catch (const std::runtime_error&) {
        throw std::runtime_error(certificateFile + " holds no PEM certificate");
    }
    try {
        readKey(identity.keyPem);
    } catch (const std::runtime_error&) {
        throw std::runtime_error(keyFile + " holds no PEM private key");
    }
    return identity;
}

bool useIdentity(SSL_CTX& context, const TlsIdentity& identity)
{
    Bio in(BIO_new_mem_buf(identity.certificatePem.data(), static_cast<int>(identity.certificatePem.size())));
    Certificate leaf(in ? PEM_read_bio_X509(in.get(), nullptr, nullptr, nullptr) : nullptr);
    if (!leaf || SSL_CTX_use_certificate(&context, leaf.get()) != 1)
        return false;
    // The rest of the file is the chain up to the authority.
    while (X509* more = PEM_read_bio_X509(in.get(), nullptr, nullptr, nullptr))
        if (SSL_CTX_add_extra_chain_cert(&context, more) != 1) {
            X509_free(more);
            return false;
        }
    ERR_clear_error();
    const Key key = readKey(identity.keyPem);
    return SSL_CTX_use_PrivateKey(&context, key.get()) == 1 && SSL_CTX_check_private_key(&context) == 1;
}

std::string certificateFingerprint(const std::string& certificatePem)
{
    const Certificate certificate = readCertificate(certificatePem);
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned length = 0;
    check(X509_digest(certificate.get(), EVP_sha256(), digest, &length) == 1, "digest failed");
    return colonHex(digest, length);
}

namespace {

std::vector<unsigned char> publicKeyDigest(const std::string& certificatePem)
{
    const Certificate certificate = readCertificate(certificatePem);
    // The whole DER SubjectPublicKeyInfo, as clients pin it (X509_pubkey_digest hashes only the key's bits).
    unsigned char* publicKeyInfo = nullptr;
    const int infoLength = i2d_X509_PUBKEY(X509_get_X509_PUBKEY(certificate.get()), &publicKeyInfo);
    check(infoLength > 0, "no public key");
    std::vector<unsigned char> digest(EVP_MAX_MD_SIZE);
    unsigned length = 0;
    const bool hashed = EVP_Digest(publicKeyInfo, static_cast<size_t>(infoLength), digest.data(), &length, EVP_sha256(),
                                   nullptr) == 1;
    OPENSSL_free(publicKeyInfo);
    check(hashed, "digest failed");
    digest.resize(length);
    return digest;
}

}  // namespace

std::string publicKeyFingerprint(const std::string& certificatePem)
{
    const std::vector<unsigned char> digest = publicKeyDigest(certificatePem);
    return colonHex(digest.data(), static_cast<unsigned>(digest.size()));
}

std::string publicKeyPin(const std::string& certificatePem)
{
    const std::vector<unsigned char> digest = publicKeyDigest(certificatePem);
    std::string base64(4 * ((digest.size() + 2) / 3) + 1, '\0');
    const int written = EVP_EncodeBlock(reinterpret_cast<unsigned char*>(base64.data()), digest.data(),
                                        static_cast<int>(digest.size()));
    base64.resize(static_cast<size_t>(written));
    return "sha256//" + base64;
}

}  // namespace morvix::sim
