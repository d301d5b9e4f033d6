#include "files/TextInputStream.h"

#include <QFile>
#include <QLocale>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "files/IOException.h"
#include "text/TextDecoding.h"

// Opened without waiting, and kept only when it is a regular file: a named
// pipe would hold the open until some writer came, and a device or a folder
// holds no text of ours. The test is made on what was opened, so nothing
// can be put in the file's place between the test and the read.
TextInputStream::TextInputStream(const QString& path)
    : mPath(path), mFile(std::make_unique<QFile>()) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throw IOException(mPath, QString::fromLocal8Bit(std::strerror(errno)));
    struct stat info{};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        throw IOException(mPath, QStringLiteral("not a regular file"));
    }
    if (!mFile->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw IOException(mPath, mFile->errorString());
    }
}

TextInputStream::TextInputStream(TextInputStream&&) noexcept = default;
TextInputStream& TextInputStream::operator=(TextInputStream&&) noexcept = default;
TextInputStream::~TextInputStream() = default;

QString TextInputStream::ReadAll(qint64 maxBytes) {
    if (!mFile)
        throw IOException(mPath, QStringLiteral("the file is already closed"));
    maxBytes = std::clamp<qint64>(maxBytes, 0, kMaxBytes);
    const auto tooLarge = [this, maxBytes] {
        // A no-break space keeps "256 kB" on one line of a message box.
        const QString size = QLocale::c()
                                 .formattedDataSize(maxBytes, 0, QLocale::DataSizeTraditionalFormat)
                                 .replace(QLatin1Char(' '), QChar(0x00A0));
        return IOException(mPath, QStringLiteral("the file is larger than %1").arg(size));
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

void TextInputStream::Close() {
    mFile.reset();
}
