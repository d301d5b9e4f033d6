#pragma once

#include <QString>
#include <memory>

class QSaveFile;

// Text written to a file as UTF-8 that replaces the file whole, or not at
// all: the text goes to a temporary file in the same folder, and Close
// renames it over the old file. Until Close succeeds, and whenever writing
// fails, the file on disk is the old one (or none), never a partial one.
// A stream dropped without Close leaves the file as it was.
class TextOutputStream {
  public:
    // Opens the temporary file for `path`; raises IOException when it
    // cannot be created, naming the folder when that allows no new files.
    explicit TextOutputStream(const QString& path);
    TextOutputStream(TextOutputStream&&) noexcept;
    TextOutputStream& operator=(TextOutputStream&&) noexcept;
    ~TextOutputStream();

    // Writes `text` and the line end, a line feed.
    void WriteLine(const QString& text);
    // Puts the written text in place of the file; raises IOException when
    // that fails, the old file staying whole. Closing again does nothing.
    void Close();

  private:
    QString mPath;
    std::unique_ptr<QSaveFile> mFile;
};
