#include "files/IOException.h"

IOException::IOException(const QString& path, const QString& reason)
    : NilObjectException(path + QStringLiteral(": ") + reason), mPath(path), mReason(reason) {}
