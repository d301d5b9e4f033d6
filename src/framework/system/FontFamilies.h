#pragma once

#include <QString>
#include <QStringList>

// The font database names a family "Name [Foundry]" when more than one
// foundry makes it (Debian's URW fonts come from three), so one family
// would show three times under names no settings file from elsewhere
// carries. The program offers each family once, by its plain name.

// The family a font name stands for: "Nimbus Sans [URW ]" is "Nimbus Sans";
// a name without a foundry is its own.
QString PlainFamily(const QString& name);
// Each family of `names` once, by its plain name, in the order first met.
QStringList PlainFamilies(const QStringList& names);
