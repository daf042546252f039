// SPDX-License-Identifier: GPL-3.0-or-later
// What each procedure of a soak cycle must have left in the window and in the unit.

#include "tests/soak/tst_soak.h"

using namespace soak;

// The line as the window shows it, alive or lost: the lamp, the button, the frame; the controls
// outside the frame usable, and those inside unlocked in their own right, only the frame
// keeping them off a lost line.
void tst_soak::checkLink(bool alive) {
    SOAK_CHECK(port()->isOpen() == alive);
    SOAK_CHECK(lamp() == (alive ? Green : Red));
    SOAK_CHECK(button("cmdConnect")->text() ==
               (alive ? QStringLiteral("Disconnect") : QStringLiteral("Connect")));
    SOAK_CHECK(widget("FrameFunction")->isEnabled() == alive);
    for (QWidget* c : std::initializer_list<QWidget*>{button("cmdConnect"), button("cmdFileLoad"),
                                                      button("cmdFileSave"), widget("cmbSlaveID")})
        SOAK_CHECK(c->isEnabled());
    for (QWidget* c :
         std::initializer_list<QWidget*>{button("cmdDeviceRead"), button("cmdDeviceWrite")})
        SOAK_CHECK(alive ? c->isEnabled() : !c->testAttribute(Qt::WA_ForceDisabled));
}

bool tst_soak::readFromDevice(const Plan& plan) {
    w->applyConfiguration(plan.before);
    w->selectPage(plan.readFromPage);
    Run read;
    if (!runProcedure(false, read)) return false;
    const ConfigurationSet got = w->configuration();
    SOAK_CHECK(w->currentPage() == 1);  // even when the probe fails
    if (plan.readDropsAfter < 0) checkReadOutcome(plan, read, got);
    if (plan.readDropsAfter >= 0) {
        SOAK_CHECK(read.boxes.size() == 1);
        checkPartialRead(plan, got);
    }
    checkLink(plan.readDropsAfter < 0);
    return true;
}

// Whether the read ran through, was refused at its probe, or failed whole, and what the window
// then shows. A read whose replies slipped or were not of their items' form fails: its box, and
// the window keeps what it showed before. A busy machine may make a reply late in any cycle.
void tst_soak::checkReadOutcome(const Plan& plan, Run& read, const ConfigurationSet& got) {
    const Fault kind = plan.kind;
    const bool failed =
        read.boxes.size() == 1 && read.boxes[0].value(0) == QStringLiteral("Read from Device");
    const bool refused = kind == Fault::Silent || kind == Fault::Garbage ||
                         (plan.mayMissProbe() && !read.boxes.isEmpty() && !failed);
    // No reply after the probe, one held back, or noise ahead of every reply: never a read.
    // A unit late by little more than the interval may still have every reply taken in time
    // (the interval's end is never early, and may be late); it is then read right, as checked
    // below, and otherwise fails whole.
    const bool mustFail =
        kind == Fault::ProbeOnly || kind == Fault::Slipped || (kind == Fault::Flood && !refused);
    if (refused) {
        SOAK_CHECK(read.boxes.size() == 1);
        SOAK_CHECK(settle(read, 1) == 1);  // the probe alone
        SOAK_SAME(got, plan.before);
        return;
    }
    SOAK_CHECK(settle(read, Exchanges) == Exchanges);
    SOAK_CHECK(failed || !mustFail);
    if (failed) {
        SOAK_CHECK(read.boxes[0].value(1).startsWith(QStringLiteral("The read from ")));
        SOAK_SAME(got, plan.before);
        return;
    }
    SOAK_CHECK(read.boxes.isEmpty());
    SOAK_SAME(got, plan.unitSet);  // and the page shows it, as every procedure's check finds
}

// Queries answered before the last one landed. The last answer may be lost with the line, and
// the ones after it were either not sent, leaving the old value, or went unanswered, which
// empties a number or a message.
void tst_soak::checkPartialRead(const Plan& plan, const ConfigurationSet& got) {
    const ConfigurationSet& unitSet = plan.unitSet;
    const ConfigurationSet& before = plan.before;
    auto landed = [&](int command) { return command < plan.readDropsAfter; };
    SOAK_CHECK(landed(SlaveIdCommand)
                   ? got.slaveId == unitSet.slaveId
                   : got.slaveId == unitSet.slaveId || got.slaveId == before.slaveId);
    SOAK_CHECK(landed(FlagsCommand) ? got.channelEnable == unitSet.channelEnable
                                    : got.channelEnable == unitSet.channelEnable ||
                                          got.channelEnable == before.channelEnable);
    for (int k = 0; k < ConfigurationSet::PhoneCount; ++k) {
        const QString& phone = got.phoneNo[k];
        if (landed(FirstPhoneCommand + k))
            SOAK_CHECK(phone == unitSet.phoneNo[k]);
        else
            SOAK_CHECK(phone == unitSet.phoneNo[k] || phone == before.phoneNo[k] ||
                       phone.isEmpty());
    }
    for (int i = 0; i < ConfigurationSet::ChannelCount; ++i) {
        const QString& message = got.channelMessage[i];
        if (landed(FirstMessageCommand + i))
            SOAK_CHECK(message == unitSet.channelMessage[i]);
        else
            SOAK_CHECK(message == unitSet.channelMessage[i] ||
                       message == before.channelMessage[i] || message.isEmpty());
    }
}

bool tst_soak::writeToDevice(const Plan& plan) {
    const Fault kind = plan.kind;
    if (kind == Fault::Flood) {
        // The first unit still has most of its megabyte queued ahead of any reply; a new one
        // floods the write from its own probe on.
        button("cmdConnect")->click();
        if (!connectUnit(plan.faults, plan.unitSet)) return false;
    }
    w->applyConfiguration(plan.toWrite);
    w->selectPage(plan.writeFromPage);
    Run written;
    if (!runProcedure(true, written)) return false;
    SOAK_SAME(w->configuration(), plan.toWrite);  // a write changes nothing in the window
    SOAK_CHECK(w->currentPage() == plan.writeFromPage);
    const bool refused = kind == Fault::Silent || kind == Fault::Garbage ||
                         (plan.mayMissProbe() && !written.boxes.isEmpty());
    if (refused) {
        SOAK_CHECK(written.boxes.size() == 1);
        SOAK_CHECK(settle(written, 1) == 1);
        SOAK_SAME(unitConfiguration(), plan.unitSet);
    } else if (plan.writeDropsAfter > 0) {
        // What the unit then holds follows from the order of the settings, proven on the wire
        // by the device link's own suite.
        SOAK_CHECK(written.boxes.size() == 1);
    } else {
        // Runs through: no box, all 99 commands, and the unit stores them unless it only
        // answers probes. The last setting may still be on its way when the tool is done.
        SOAK_CHECK(written.boxes.isEmpty());
        SOAK_CHECK(settle(written, Exchanges) == Exchanges);
        SOAK_SAME(unitConfiguration(), kind == Fault::ProbeOnly ? plan.unitSet : plan.toWrite);
    }
    checkLink(plan.writeDropsAfter < 0);
    return true;
}
