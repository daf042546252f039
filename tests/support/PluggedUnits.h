// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QTemporaryDir>
#include <memory>
#include <vector>

#include "configfile/ConfigFile.h"
#include "tools/unitsim/UnitSimulator.h"

namespace fixtures {

// Simulated units plugged in and out by making and removing symbolic links to their
// pseudo-terminals in a folder a station watches.
struct PluggedUnits {
    std::unique_ptr<QTemporaryDir> dir;  // a fresh one per test, so no link is left over
    std::vector<std::unique_ptr<UnitSimulator>> units;

    QString path(const QString& name) const { return dir->filePath(name); }

    // A fresh folder for the test, holding site.cfg (the sample configuration); empty when
    // ready, else what went wrong.
    QString freshFolder() {
        dir = std::make_unique<QTemporaryDir>();
        QString error;
        if (!dir->isValid()) return dir->errorString();
        configfile::save(path(QStringLiteral("site.cfg")), UnitSimulator::sampleConfiguration(),
                         &error);
        return error;
    }
    bool writeFile(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }

    // A unit holding the sample configuration under slave ID 30, so a write shows.
    UnitSimulator* unit(const UnitFaults& faults = {}) {
        auto sim = std::make_unique<UnitSimulator>();
        ConfigurationSet blank = UnitSimulator::sampleConfiguration();
        blank.slaveId = 30;
        sim->setConfiguration(blank);
        sim->setFaults(faults);
        if (!sim->open()) return nullptr;
        units.push_back(std::move(sim));
        return units.back().get();
    }
    bool plug(UnitSimulator* sim, const QString& name) {
        return QFile::link(sim->slavePath(), path(name));
    }
    bool unplug(const QString& name) { return QFile::remove(path(name)); }
};

}  // namespace fixtures
