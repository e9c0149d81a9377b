#include "printservice.h"

#include "platform/dialogs.h"
#include "platform/report.h"
#include "records/fileio.h"
#include "records/state.h"

#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QToolBar>
#include <algorithm>

namespace {

// The preview dialog with Esc closing it (the program's other dialogs keep
// Esc for minimising) and, without a real printer, its print command turned
// into a PDF save.
class ReportPreviewDialog : public QPrintPreviewDialog {
public:
    ReportPreviewDialog(QPrinter* printer, const ReportLayout& layout, QWidget* owner)
        : QPrintPreviewDialog(printer, owner), layout_(layout) {
        setObjectName(ReportPreviewName);
        // Tall enough to read a whole page.
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            resize(std::min(860, area.width()), std::min(1000, area.height() * 9 / 10));
        }
        connect(this, &QPrintPreviewDialog::paintRequested, this,
                [this](QPrinter* target) { PaintReport(layout_, *target); });
        const QString printText = QCoreApplication::translate("QPrintPreviewDialog", "Print");
        for (QAction* action : findChildren<QAction*>()) {
            if (action->text() != printText) {
                continue;
            }
            // The preview's own print command closes it once the job is sent;
            // this one leaves it open until the user closes it.
            action->setObjectName(ReportPrintActionName);
            action->setShortcut(QKeySequence::Print);
            disconnect(action, &QAction::triggered, this, nullptr);
            connect(action, &QAction::triggered, this, [this] { Print(); });
        }
        if (auto* tools = findChild<QToolBar*>()) {
            tools->addSeparator();
            QAction* close = tools->addAction(QStringLiteral("閉じる"));
            close->setObjectName(ReportCloseActionName);
            connect(close, &QAction::triggered, this, &QDialog::reject);
        }
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Escape) {
            reject();
            return;
        }
        QPrintPreviewDialog::keyPressEvent(event);
    }

private:
    void Print() {
        if (!RealPrinterExists()) {
            SaveAsPdf();
        } else if (RunPrintDialog(this, *printer())) {
            PaintReport(layout_, *printer());
        }
    }

    void SaveAsPdf() {
        const std::filesystem::path proposed =
            ProgramFolder / (layout_.title + QStringLiteral(".pdf")).toStdString();
        std::optional<QString> chosen = GetSaveFileName(
            this, {QStringLiteral("PDFﾌｧｲﾙ出力"), QString::fromStdString(proposed.string()),
                   QStringLiteral("PDFﾌｧｲﾙ (*.pdf)")});
        if (!chosen) {
            return;
        }
        const std::filesystem::path target(chosen->toStdString());
        if (!WriteReportPdf(layout_, target)) {
            ShowMessageBox(this,
                           QStringLiteral("ファイル %1 を作成できません")
                               .arg(QString::fromStdString(DisplayPath(target))),
                           QStringLiteral("エラー"), MsgIcon::Stop);
        }
    }

    const ReportLayout& layout_;
};

PrintDialogHook& DialogHook() {
    static PrintDialogHook hook;
    return hook;
}

} // namespace

bool RealPrinterExists() {
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

void CheckPrinter() {
    PrinterReady = true;
}

void PreparePrinter(QPrinter& printer, const QString& title) {
    printer.setDocName(title);
    printer.setPageSize(QPageSize(QPageSize::A4));
    if (!RealPrinterExists()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(
            (ProgramFolder / (title + QStringLiteral(".pdf")).toStdString()).string()));
    }
}

bool RunPrintDialog(QWidget* owner, QPrinter& printer) {
    if (DialogHook()) {
        return DialogHook()(printer);
    }
    QPrintDialog dialog(&printer, owner);
    return dialog.exec() == QDialog::Accepted;
}

void SetPrintDialogHook(PrintDialogHook hook) {
    DialogHook() = std::move(hook);
}

void PreviewReport(QWidget* owner, const ReportLayout& layout) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(layout.orientation);
    PreparePrinter(printer, layout.title);
    ReportPreviewDialog preview(&printer, layout, owner);
    preview.exec();
}
