#include "mapprint.h"

#include "records/state.h"
#include "windows/printingmodule/printservice.h"

#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QWidget>

namespace {

// What the window shows below its menu bar: the menu is no part of the
// picture.
QPixmap ClientPicture(QWidget* window) {
    QRect client = window->rect();
    if (auto* bar = window->findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly);
        bar != nullptr && bar->isVisible()) {
        client.setTop(bar->geometry().bottom() + 1);
    }
    return window->grab(client);
}

} // namespace

void PrintWindowPage(QWidget* window, QPrinter& printer) {
    QPixmap shot = ClientPicture(window);
    const double dpi = printer.resolution();
    // At the screen's size on paper, from a corner 400 pixels of a 600-dpi
    // printer in; shrunk when that runs off the page.
    const double offset = 400.0 * dpi / 600.0;
    QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    double scale = dpi / 96.0;
    double room =
        std::min((page.width() - offset) / shot.width(), (page.height() - offset) / shot.height());
    scale = std::min(scale, room);
    QPainter painter(&printer);
    painter.drawPixmap(QRectF(offset, offset, shot.width() * scale, shot.height() * scale), shot,
                       QRectF(shot.rect()));
}

void PrintMapWindow(QWidget* window) {
    QPrinter printer(QPrinter::HighResolution);
    PreparePrinter(printer, window->windowTitle(), ProgramFolder);
    if (RunPrintDialog(window, printer)) {
        PrintWindowPage(window, printer);
    }
}
