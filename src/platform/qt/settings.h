// The windows' settings kept between runs (the language, the main window's
// place and size, the pane's type size, where the user put the screens).
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

namespace cfhx::qt {

// Read once when made; changes are held here and written by save() only.
// The file is replaced whole or not at all: Qt's own settings writer can
// leave a file cut short and report success (a full disk, a file-size
// limit), so the new file is written beside the old one, read back and
// renamed over it only when it reads back as written.
class KeptSettings {
public:
    KeptSettings();                       // this user's settings of cfhx
    explicit KeptSettings(QString path);  // a settings file of that name

    QVariant value(const QString& key, const QVariant& fallback = {}) const;
    void setValue(const QString& key, const QVariant& value);
    // The keys directly below `group` ("places" → "FORM2", ...).
    QStringList childKeys(const QString& group) const;
    void removeGroup(const QString& group);

    const QString& fileName() const { return path_; }
    // False, with the reason in `why`, when the file could not be replaced
    // (the old one stays, no temporary is left).
    bool save(QString& why) const;

private:
    QString path_;
    QVariantMap values_;
};

}  // namespace cfhx::qt
