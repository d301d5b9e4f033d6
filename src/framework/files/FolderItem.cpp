#include "files/FolderItem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <system_error>

#include "files/IOException.h"

std::optional<FolderItem> FolderItem::Child(const QString& name) const {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") ||
        name.contains(QLatin1Char('/')) || name.contains(QChar(0)))
        return std::nullopt;
    return FolderItem(mPath + QLatin1Char('/') + name);
}

bool FolderItem::Exists() const {
    return QFileInfo::exists(mPath);
}

qint64 FolderItem::Length() const {
    return QFileInfo(mPath).size();
}

bool FolderItem::MoveToNewName(const QString& name) const {
    const std::optional<FolderItem> target =
        FolderItem(QFileInfo(mPath).absolutePath()).Child(name);
    if (!target)
        throw IOException(mPath, QStringLiteral("\"%1\" cannot be a file name").arg(name));
    QFile file(mPath);
    // Qt renames without replacing (renameat2 with RENAME_NOREPLACE where
    // the system has it), so a name taken meanwhile stays untouched.
    if (file.rename(target->NativePath()))
        return true;
    if (target->Exists())
        return false;
    throw IOException(mPath, file.errorString());
}

bool FolderItem::Delete() const {
    return QFile::remove(mPath) || !Exists();
}

TextOutputStream FolderItem::CreateTextFile() const {
    const QString folder = QFileInfo(mPath).absolutePath();
    // std::filesystem, unlike QDir::mkpath, says why a folder cannot be made.
    std::error_code error;
    std::filesystem::create_directories(QFile::encodeName(folder).toStdString(), error);
    if (error)
        throw IOException(folder, QString::fromStdString(error.message()));
    return TextOutputStream(mPath);
}

TextInputStream FolderItem::OpenAsTextFile() const {
    return TextInputStream(mPath);
}
