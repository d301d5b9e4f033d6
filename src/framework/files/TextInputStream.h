#pragma once

#include <QString>
#include <memory>

class QFile;

// A text file opened for reading, decoded as UTF-8 (see DecodeText).
class TextInputStream {
  public:
    // Files beyond this size are refused rather than read: they cannot be a
    // text that this application wrote, and the text functions count
    // positions in an int.
    static constexpr qint64 kMaxBytes = 64 * 1024 * 1024;

    // Opens `path`; raises IOException when it cannot be opened or is no
    // regular file (a link to one is followed).
    explicit TextInputStream(const QString& path);
    TextInputStream(TextInputStream&&) noexcept;
    TextInputStream& operator=(TextInputStream&&) noexcept;
    ~TextInputStream();

    // The whole remaining text; raises IOException when it cannot be read
    // or the file is larger than `maxBytes` (at most kMaxBytes).
    QString ReadAll(qint64 maxBytes = kMaxBytes);
    void Close();

  private:
    QString mPath;
    std::unique_ptr<QFile> mFile;
};
