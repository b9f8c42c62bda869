#include "AppSettings.h"

#include "ClockRecords.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

#include <cstdio>

namespace {

constexpr const char* kKeyConnection = "connection/device";
constexpr const char* kKeyWindowPosition = "window/position";

void Note(const QString& file, const QString& text)
{
    std::fprintf(stderr, "kerovant: %s: %s\n", qPrintable(file), qPrintable(text));
}

}  // namespace

QString CAppSettings::DefaultFile()
{
    // GenericConfigLocation is $XDG_CONFIG_HOME, or ~/.config without it.
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("kerovant/kerovant.conf"));
}

CAppSettings::CAppSettings(QString file) : file_(std::move(file)) { }

std::optional<std::string> CAppSettings::Connection() const
{
    if (!Enabled())
        return std::nullopt;
    const QSettings settings(file_, QSettings::IniFormat);
    const QVariant value = settings.value(QLatin1String(kKeyConnection));
    if (!value.isValid())
        return std::nullopt;
    const std::string path = value.toString().toStdString();
    // Only what the menu stores: nothing, or an absolute device path that
    // fits the link settings. A relative path would be opened from whatever
    // folder the program was started in.
    LinkSettings fits;
    if (!path.empty() && (path.front() != '/' || !SetDeviceName(fits, path))) {
        Note(file_,
             QStringLiteral("ignoring the stored connection '%1': not an absolute device path of at most "
                            "%2 characters")
                 .arg(value.toString())
                 .arg(sizeof fits.deviceName - 1));
        return std::nullopt;
    }
    return path;
}

bool CAppSettings::SetConnection(const std::string& devicePath)
{
    return Store(QLatin1String(kKeyConnection), QString::fromStdString(devicePath));
}

std::optional<QPoint> CAppSettings::WindowPosition() const
{
    if (!Enabled())
        return std::nullopt;
    const QSettings settings(file_, QSettings::IniFormat);
    const QVariant value = settings.value(QLatin1String(kKeyWindowPosition));
    if (!value.isValid())
        return std::nullopt;
    // QSettings writes a point as "@Point(x y)" and reads it back as one;
    // anything else was written by hand.
    if (value.typeId() != QMetaType::QPoint) {
        Note(file_, QStringLiteral("ignoring the stored window position: not a point"));
        return std::nullopt;
    }
    return value.toPoint();
}

bool CAppSettings::SetWindowPosition(QPoint position)
{
    return Store(QLatin1String(kKeyWindowPosition), position);
}

bool CAppSettings::Store(const QString& key, const QVariant& value)
{
    if (!Enabled())
        return true;
    QSettings settings(file_, QSettings::IniFormat);
    settings.setValue(key, value);
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        Note(file_, QStringLiteral("cannot save the settings (is the folder writable?)"));
        return false;
    }
    return true;
}
