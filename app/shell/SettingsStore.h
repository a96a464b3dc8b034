#pragma once

#include <QString>

// The per-user settings: application "Cindrel", section "Settings", text values.
// Tests point the store at a file of their own.
class SettingsStore
{
public:
    // Empty text when the key is missing.
    static QString read(const QString& key);
    static void write(const QString& key, const QString& value);
    static void sync();

    // Where the settings live; empty means the user's standard location.
    static void useFile(const QString& path);
    static QString location();
};
