#include "files/TextInputStream.h"

#include <QFile>
#include <QLocale>
#include <algorithm>

#include "files/IOException.h"
#include "text/TextDecoding.h"

TextInputStream::TextInputStream(const QString& path)
    : mPath(path), mFile(std::make_unique<QFile>(path)) {
    if (!mFile->open(QIODevice::ReadOnly))
        throw IOException(mPath, mFile->errorString());
}

TextInputStream::TextInputStream(TextInputStream&&) noexcept = default;
TextInputStream& TextInputStream::operator=(TextInputStream&&) noexcept = default;
TextInputStream::~TextInputStream() = default;

QString TextInputStream::ReadAll(qint64 maxBytes) {
    if (!mFile)
        throw IOException(mPath, QStringLiteral("the file is already closed"));
    maxBytes = std::clamp<qint64>(maxBytes, 0, kMaxBytes);
    const auto tooLarge = [this, maxBytes] {
        return IOException(mPath, QStringLiteral("the file is larger than %1")
                                      .arg(QLocale::c().formattedDataSize(
                                          maxBytes, 0, QLocale::DataSizeTraditionalFormat)));
    };
    if (mFile->size() > maxBytes)
        throw tooLarge();
    // One byte beyond the limit tells a file that grew meanwhile.
    const QByteArray bytes = mFile->read(maxBytes + 1);
    if (mFile->error() != QFile::NoError)
        throw IOException(mPath, mFile->errorString());
    if (bytes.size() > maxBytes)
        throw tooLarge();
    return DecodeText(bytes);
}

void TextInputStream::Close() { mFile.reset(); }
