// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/PointerSpeed.h"

#include <QVector>

// A pointer speed held in memory, for tests. Without a starting speed it
// behaves like a desktop that exposes none.
class FakePointerSpeed : public PointerSpeed
{
public:
    explicit FakePointerSpeed(std::optional<int> speed = std::nullopt) : m_speed(speed) {}

    std::optional<int> readPointerSpeed() override { return m_speed; }
    bool applyPointerSpeed(int speed) override;

    // Every speed applied, supported or not, oldest first.
    QVector<int> applied() const { return m_applied; }

private:
    std::optional<int> m_speed;
    QVector<int> m_applied;
};
