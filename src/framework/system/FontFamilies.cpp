#include "system/FontFamilies.h"

QString PlainFamily(const QString& name) {
    if (!name.endsWith(QLatin1Char(']')))
        return name;
    const qsizetype bracket = name.lastIndexOf(QLatin1String(" ["));
    return bracket > 0 ? name.left(bracket) : name;
}

QStringList PlainFamilies(const QStringList& names) {
    QStringList families;
    families.reserve(names.size());
    for (const QString& name : names)
        families.append(PlainFamily(name));
    families.removeDuplicates();
    return families;
}
