#pragma once
// What the window tells the user of the library: the outcomes the library
// session returns, in words. Empty where there is nothing to tell.

#include "library/library_session.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

namespace vorlix {

class LibraryWords {
    Q_DECLARE_TR_FUNCTIONS(LibraryWords)
public:
    explicit LibraryWords(const LibrarySession& session) : session_(session) {}

    // The fonts frame's tooltip: which file the list shows.
    QString description() const;
    // A library that could not be read, or damage not told before.
    QString reloaded(const LibraryReload& reload) const;

    QString saved(const LibraryWrite& write, const FONTREC& record) const;
    QString deleted(const LibraryWrite& write) const;
    // source is the font or firmware file, as the user knows it.
    QString merged(const LibraryWrite& write, const QString& source,
                   std::optional<std::size_t> missing = {}) const;
    QString notImported(const QString& source, const QString& why) const;

private:
    QString failed(const QString& what, const LibraryWrite& write) const;
    QString path() const;

    const LibrarySession& session_;
};

} // namespace vorlix
