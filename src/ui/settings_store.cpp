#include "ui/settings_store.h"

#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

namespace rw::ui {
namespace {

QString SettingsPath(Edition edition) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString program = edition == Edition::Latin ? QStringLiteral("runewright-eng")
                                                      : QStringLiteral("runewright-rus");
    return folder + QStringLiteral("/runewright/") + program + QStringLiteral(".conf");
}

int IntOf(const QSettings& settings, const char* key) {
    bool ok = false;
    const int value = settings.value(QLatin1String(key)).toInt(&ok);
    return ok ? value : -1;
}

}  // namespace

SettingsStore::SettingsStore(Edition edition)
    : settings_(std::make_unique<QSettings>(SettingsPath(edition), QSettings::IniFormat)) {}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::FileName() const {
    return settings_->fileName();
}

RememberedSettings SettingsStore::Read() const {
    namespace keys = settings_keys;
    StoredSettings stored;
    stored.language = IntOf(*settings_, keys::kLanguage);
    stored.model = IntOf(*settings_, keys::kModel);
    stored.kind = IntOf(*settings_, keys::kKind);
    stored.zoom_percent = IntOf(*settings_, keys::kZoom);
    stored.zoom_fit = settings_->value(QLatin1String(keys::kZoomFit)).toBool();
    stored.show_original = settings_->value(QLatin1String(keys::kGhost)).toBool();
    for (std::size_t role = 0; role < kFileRoleCount; ++role) {
        stored.last_files[role] =
            settings_->value(QLatin1String(keys::kLastFiles[role])).toString().toStdString();
    }
    for (const QString& path : settings_->value(QLatin1String(keys::kRecentFiles)).toStringList())
        stored.recent_files.push_back(path.toStdString());
    return FromStored(stored);
}

void SettingsStore::Write(const RememberedSettings& settings) {
    namespace keys = settings_keys;
    const StoredSettings stored = ToStored(settings);
    settings_->setValue(QLatin1String(keys::kLanguage), stored.language);
    settings_->setValue(QLatin1String(keys::kModel), stored.model);
    settings_->setValue(QLatin1String(keys::kKind), stored.kind);
    settings_->setValue(QLatin1String(keys::kZoom), stored.zoom_percent);
    settings_->setValue(QLatin1String(keys::kZoomFit), stored.zoom_fit);
    settings_->setValue(QLatin1String(keys::kGhost), stored.show_original);
    for (std::size_t role = 0; role < kFileRoleCount; ++role) {
        settings_->setValue(QLatin1String(keys::kLastFiles[role]),
                            QString::fromStdString(stored.last_files[role]));
    }
    QStringList recent;
    for (const std::string& path : stored.recent_files) recent << QString::fromStdString(path);
    settings_->setValue(QLatin1String(keys::kRecentFiles), recent);
    settings_->sync();
}

}  // namespace rw::ui
