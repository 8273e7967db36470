// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the program's icon, a hand-held radio sending waves, as PNG files of
// the sizes desktops ask for: <folder>/<n>x<n>/apps/zq61.png for each size given (the
// layout of an icon theme).
// Run at build time; the icon is drawn for each size from one description.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace {

// The icon on a 256-unit square, scaled to the picture.
void drawIcon(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    // Background tile.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(18, 52, 110));
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 40, 40);
    // Waves from the antenna tip.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(120, 190, 255), 14, Qt::SolidLine, Qt::RoundCap));
    for (int r : {24, 48})
        p.drawArc(QRectF(84 - r, 76 - r, 2 * r, 2 * r), 0 * 16, 80 * 16);
    // Antenna and body.
    p.setPen(QPen(QColor(230, 236, 245), 12, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(84, 76), QPointF(84, 100));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 236, 245));
    p.drawRoundedRect(QRectF(64, 96, 128, 140), 18, 18);
    // Display and keys.
    p.setBrush(QColor(120, 200, 140));
    p.drawRect(QRectF(80, 112, 96, 40));
    p.setBrush(QColor(50, 65, 90));
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 3; ++col)
            p.drawRoundedRect(QRectF(82 + col * 32, 166 + row * 30, 26, 20), 5, 5);
}

bool writeIcon(const QString& folder, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.scale(size / 256.0, size / 256.0);
        drawIcon(p);
    }
    const QString dir = QString("%1/%2x%2/apps").arg(folder).arg(size);
    return QDir().mkpath(dir) && image.save(dir + "/zq61.png");
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 3) return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (int i = 2; i < argc; ++i)
        if (!writeIcon(folder, QString(argv[i]).toInt())) return 1;
    return 0;
}
