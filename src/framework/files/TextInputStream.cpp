#include "files/TextInputStream.h"

#include <QFile>

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

QString TextInputStream::ReadAll() {
    if (!mFile)
        throw IOException(mPath, QStringLiteral("the file is already closed"));
    const auto tooLarge = [this] {
        return IOException(mPath,
                           QStringLiteral("the file is larger than %1 MB").arg(kMaxBytes >> 20));
    };
    if (mFile->size() > kMaxBytes)
        throw tooLarge();
    // One byte beyond the limit tells a file that grew meanwhile.
    const QByteArray bytes = mFile->read(kMaxBytes + 1);
    if (mFile->error() != QFile::NoError)
        throw IOException(mPath, mFile->errorString());
    if (bytes.size() > kMaxBytes)
        throw tooLarge();
    return DecodeText(bytes);
}

void TextInputStream::Close() { mFile.reset(); }
