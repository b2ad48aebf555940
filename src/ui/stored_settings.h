#pragma once
// Choices a window keeps for the next run: a plain struct of values, each
// kept under a key of its group in the user's settings
// (~/.config/vorlix/vorlix.conf on Linux).

#include <QSettings>
#include <QString>

#include <cstddef>
#include <type_traits>
#include <variant>

namespace vorlix {

inline QSettings userSettings() {
    return QSettings(QSettings::UserScope, QStringLiteral("vorlix"), QStringLiteral("vorlix"));
}

// A setting's key and the member it is kept in.
template <typename Settings> struct Stored {
    const char* key;
    std::variant<QString Settings::*, bool Settings::*, int Settings::*> member;
};

// The struct's own values stand for those never stored.
template <typename Settings, std::size_t N>
Settings loadStored(const char* group, const Stored<Settings> (&fields)[N]) {
    QSettings stored = userSettings();
    stored.beginGroup(QLatin1String(group));
    Settings loaded;
    for (const Stored<Settings>& field : fields) {
        std::visit(
            [&](auto member) {
                using Value = std::remove_reference_t<decltype(loaded.*member)>;
                loaded.*member =
                    stored.value(QLatin1String(field.key), loaded.*member).template value<Value>();
            },
            field.member);
    }
    return loaded;
}

template <typename Settings, std::size_t N>
void saveStored(const Settings& chosen, const char* group, const Stored<Settings> (&fields)[N]) {
    QSettings stored = userSettings();
    stored.beginGroup(QLatin1String(group));
    for (const Stored<Settings>& field : fields) {
        std::visit([&](auto member) { stored.setValue(QLatin1String(field.key), chosen.*member); },
                   field.member);
    }
}

} // namespace vorlix
