#include "files/TextOutputStream.h"

#include <QFileInfo>
#include <QSaveFile>
#include <sys/stat.h>

#include "files/IOException.h"

TextOutputStream::TextOutputStream(const QString& path) : mPath(path) {
    // The new file takes the old one's place by a rename, which would put a
    // regular file where a named pipe or a device was. Only a regular file
    // is replaced, or a link to one, which is written through.
    struct stat info{};
    if (::stat(QFile::encodeName(path).constData(), &info) == 0 && !S_ISREG(info.st_mode))
        throw IOException(mPath, QStringLiteral("not a regular file"));
    mFile = std::make_unique<QSaveFile>(path);
    if (mFile->open(QIODevice::WriteOnly))
        return;
    // The new text goes to a new file beside the old one, so a folder that
    // allows no new files stops even a save over a writable file: name the
    // folder, as that is what the user can change.
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (folder.isDir() && !folder.isWritable() && (!file.exists() || file.isWritable()))
        throw IOException(
            folder.filePath(),
            QStringLiteral("the folder does not allow new files, which saving needs"));
    // The toolkit's own words for this name the file a second time.
    if (file.exists() && !file.isWritable())
        throw IOException(mPath, QStringLiteral("the file is read-only"));
    throw IOException(mPath, mFile->errorString());
}

TextOutputStream::TextOutputStream(TextOutputStream&&) noexcept = default;
TextOutputStream& TextOutputStream::operator=(TextOutputStream&&) noexcept = default;
TextOutputStream::~TextOutputStream() = default; // QSaveFile discards what was not committed

void TextOutputStream::WriteLine(const QString& text) {
    if (!mFile)
        throw IOException(mPath, QStringLiteral("the file is already closed"));
    const QByteArray bytes = text.toUtf8() + '\n';
    // A disk that fills up or a file-size limit can take part of the text
    // with no error set, and QSaveFile would then commit the part: a short
    // write must end the stream, which drops the temporary file.
    const qint64 written = mFile->write(bytes);
    if (written != bytes.size()) {
        const QString reason = mFile->error() != QFileDevice::NoError
                                   ? mFile->errorString()
                                   : QStringLiteral("only %1 of %2 bytes could be written")
                                         .arg(qMax<qint64>(written, 0))
                                         .arg(bytes.size());
        mFile.reset();
        throw IOException(mPath, reason);
    }
}

void TextOutputStream::Close() {
    if (!mFile)
        return;
    const std::unique_ptr<QSaveFile> file = std::move(mFile);
    if (!file->commit())
        throw IOException(mPath, file->errorString());
}
