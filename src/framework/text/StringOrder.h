#pragma once

#include <QString>
#include <QStringList>

// The framework's one comparison of texts, used wherever texts are matched
// or sorted: letter case does not count. Texts are compared by their UTF-16
// code units after simple Unicode case folding (Qt's case-insensitive
// compare), so "dejavu sans" equals "DejaVu Sans", and every text equals
// itself. Negative, 0 or positive as `a` sorts before, with or after `b`.
int CompareText(const QString& a, const QString& b);

// Sorts ascending by CompareText; equal texts keep their order.
void SortAscending(QStringList& list);
