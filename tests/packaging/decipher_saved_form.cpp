// Prints the plaintext of a saved form in UTF-8, so that a shell test can read back what a
// program it drove from outside saved.
//   decipher_saved_form <saved form file> <password>
#include "TRijndael.h"
#include "Windows1250.h"

#include <QFile>
#include <cstdio>
#include <exception>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <saved form file> <password>\n", argv[0]);
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    try {
        TRijndael cipher;
        cipher.SetKeyFromPassword(QByteArray(argv[2]));
        const QByteArray text = Windows1250::decode(cipher.DecryptText(file.readAll())).toUtf8();
        std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
        return 0;
    } catch (const std::exception &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}
