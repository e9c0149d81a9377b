#include "programicon.h"

#include "fonts.h"

#include <QPainter>
#include <QPixmap>

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(QColor(0x2E, 0x7D, 0x32));
        painter.setPen(Qt::NoPen);
        painter.drawRoundedRect(QRectF(0, 0, size, size), size / 6.0, size / 6.0);
        painter.setPen(Qt::white);
        painter.setFont(ProgramFont(GothicFontName, size * 3 / 4));
        painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QStringLiteral("ト"));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
