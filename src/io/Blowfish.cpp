// SPDX-License-Identifier: GPL-3.0-or-later
#include "Blowfish.h"

// OpenSSL 3 marks the low-level Blowfish interface deprecated; the material files need exactly
// this cipher in ECB mode with its big-endian block halves, so the warning is silenced here only.
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#endif
#include <openssl/blowfish.h>

struct Blowfish::KeySchedule {
    BF_KEY key;
};

Blowfish::Blowfish(const QByteArray &key) {
    // Blowfish takes keys of 32 to 448 bits; OpenSSL accepts shorter ones, the files use 40 bits.
    if (key.isEmpty() || key.size() > 56)
        return;
    m_schedule = new KeySchedule;
    BF_set_key(&m_schedule->key, key.size(), reinterpret_cast<const unsigned char *>(key.constData()));
}

Blowfish::~Blowfish() {
    delete m_schedule;
}

bool Blowfish::apply(QByteArray &data, bool encrypt) const {
    if (!m_schedule || data.isEmpty() || data.size() % BlockSize != 0)
        return false;
    unsigned char *bytes = reinterpret_cast<unsigned char *>(data.data());
    for (int pos = 0; pos < data.size(); pos += BlockSize)
        BF_ecb_encrypt(bytes + pos, bytes + pos, &m_schedule->key, encrypt ? BF_ENCRYPT : BF_DECRYPT);
    return true;
}

#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

bool Blowfish::encrypt(QByteArray &data) const {
    return apply(data, true);
}

bool Blowfish::decrypt(QByteArray &data) const {
    return apply(data, false);
}
