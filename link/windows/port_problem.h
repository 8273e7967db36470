// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Why a serial port could not be opened, in the user's terms: message 9003,
// the system's own reason, and what to do about it (the ports that do
// exist, the group to join, or the other program to close).

#include <QString>
#include <QStringList>

namespace zq61 {
class Texts;
}

namespace zq61::gui {

struct PortFacts {
    QString device;        // the port as the program tried it
    QString systemReason;  // the serial library's words
    bool exists = false;
    bool accessible = false;  // readable and writable by this user
    QString group;            // the group that owns the device
    QStringList present;      // the ports that exist, as the user can choose them
};

// What the system says about `device` now; `present` comes from the caller.
PortFacts portFacts(const QString& device, const QString& systemReason, const QStringList& present);

// The whole message: text 9003, the reason, the advice.
QString portProblemText(const Texts& texts, const PortFacts& facts);

}  // namespace zq61::gui
