// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the two start pictures the splash window shows, StartE.jpg (English)
// and StartC.jpg (Chinese), into the folder given on the command line.
// Run at build time so the installation ships pictures made here.

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QString>

namespace {

struct Wording {
    const char* file;
    QString subtitle;
    QString bands;
    QString family;
};

void drawRadio(QPainter& p, const QRectF& body) {
    // A stylised hand-held set: body, display, keypad, antenna.
    p.setPen(QPen(QColor(220, 230, 245), 3));
    p.setBrush(QColor(30, 40, 60));
    p.drawRoundedRect(body, 14, 14);
    p.drawLine(QPointF(body.left() + 22, body.top()), QPointF(body.left() + 22, body.top() - 70));
    p.setBrush(QColor(120, 200, 140));
    p.drawRect(QRectF(body.left() + 14, body.top() + 18, body.width() - 28, 36));
    p.setBrush(QColor(70, 85, 110));
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 3; ++col)
            p.drawRoundedRect(
                QRectF(body.left() + 16 + col * 24, body.top() + 70 + row * 22, 18, 14), 3, 3);
}

bool drawPicture(const Wording& w, const QString& folder) {
    QImage image(480, 300, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, image.height());
    sky.setColorAt(0, QColor(18, 52, 110));
    sky.setColorAt(1, QColor(6, 16, 40));
    p.fillRect(image.rect(), sky);

    // Radio waves behind the title.
    p.setPen(QPen(QColor(80, 140, 220, 120), 2));
    p.setBrush(Qt::NoBrush);
    for (int r = 40; r <= 160; r += 30)
        p.drawEllipse(QPointF(95, 90), r, r);

    drawRadio(p, QRectF(55, 110, 104, 170));

    QFont title(w.family, 54, QFont::Bold);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRectF(180, 60, 290, 90), Qt::AlignLeft | Qt::AlignVCenter, "ZQ-61");

    QFont sub(w.family, 17);
    p.setFont(sub);
    p.setPen(QColor(200, 220, 255));
    p.drawText(QRectF(184, 150, 290, 40), Qt::AlignLeft | Qt::AlignVCenter, w.subtitle);

    QFont small(w.family, 11);
    p.setFont(small);
    p.setPen(QColor(150, 175, 215));
    p.drawText(QRectF(184, 200, 290, 60), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, w.bands);
    p.end();
    return image.save(folder + "/" + w.file, "JPG", 90);
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2) return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const Wording english{"StartE.jpg", "Programming Software",
                          "CB 26.965 - 27.405 MHz\nHF 25.615 - 30.105 MHz\nHAM 28.000 - 29.700 MHz",
                          "DejaVu Sans"};
    const Wording chinese{"StartC.jpg", QString::fromUtf8("写频软件"),
                          QString::fromUtf8("CB 26.965 - 27.405 MHz\nHF 25.615 - 30.105 MHz\n"
                                            "HAM 28.000 - 29.700 MHz"),
                          "Noto Sans CJK SC"};
    return drawPicture(english, folder) && drawPicture(chinese, folder) ? 0 : 1;
}
