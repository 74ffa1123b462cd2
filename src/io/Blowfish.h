// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef BLOWFISH_H
#define BLOWFISH_H

#include <QByteArray>

/*! The Blowfish block cipher in ECB mode, as used for the built-in material files: 64-bit
    blocks whose two 32-bit halves are taken big-endian from the bytes. Data must be a non-empty
    multiple of 8 bytes; there is no padding here. */
class Blowfish {
public:
    static constexpr int BlockSize = 8;

    /*! \a key holds 1 to 56 bytes. */
    explicit Blowfish(const QByteArray &key);
    ~Blowfish();

    Blowfish(const Blowfish &) = delete;
    Blowfish &operator=(const Blowfish &) = delete;

    /*! Enciphers \a data in place. False (data unchanged) for an empty key or when the size is
        0 or not a multiple of 8. */
    bool encrypt(QByteArray &data) const;
    /*! Deciphers \a data in place; same conditions as encrypt(). */
    bool decrypt(QByteArray &data) const;

private:
    bool apply(QByteArray &data, bool encrypt) const;

    struct KeySchedule;
    KeySchedule *m_schedule = nullptr; ///< null when the key was unusable
};

#endif // BLOWFISH_H
