#pragma once

#include <QString>

// A text compiled into the program from the resources folder ("Help.txt",
// "Credits.txt"), without the line break an editor leaves at its end.
QString BuiltInText(const QString& name);
