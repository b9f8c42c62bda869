// What the program keeps between runs: the connection the user chose in the
// window's Connection menu and where the main window stood. An INI file under
// the user's configuration folder ($XDG_CONFIG_HOME/kerovant/kerovant.conf,
// usually ~/.config/kerovant/kerovant.conf).
//
// A value that cannot be used (a relative path, a path too long for the
// link settings, a position that is not a point) is ignored with a note on
// standard error, as if it had never been stored: the file is the user's to
// edit, and a damaged line must not keep the program from starting.
//
// Thread rules: user-interface thread only (QSettings is not shared).
#pragma once

#include <QPoint>
#include <QString>

#include <optional>
#include <string>

class CAppSettings {
public:
    // The file in the user's configuration folder.
    static QString DefaultFile();

    // file: where the settings are kept; empty keeps nothing (every getter
    // answers "none", every setter does nothing).
    explicit CAppSettings(QString file = {});

    const QString& File() const { return file_; }
    bool Enabled() const { return !file_.isEmpty(); }

    // The chosen connection: a device path, or the empty string for the
    // first USB bridge found. Nothing when no choice has been stored.
    std::optional<std::string> Connection() const;
    // False when the file cannot be written (the reason is on standard
    // error); the choice still holds for this run.
    bool SetConnection(const std::string& devicePath);

    // Where the main window stood (its frame's top left corner).
    std::optional<QPoint> WindowPosition() const;
    bool SetWindowPosition(QPoint position);

private:
    bool Store(const QString& key, const QVariant& value);

    QString file_;
};
