// The program's logo, drawn in code for the main window and the about box.
#include "shell/ui/logo.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

QPixmap VelormLogo(int width, int height) {
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box(1, 1, width - 2, height - 2);
    QLinearGradient fill(box.topLeft(), box.bottomRight());
    fill.setColorAt(0, QColor(0x1f, 0x4e, 0x79));
    fill.setColorAt(1, QColor(0x2e, 0x86, 0xc1));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(box, height / 6.0, height / 6.0);

    // A small bar chart: report rows over time.
    const double barWidth = width / 20.0;
    const double base = height * 0.82;
    const double heights[] = {0.25, 0.40, 0.32, 0.55};
    p.setBrush(QColor(255, 255, 255, 170));
    for (int i = 0; i < 4; ++i) {
        const double h = height * heights[i];
        p.drawRect(QRectF(width * 0.08 + i * barWidth * 1.4, base - h, barWidth, h));
    }

    QFont font("Liberation Sans");
    font.setBold(true);
    font.setPixelSize(height * 2 / 5);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(width * 0.40, 0, width * 0.58, height), Qt::AlignVCenter | Qt::AlignLeft,
               "Velorm");
    return pixmap;
}
