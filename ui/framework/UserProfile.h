#pragma once
// The per-user profile of the program (the dialog's remembered state), kept in QSettings under
// section and key names; it never touches the catalog's own files.
#include <QString>

namespace UserProfile {

// The settings store's organisation and application names, set once at start-up.
inline constexpr char kOrganization[] = "talvane";
inline constexpr char kApplication[] = "talvane";

int GetInt(const QString& section, const QString& key, int def);
void WriteInt(const QString& section, const QString& key, int value);
QString GetString(const QString& section, const QString& key, const QString& def = QString());
void WriteString(const QString& section, const QString& key, const QString& value);

} // namespace UserProfile
