#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

// Writes one skin image: the SVG itself, for the program to render at any
// size, and the PNG drawn from it at its design size.
class SkinOutput
{
public:
    explicit SkinOutput(const QString& folder);

    // Writes <base>.svg and <base>.png; false (with a message) on failure.
    bool write(const QByteArray& svg, const QString& baseName) const;
    // The SVG's design size; invalid when the text is no SVG.
    static QSize designSize(const QByteArray& svg);

    const QString& folder() const { return m_folder; }

private:
    QString m_folder;
};
