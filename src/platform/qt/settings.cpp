#include "platform/qt/settings.h"

#include <QFile>
#include <QSettings>
#include <fcntl.h>
#include <unistd.h>

#include "platform/atomic_file.h"

namespace cfhx::qt {
namespace {

QString userSettingsPath() {
    return QSettings(QStringLiteral("cfhx"), QStringLiteral("cfhx")).fileName();
}

// The file at `path` on the disk; false when it cannot be flushed.
bool flushToDisk(const QString& path) {
    const int fd = ::open(path.toLocal8Bit().constData(), O_RDONLY);
    if (fd < 0) return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

// `written` holds every key of `values` with its value, and no other. Qt
// keeps the files it has parsed, so the bytes are read from a copy of
// another name.
bool readsBack(const QString& written, const QVariantMap& values) {
    const QString copy = written + QStringLiteral(".read");
    bool same = QFile::copy(written, copy);
    if (same) {
        QSettings back(copy, QSettings::IniFormat);
        same = back.status() == QSettings::NoError && back.allKeys().size() == values.size();
        for (auto it = values.cbegin(); same && it != values.cend(); ++it) {
            QVariant v = back.value(it.key());
            same = v.isValid() && v.convert(it.value().metaType()) && v == it.value();
        }
    }
    QFile::remove(copy);
    return same;
}

}  // namespace

KeptSettings::KeptSettings() : KeptSettings(userSettingsPath()) {}

KeptSettings::KeptSettings(QString path) : path_(std::move(path)) {
    const QSettings file(path_, QSettings::IniFormat);
    for (const QString& key : file.allKeys()) values_.insert(key, file.value(key));
}

QVariant KeptSettings::value(const QString& key, const QVariant& fallback) const {
    return values_.value(key, fallback);
}

void KeptSettings::setValue(const QString& key, const QVariant& value) { values_.insert(key, value); }

QStringList KeptSettings::childKeys(const QString& group) const {
    const QString prefix = group + QLatin1Char('/');
    QStringList keys;
    for (auto it = values_.cbegin(); it != values_.cend(); ++it) {
        if (!it.key().startsWith(prefix)) continue;
        const QString rest = it.key().mid(prefix.size());
        if (!rest.contains(QLatin1Char('/'))) keys.append(rest);
    }
    return keys;
}

void KeptSettings::removeGroup(const QString& group) {
    const QString prefix = group + QLatin1Char('/');
    for (auto it = values_.begin(); it != values_.end();) {
        if (it.key().startsWith(prefix)) it = values_.erase(it);
        else ++it;
    }
}

bool KeptSettings::save(QString& why) const {
    AtomicFile file(path_.toStdString());
    if (!file.ok()) {
        why = QString::fromStdString(file.error());
        return false;
    }
    const QString temporary = QString::fromStdString(file.temporaryPath());
    {
        QSettings out(temporary, QSettings::IniFormat);
        for (auto it = values_.cbegin(); it != values_.cend(); ++it) out.setValue(it.key(), it.value());
        out.sync();
        if (out.status() != QSettings::NoError) {
            why = QStringLiteral("cannot write it");
            return false;
        }
    }
    if (!readsBack(temporary, values_) || !flushToDisk(temporary)) {
        why = QStringLiteral("the new file could not be written whole (is the disk full?)");
        return false;
    }
    if (!file.commit()) {
        why = QString::fromStdString(file.error());
        return false;
    }
    return true;
}

}  // namespace cfhx::qt
