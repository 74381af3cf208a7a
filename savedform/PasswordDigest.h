#pragma once
#include <QByteArray>

// Turns a password's bytes into key bytes: the bytes are folded into a 256-byte state that
// starts as the binary digits of pi and into a 16-byte key state mixed after every eight
// bytes; the key state then keys the digest cipher, which enciphers the 256-byte state.
namespace PasswordDigest {

// The first n bytes (at most 256) of the digest. Deterministic; an empty input is allowed.
QByteArray of(const QByteArray &bytes, int n);

} // namespace PasswordDigest
