#pragma once

#include <QString>

#include "text/Dictionary.h"
#include "text/Variant.h"

// A small store of named values kept in memory and saved to, or loaded
// from, one property-list file in the user's preferences folder (see
// PlistText for its form). Its own failures are shown with MsgBox and the
// operation returns; a file or folder the system refuses raises IOException
// to the caller.
class Preferences {
  public:
    Preferences() = default;
    virtual ~Preferences() = default;

    // The key and value file: a bare name inside the preferences folder.
    QString Filename;
    // The page-text file, in the same folder.
    QString PagePrefsFilename;

    // Adds each key and string pair of the file to the store through Put,
    // every value as a String. True when the file exists and its text holds
    // "<key>" with a "</key>" after it. A file larger than
    // PlistText::kMaxFileBytes raises IOException unread.
    virtual bool ReadFile();
    // Replaces the file whole with every entry, in the order they were
    // first stored. The file on disk is always the old one or the new one.
    virtual void WriteFile();
    // The value stored for `key`; when there is none, `defaultValue` is
    // stored first, so that a later WriteFile writes it.
    virtual Variant Get(const QString& key, const Variant& defaultValue);
    virtual void Put(const QString& key, const Variant& value);
    virtual void Clear();
    // Writes `text` and a line end as the whole page-text file.
    virtual void WritePagePrefsFile(const QString& text);
    // The whole page-text file, or an empty text when it does not exist.
    virtual QString ReadPagePrefsFile();

  private:
    Dictionary mDict;
};
