#include "text/Dictionary.h"

Variant Dictionary::Value(const Variant& key) const {
    const auto it = mIndex.constFind(key);
    return it == mIndex.constEnd() ? Variant() : mValues.at(*it);
}

void Dictionary::SetValue(const Variant& key, const Variant& value) {
    const auto it = mIndex.constFind(key);
    if (it != mIndex.constEnd()) {
        mValues[*it] = value;
        return;
    }
    mIndex.insert(key, mKeys.size());
    mKeys.append(key);
    mValues.append(value);
}
