#include "link/qt/port_names.h"

#include <QRegularExpression>

namespace zq61 {

QString comPortDevice(int number) {
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(number);
#else
    return QStringLiteral("/dev/ttyS%1").arg(number - 1);
#endif
}

std::optional<int> comPortNumberOf(const QString& device) {
    for (int n = kFirstComPort; n <= kLastComPort; ++n)
        if (device.compare(comPortDevice(n), Qt::CaseInsensitive) == 0) return n;
    return std::nullopt;
}

QString resolvePortName(const QString& typed) {
    const QString name = typed.trimmed();
    static const QRegularExpression comName(QStringLiteral("^COM([0-9]{1,3})$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const auto match = comName.match(name);
    if (match.hasMatch()) {
        const int number = match.captured(1).toInt();
        if (number >= 1) return comPortDevice(number);
    }
    return name;
}

QString radioPortName(const Settings& settings) {
    if (!settings.PortName.empty())
        return resolvePortName(QString::fromStdString(settings.PortName));
    return comPortDevice(settings.ComPortNumber);
}

}  // namespace zq61
