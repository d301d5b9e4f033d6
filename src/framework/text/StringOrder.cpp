#include "text/StringOrder.h"

#include <algorithm>

int CompareText(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive);
}

void SortAscending(QStringList& list) {
    std::stable_sort(list.begin(), list.end(),
                     [](const QString& a, const QString& b) { return CompareText(a, b) < 0; });
}
