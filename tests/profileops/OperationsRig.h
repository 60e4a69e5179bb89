// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/ScriptedPrompts.h"

#include "app/CommitController.h"
#include "app/ProfileOperations.h"
#include "device/ApplyJob.h"
#include "storage/AppConfig.h"
#include "storage/ModelDescription.h"
#include "storage/ProfileFiles.h"
#include "storage/ProfileWorkspace.h"
#include "support/WindowRig.h"

#include <QSignalSpy>
#include <QtTest>
#include <memory>

// The real window on the virtual mouse, with profile operations that answer
// to a scripted user.
class OperationsRig
{
public:
    explicit OperationsRig(const VirtualMouseOptions& options = VirtualMouseOptions()) : rig(options)
    {
        rig.open();
        commit = rig.find<CommitController>(QStringLiteral("commitController"));
        ops = std::make_unique<ProfileOperations>(workspace(), *commit, model, prompts);
    }

    ProfileWorkspace& workspace() const { return rig.workspace(); }
    QString modelName() const { return workspace().modelName(); }
    QString profileDir() const { return rig.paths().profileDir(modelName()); }
    QString profilePath(const QString& name) const
    {
        return profileDir() + QLatin1Char('/') + name + ".prof";
    }
    ProfileFiles files() const { return ProfileFiles(rig.paths(), modelName()); }
    QStringList storedLibrary() const { return AppConfig(rig.paths()).profileList(modelName()); }

    // Writes the library list and reads it into the operations.
    void setLibrary(const QStringList& names)
    {
        QVERIFY(AppConfig(rig.paths()).writeProfileList(modelName(), names).isOk());
        ops->reloadLibrary();
    }
    // A stored profile of this model whose every value tells it apart.
    void storeProfile(const QString& name, quint8 seed)
    {
        ProfileData profile;
        profile.ProfileName = name;
        profile.pollrate = seed;
        profile.dpi = quint8(seed % 8);
        QVERIFY(files().saveNamedProfile(profile, name).isOk());
    }
    // Runs one commit to its end; false when none started or it never ended.
    bool awaitCommit(const std::function<void()>& start, ApplyOutcome* outcome = nullptr)
    {
        QSignalSpy done(commit, &CommitController::committed);
        start();
        if (done.isEmpty() && !done.wait(20000))
            return false;
        if (outcome)
            *outcome = done.takeFirst().at(0).value<ApplyOutcome>();
        return true;
    }

    WindowRig rig;
    ModelDescription model;
    ScriptedPrompts prompts;
    CommitController* commit = nullptr;
    std::unique_ptr<ProfileOperations> ops;
};
