// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// mousecfgctl through the hidapi backend, the kernel's hidraw and USB HID
// drivers and the gadgets: what it finds, what it writes, what it reads.
class ToolTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void interfacesAreWhereTheDeviceTableLooks();
    void devicesListsThePluggedIdentitiesOnly();
    void applyWritesWhatTheVirtualMouseGets_data();
    void applyWritesWhatTheVirtualMouseGets();
    void faultsActAsOnTheVirtualMouse_data();
    void faultsActAsOnTheVirtualMouse();
    void statusShowsWhatTheMouseReports();
    void selectProfileReachesTheMouse();
    void withoutTheRuleAUserIsToldWhichNode();
    void theInstalledRuleTagsTheMouseOnly();
};
