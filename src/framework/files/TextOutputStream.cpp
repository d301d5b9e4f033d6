#include "files/TextOutputStream.h"

#include <QFileInfo>
#include <QSaveFile>

#include "files/IOException.h"

TextOutputStream::TextOutputStream(const QString& path)
    : mPath(path), mFile(std::make_unique<QSaveFile>(path)) {
    if (mFile->open(QIODevice::WriteOnly))
        return;
    // The new text goes to a new file beside the old one, so a folder that
    // allows no new files stops even a save over a writable file: name the
    // folder, as that is what the user can change.
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (folder.isDir() && !folder.isWritable() && (!file.exists() || file.isWritable()))
        throw IOException(folder.filePath(),
                          QStringLiteral("the folder does not allow new files, which saving needs"));
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
