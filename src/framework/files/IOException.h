#pragma once

#include <QString>

#include "system/Runtime.h"

// A file or folder that the system refuses to create, open, read or write.
// It is a NilObjectException, as a file object that cannot be made is one,
// and it keeps the path and the system's reason apart so that a caller can
// tell the user both.
class IOException : public NilObjectException {
  public:
    IOException(const QString& path, const QString& reason);

    QString Path() const { return mPath; }
    QString Reason() const { return mReason; }

  private:
    QString mPath;
    QString mReason;
};
