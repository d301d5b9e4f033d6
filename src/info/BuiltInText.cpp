#include "BuiltInText.h"

#include <QFile>

QString BuiltInText(const QString& name) {
    QFile file(QStringLiteral(":/quendle/") + name);
    // Compiled in, so it is always there; an empty text would show a
    // missing resource at once rather than crash.
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QString text = QString::fromUtf8(file.readAll());
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}
