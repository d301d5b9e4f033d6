#pragma once

#include <QByteArray>
#include <QString>

// The text of a file's bytes, read as UTF-8. A byte-order mark at the start
// is dropped; every byte that is not part of valid UTF-8 becomes U+FFFD, so
// any bytes at all give a text and the valid parts survive unchanged.
QString DecodeText(const QByteArray& bytes);
