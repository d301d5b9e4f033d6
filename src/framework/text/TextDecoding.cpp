#include "text/TextDecoding.h"

#include <QStringDecoder>

QString DecodeText(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    return decoder.decode(bytes);
}
