// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/windows/port_problem.h"

#include <QFileInfo>

#include "model/text_ids.h"
#include "model/texts.h"

namespace zq61::gui {

PortFacts portFacts(const QString& device, const QString& systemReason,
                    const QStringList& present) {
    PortFacts facts;
    facts.device = device;
    facts.systemReason = systemReason;
    const QFileInfo info(device);
    facts.exists = info.exists();
    facts.accessible = facts.exists && info.isReadable() && info.isWritable();
    facts.group = facts.exists ? info.group() : QString();
    facts.present = present;
    return facts;
}

QString portProblemText(const Texts& texts, const PortFacts& facts) {
    auto text = [&texts](int id) { return QString::fromStdString(texts.text(id)); };
    QString message = text(txt::kPortError) + "\r\n\r\n" + facts.device;
    if (!facts.systemReason.isEmpty()) message += ": " + facts.systemReason;
    message += "\r\n";
    if (!facts.exists) {
        if (facts.present.isEmpty()) return message + text(txt::kPortNoneFound);
        return message + text(txt::kPortMissing) + "\r\n" + facts.present.join("\r\n");
    }
    if (!facts.accessible)
        return message + text(txt::kPortNoPermission) + " " +
               (facts.group.isEmpty() ? QString("dialout") : facts.group);
    // It exists and may be used: someone else has it open (or its lock).
    return message + text(txt::kPortBusy);
}

}  // namespace zq61::gui
