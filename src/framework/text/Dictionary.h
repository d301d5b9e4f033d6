#pragma once

#include <QHash>
#include <QList>

#include "text/Variant.h"

// Pairs of Variant keys and values. Keys() and Values() give the entries in
// the order their keys were first set, index for index, so whatever is
// written from a dictionary comes out in the order it was filled.
class Dictionary {
  public:
    bool HasKey(const Variant& key) const { return mIndex.contains(key); }
    // The value stored under `key`; nil when there is none.
    Variant Value(const Variant& key) const;
    // Stores `value` under `key`: a new key goes last, a present key keeps
    // its place and takes the new value.
    void SetValue(const Variant& key, const Variant& value);
    int Count() const { return static_cast<int>(mKeys.size()); }
    QList<Variant> Keys() const { return mKeys; }
    QList<Variant> Values() const { return mValues; }

  private:
    QList<Variant> mKeys;
    QList<Variant> mValues;
    QHash<Variant, qsizetype> mIndex; // key -> its place in mKeys and mValues
};
