#pragma once

#include <QString>
#include <optional>

#include "files/TextInputStream.h"
#include "files/TextOutputStream.h"

// A file or folder by its absolute path; it need not exist.
class FolderItem {
  public:
    explicit FolderItem(const QString& path) : mPath(path) {}

    QString NativePath() const { return mPath; }
    // The item of `name` inside this folder; none when `name` cannot be a
    // plain file name (empty, ".", "..", or holding "/" or a NUL).
    std::optional<FolderItem> Child(const QString& name) const;
    bool Exists() const;
    // The size in bytes; 0 when there is no such file.
    qint64 Length() const;
    // Removes the file; true when it is gone afterwards.
    bool Delete() const;
    // A stream whose text replaces this file when it is closed (see
    // TextOutputStream). The folders above are created when missing;
    // raises IOException when they or the file cannot be.
    TextOutputStream CreateTextFile() const;
    // Raises IOException when the file cannot be opened or is no regular
    // file.
    TextInputStream OpenAsTextFile() const;
    // Gives the file the name `name` in its folder, never replacing an item
    // already called so: false when that name is taken. Raises IOException
    // when `name` cannot be a file name or the system refuses the move.
    bool MoveToNewName(const QString& name) const;
    // Files on this platform carry no creator or type codes: these do nothing.
    void SetMacCreator(const QString&) const {}
    void SetMacType(const QString&) const {}

  private:
    QString mPath;
};
