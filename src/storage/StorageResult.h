// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The outcome of a write to disk. Reads never fail (a missing or damaged file
// reads as defaults), but the user must learn when a save did not reach the
// disk, so every write returns one of these with a message that can be shown.
class [[nodiscard]] StorageResult
{
public:
    static StorageResult success() { return StorageResult(); }
    static StorageResult failure(const QString& message) { return StorageResult(message); }

    bool isOk() const { return m_message.isEmpty(); }
    QString errorMessage() const { return m_message; }

    // Keeps every failure of a sequence of writes, one message per line.
    StorageResult& operator+=(const StorageResult& other)
    {
        if (!other.isOk())
            m_message = isOk() ? other.m_message : m_message + QLatin1Char('\n') + other.m_message;
        return *this;
    }

private:
    StorageResult() = default;
    explicit StorageResult(const QString& message) : m_message(message) {}

    QString m_message;
};
