#include "library/library_store.h"

#include "common/file_io.h"
#include "library/library_edit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <memory>
#include <unordered_map>
#include <unordered_set>

namespace vorlix {

namespace {

// Saves take milliseconds; a lock held this long belongs to a program that
// hangs, and the user should hear of it rather than wait.
constexpr int lockWaitMs = 10000;
// How often a save decides anew when the file keeps changing under it.
constexpr int attempts = 8;

QString heldMessage(const QString& what) {
    return QStringLiteral("Another program is saving to the library and holds %1. Nothing "
                          "was written; try again in a moment.")
        .arg(QDir::toNativeSeparators(what));
}

// FONTSDAT.txt.bak, or the first of .bak.2, .bak.3 ... that nobody has taken,
// created so that no two savers ever share one.
struct Backup {
    QString path;
    QString error;
};

Backup makeBackup(const QString& library, const std::string& bytes) {
    for (int n = 1; n < 10000; ++n) {
        const QString path =
            library + (n == 1 ? QStringLiteral(".bak") : QStringLiteral(".bak.%1").arg(n));
        const WriteResult made = writeNewFile(path, bytes, library);
        if (made.status == WriteStatus::written) {
            return {path, {}};
        }
        if (made.status != WriteStatus::taken) {
            return {{}, made.error};
        }
    }
    return {{}, QStringLiteral("every backup name is taken")};
}

struct LocationRead {
    FileRead file;
    bool seeded = false; // the library does not exist yet: these are its seed's bytes
};

LocationRead readLocation(const LibraryLocation& library) {
    FileRead file = readFile(library.path, libraryByteLimit);
    if (file.missing && library.showsSeed()) {
        FileRead seed = readFile(library.seed, libraryByteLimit);
        if (!seed.missing) {
            return {std::move(seed), true};
        }
    }
    return {std::move(file), false};
}

} // namespace

bool LibraryLocation::showsSeed() const {
    return !seed.isEmpty() && !QFileInfo::exists(path);
}

QString libraryPathBeside(const QString& programFolder) {
    return QDir(programFolder).filePath(QStringLiteral("FONTSDAT.txt"));
}

LibraryLocation locateLibrary(const QString& given, const QString& programFolder,
                              const QString& userFolder) {
    if (!given.isEmpty()) {
        return {given};
    }
    const QString beside = libraryPathBeside(programFolder);
    const QString starter = QDir::cleanPath(
        QDir(programFolder).filePath(QStringLiteral("../share/vorlix/starter/FONTSDAT.txt")));
    // An installed program is never portable, even for root, who may write
    // the folder: nothing is written under the prefix.
    const bool installed =
        QFileInfo(QDir(programFolder).filePath(QStringLiteral("../share/vorlix"))).isDir();
    if (QFileInfo::exists(beside) || (!installed && QFileInfo(programFolder).isWritable())) {
        return {beside};
    }
    return {libraryPathBeside(userFolder), QFileInfo::exists(starter) ? starter : QString()};
}

QString userLibraryFolder() {
    // The base directory rules make a relative XDG_DATA_HOME invalid, to be
    // ignored; Qt would take it relative to the current folder.
    const QString given = qEnvironmentVariable("XDG_DATA_HOME");
    const QString data = given.isEmpty() || QDir::isAbsolutePath(given)
                             ? QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                             : QDir::home().filePath(QStringLiteral(".local/share"));
    return QDir(data).filePath(QStringLiteral("vorlix"));
}

LibraryLoad loadLibrary(const LibraryLocation& library) {
    const FileRead file = readLocation(library).file;
    if (!file.error.isEmpty()) {
        return {{}, file.error};
    }
    return {parseLibrary(file.bytes), {}};
}

namespace {

enum class Step { done, ask, again };

LibraryWrite failure(QString why) {
    LibraryWrite outcome;
    outcome.result = LibraryWrite::Result::failed;
    outcome.error = std::move(why);
    return outcome;
}

LibraryWrite refusedForDamage(const Damage& damage) {
    LibraryWrite outcome;
    outcome.result = LibraryWrite::Result::damagedLibrary;
    outcome.dropped = damage;
    outcome.error = QStringLiteral("the library is damaged at line %1: %2")
                        .arg(damage.line)
                        .arg(QString::fromStdString(damage.what));
    return outcome;
}

// What to do with the library as it is now: write rewrite, ask first, or
// stop with error (nothing written, and no error for nothing to do).
struct Decision {
    Step step = Step::done;
    std::optional<Rewrite> rewrite;
    QString error;
    bool keepOld = false; // the rewrite replaces glyphs the user may want back
};

using Decide = std::function<Decision(const std::string& bytes, ParsedLibrary parsed)>;

// One read-decide-write under the lock.
std::pair<Step, LibraryWrite> attempt(const LibraryLocation& library, const Decide& decide) {
    const QString& path = library.path;
    if (!isPlainFile(path)) {
        return {Step::done, failure(QStringLiteral("The library is not a plain file (a device, a "
                                                   "pipe or an open stream), so it is not saved "
                                                   "to."))};
    }
    const QFileInfo info(path);
    const QString folder = QDir::toNativeSeparators(info.absolutePath());
    if (!QFileInfo(info.absolutePath()).isDir()) {
        return {Step::done, failure(QStringLiteral("The folder %1 does not exist.").arg(folder))};
    }
    if (!info.exists() && !mayAddFilesTo(info.absolutePath())) {
        return {Step::done,
                failure(QStringLiteral("The folder %1 may not be written, so the library cannot "
                                       "be made there.")
                            .arg(folder))};
    }
    // Every saver takes this lock, so that savers exclude each other.
    const WriteLock lock(path, lockWaitMs);
    if (!lock.heldBy().isEmpty()) {
        return {Step::done, failure(heldMessage(lock.heldBy()))};
    }
    const LocationRead read = readLocation(library);
    const FileRead& file = read.file;
    const bool seeded = read.seeded;
    if (!file.error.isEmpty()) {
        return {Step::done, failure(file.error)};
    }
    Decision decision = decide(file.bytes, parseLibrary(file.bytes));
    if (!decision.rewrite) {
        return {decision.step, decision.error.isEmpty() ? LibraryWrite{} : failure(decision.error)};
    }
    const Rewrite& rewrite = *decision.rewrite;

    LibraryWrite outcome;
    bool changed = false;
    const auto beforeCommit = [&]() -> QString {
        // An editor that takes no lock may have written meanwhile.
        const FileRead now = readFile(path, libraryByteLimit);
        if (seeded ? !now.missing : now.missing != file.missing || now.bytes != file.bytes) {
            changed = true;
            return QStringLiteral("The library changed while it was being saved.");
        }
        if ((rewrite.dropped || decision.keepOld) && !seeded) {
            // The new file holds only what could be read, or has lost glyphs
            // to others: keep the old one aside.
            const Backup backup = makeBackup(path, file.bytes);
            if (!backup.error.isEmpty()) {
                return QStringLiteral("The old file could not be kept as a backup: %1")
                    .arg(backup.error);
            }
            outcome.backupPath = backup.path;
            outcome.dropped = rewrite.dropped.value_or(Damage{});
        }
        return {};
    };
    const WriteResult written = writeFile(path, rewrite.bytes, beforeCommit);
    if (written.status == WriteStatus::written) {
        outcome.result = LibraryWrite::Result::written;
        return {Step::done, outcome};
    }
    if (written.status == WriteStatus::damaged) {
        // The backup, if one was made, is all that is whole now: it stays.
        outcome.error = written.error;
        outcome.result = LibraryWrite::Result::damaged;
        if (!outcome.backupPath.isEmpty()) {
            outcome.error += QStringLiteral(". The old file is kept as %1.")
                                 .arg(QDir::toNativeSeparators(outcome.backupPath));
        }
        return {Step::done, outcome};
    }
    if (!outcome.backupPath.isEmpty()) {
        QFile::remove(outcome.backupPath);
    }
    if (changed) {
        return {Step::again, {}};
    }
    return {Step::done, failure(written.error)};
}

// Attempts until one is done; ask is put to the user between attempts, with
// the lock let go and nothing read kept: the file is read afresh after the
// answer. decide learns the answer through its confirmed flag.
LibraryWrite writeTries(const LibraryLocation& path, const Decide& decide,
                        const std::function<bool()>& ask, bool& confirmed) {
    for (int tries = 0; tries < attempts; ++tries) {
        auto [step, outcome] = attempt(path, decide);
        if (step == Step::done) {
            return outcome;
        }
        if (step == Step::ask) {
            if (!ask()) {
                LibraryWrite declined;
                declined.result = LibraryWrite::Result::declined;
                return declined;
            }
            confirmed = true;
        }
    }
    return failure(QStringLiteral("The library kept changing while it was being saved."));
}

// A per-user library's folder is made by its first save, and goes again when
// that writes nothing.
LibraryWrite writeDecided(const LibraryLocation& library, const Decide& decide,
                          const std::function<bool()>& ask, bool& confirmed) {
    const QString folder = QFileInfo(library.path).absolutePath();
    const bool made =
        !library.seed.isEmpty() && !QFileInfo::exists(folder) && QDir().mkpath(folder);
    const LibraryWrite outcome = writeTries(library, decide, ask, confirmed);
    if (made && !QFileInfo::exists(library.path)) {
        QDir().rmdir(folder);
    }
    return outcome;
}

std::optional<std::string> unstorableField(const FONTREC& record, TextEncoding encoding) {
    for (const std::string* field : {&record.CHAR, &record.HEX[0], &record.HEX[1], &record.HEX[2],
                                     &record.HEX[3], &record.HEX[4]}) {
        if (const auto problem = fieldProblem(*field, encoding)) {
            return "\"" + *field + "\" cannot be stored: " + *problem + ".";
        }
    }
    return std::nullopt;
}

const QString unstorable =
    QStringLiteral("a field holds a character the library file cannot store");

// Some record fits a UTF-8 file but not a Windows-1252 one.
bool needsUtf8(const FontTable& records) {
    for (const FONTREC& record : records) {
        if (unstorableField(record, TextEncoding::windows1252) &&
            !unstorableField(record, TextEncoding::utf8WithMark)) {
            return true;
        }
    }
    return false;
}

} // namespace

LibraryWrite saveGlyph(const LibraryLocation& path, const FONTREC& record, bool invertColumns,
                       const std::function<bool()>& replaceConfirmed) {
    bool confirmed = false;
    const Decide decide = [&](const std::string& bytes, ParsedLibrary parsed) -> Decision {
        if (const auto problem = unstorableField(record, parsed.encoding)) {
            return {Step::done, {}, QString::fromStdString(*problem)};
        }
        std::optional<Rewrite> rewrite;
        if (const auto k = findRecord(parsed.records, record.CHAR)) {
            if (!confirmed) {
                return {Step::ask, {}, {}};
            }
            parsed.records.set(*k, record);
            rewrite = rewrittenBytes(std::move(parsed));
        } else {
            rewrite = appendedBytes(bytes, std::move(parsed),
                                    {recordToAppend(record.CHAR, record.HEX, invertColumns)});
        }
        return {Step::done, std::move(rewrite), rewrite ? QString() : unstorable};
    };
    return writeDecided(path, decide, replaceConfirmed, confirmed);
}

namespace {

// What merging records into the library as parsed would write; counts says
// what it would do.
Decision mergeDecision(const std::string& bytes, ParsedLibrary parsed, const FontTable& records,
                       bool replaceExisting, LibraryWrite& counts) {
    counts = {};
    if (bytes.empty() && needsUtf8(records)) {
        parsed.encoding = TextEncoding::utf8WithMark; // a new library, made to hold them
    }
    // Where each character is stored first, found once: a scan per glyph
    // made a large font's import take minutes.
    std::unordered_map<std::string, std::size_t> stored;
    stored.reserve(parsed.records.size());
    for (std::size_t k = 0; k < parsed.records.size(); ++k) {
        stored.try_emplace(std::string(parsed.records.character(k)), k);
    }
    std::unordered_set<std::string_view> taken; // views into records, which stays as it is
    FontTable appended;
    bool replacing = false;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const FONTREC record = records[i];
        if (unstorableField(record, parsed.encoding)) {
            counts.refused.push_back(record.CHAR);
        } else if (const auto k = stored.find(record.CHAR); k != stored.end()) {
            const bool replaced = replaceExisting && parsed.records[k->second] != record;
            if (replaced) {
                parsed.records.set(k->second, record);
                replacing = true;
            }
            ++(replaced ? counts.replaced : counts.kept);
        } else if (taken.insert(records.character(i)).second) {
            appended.push_back(record);
            ++counts.added;
        }
    }
    if (appended.empty() && !replacing) {
        return {Step::done, {}, {}}; // nothing to write
    }
    std::optional<Rewrite> rewrite;
    if (replacing) {
        for (const FONTREC& record : appended) {
            parsed.records.push_back(record);
        }
        rewrite = rewrittenBytes(std::move(parsed));
    } else {
        rewrite = appendedBytes(bytes, std::move(parsed), appended);
    }
    return {Step::done, std::move(rewrite), rewrite ? QString() : unstorable, replacing};
}

} // namespace

LibraryWrite mergeGlyphs(const LibraryLocation& path, const FontTable& records, MergeRules rules) {
    LibraryWrite counts;
    std::optional<Damage> damage;
    bool never = false;
    const Decide decide = [&](const std::string& bytes, ParsedLibrary parsed) {
        damage = parsed.damage;
        Decision decision =
            mergeDecision(bytes, std::move(parsed), records, rules.replaceExisting, counts);
        if ((rules.refuseUnstorable && !counts.refused.empty()) || (rules.refuseDamage && damage)) {
            return Decision{}; // nothing written; refused or damage says why
        }
        return decision;
    };
    LibraryWrite outcome = writeDecided(
        path, decide, [] { return true; }, never);
    if (rules.refuseDamage && damage && outcome.result == LibraryWrite::Result::unchanged &&
        !(rules.refuseUnstorable && !counts.refused.empty())) {
        outcome = refusedForDamage(*damage);
    }
    outcome.added = counts.added;
    outcome.replaced = counts.replaced;
    outcome.kept = counts.kept;
    outcome.refused = std::move(counts.refused);
    return outcome;
}

std::string mergeCounts(const LibraryWrite& merged, std::optional<std::size_t> missing) {
    return "added " + std::to_string(merged.added) + ", replaced " +
           std::to_string(merged.replaced) + ", kept " + std::to_string(merged.kept) +
           (missing ? ", not in the font " + std::to_string(*missing) : std::string()) +
           ", refused " + std::to_string(merged.refused.size());
}

LibraryWrite planMerge(const LibraryLocation& library, const FontTable& records,
                       bool replaceExisting) {
    LibraryWrite counts;
    const FileRead file = readLocation(library).file;
    if (!file.error.isEmpty()) {
        return failure(file.error);
    }
    mergeDecision(file.bytes, parseLibrary(file.bytes), records, replaceExisting, counts);
    return counts;
}

LibraryWrite deleteGlyph(const LibraryLocation& path, const FONTREC& record, std::size_t hint) {
    bool never = false;
    const Decide decide = [&](const std::string&, ParsedLibrary parsed) -> Decision {
        std::optional<std::size_t> k;
        if (hint < parsed.records.size() && parsed.records[hint] == record) {
            k = hint;
        } else {
            for (std::size_t i = 0; i < parsed.records.size() && !k; ++i) {
                if (parsed.records[i] == record) {
                    k = i;
                }
            }
            if (!k) {
                return {Step::done,
                        {},
                        QStringLiteral("The glyph is no longer in the library; another program "
                                       "may have changed it.")};
            }
        }
        parsed.records.erase(*k);
        auto rewrite = rewrittenBytes(std::move(parsed));
        return {Step::done, std::move(rewrite), rewrite ? QString() : unstorable};
    };
    return writeDecided(
        path, decide, [] { return true; }, never);
}

LibraryWrite convertLibrary(const LibraryLocation& library, TextEncoding encoding) {
    std::vector<std::string> refused;
    std::optional<Damage> damage;
    bool never = false;
    const Decide decide = [&](const std::string& bytes, ParsedLibrary parsed) -> Decision {
        refused.clear();
        damage.reset();
        if (parsed.encoding == encoding || bytes.empty()) {
            return {Step::done, {}, {}}; // nothing to do
        }
        if (parsed.damage) {
            damage = parsed.damage; // a rewrite would leave out what follows it
            return {Step::done, {}, {}};
        }
        for (const FONTREC& record : parsed.records) {
            if (unstorableField(record, encoding)) {
                refused.push_back(record.CHAR);
            }
        }
        if (!refused.empty()) {
            return {Step::done, {}, QStringLiteral("not every character fits")};
        }
        parsed.encoding = encoding;
        auto rewrite = rewrittenBytes(std::move(parsed));
        return {Step::done, std::move(rewrite), rewrite ? QString() : unstorable};
    };
    LibraryWrite converted = writeDecided(
        library, decide, [] { return true; }, never);
    if (damage && converted.result == LibraryWrite::Result::unchanged) {
        return refusedForDamage(*damage);
    }
    converted.refused = std::move(refused);
    return converted;
}

} // namespace vorlix
