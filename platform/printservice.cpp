#include "printservice.h"

#include "platform/dialogs.h"
#include "platform/report.h"
#include "records/fileio.h"

#include <QAction>
#include <QCoreApplication>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QTimer>
#include <QToolBar>
#include <algorithm>

namespace {

// The preview dialog with Esc closing it (the program's other dialogs keep
// Esc for minimising) and, without a real printer, its print command turned
// into a PDF save.
class ReportPreviewDialog : public QPrintPreviewDialog {
public:
    ReportPreviewDialog(QPrinter* printer, const ReportLayout& layout,
                        std::filesystem::path pdfFolder, QWidget* owner)
        : QPrintPreviewDialog(printer, owner), layout_(layout), pdfFolder_(std::move(pdfFolder)) {
        setObjectName(ReportPreviewName);
        // Tall enough to read a whole page.
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            resize(std::min(860, area.width()), std::min(1000, area.height() * 9 / 10));
        }
        connect(this, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* target) {
            if (!showing_) {
                PaintReport(layout_, *target);
            }
        });
        if (auto* view = findChild<QGraphicsView*>()) {
            pageView_ = view->viewport();
            pageView_->installEventFilter(this);
        }
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

    // The pages are recorded once the window is on screen, and the first
    // page on its own first: the window opens at once, and its first page
    // shows without waiting for the others to be recorded and painted.
    void setVisible(bool visible) override {
        showing_ = visible && stage_ == Stage::Waiting && pageView_ != nullptr;
        QPrintPreviewDialog::setVisible(visible);
        showing_ = false;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == pageView_ && event->type() == QEvent::Paint && !recordPosted_) {
            // Posted from a paint, it runs once that frame is on screen.
            recordPosted_ = true;
            QTimer::singleShot(0, this, [this] { RecordNextStage(); });
        }
        return QPrintPreviewDialog::eventFilter(watched, event);
    }

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

    enum class Stage { Waiting, FirstPage, AllPages };

    void RecordNextStage() {
        recordPosted_ = false;
        auto* preview = findChild<QPrintPreviewWidget*>();
        if (preview == nullptr) {
            return;
        }
        if (stage_ == Stage::Waiting) {
            stage_ = Stage::FirstPage;
            RecordFirstPage(*preview);
            if (PaginateReport(layout_).size() > 1) {
                return; // the others once this one is on screen
            }
        } else {
            preview->updatePreview();
        }
        stage_ = Stage::AllPages;
        pageView_->removeEventFilter(this);
    }

    // Through the printer's page range, which is the user's again at once.
    void RecordFirstPage(QPrintPreviewWidget& preview) {
        QPrinter* target = printer();
        const QPrinter::PrintRange range = target->printRange();
        const int from = target->fromPage();
        const int to = target->toPage();
        target->setPrintRange(QPrinter::PageRange);
        target->setFromTo(1, 1);
        preview.updatePreview();
        target->setPrintRange(range);
        target->setFromTo(from, to);
    }

    void SaveAsPdf() {
        const std::filesystem::path proposed =
            pdfFolder_ / (layout_.title + QStringLiteral(".pdf")).toStdString();
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
    const std::filesystem::path pdfFolder_;
    QWidget* pageView_ = nullptr;
    Stage stage_ = Stage::Waiting;
    bool showing_ = false;
    bool recordPosted_ = false;
};

PrintDialogHook& DialogHook() {
    static PrintDialogHook hook;
    return hook;
}

} // namespace

bool RealPrinterExists() {
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

bool CheckPrinter() {
    return true;
}

void PreparePrinter(QPrinter& printer, const QString& title,
                    const std::filesystem::path& pdfFolder) {
    printer.setDocName(title);
    printer.setPageSize(QPageSize(QPageSize::A4));
    if (!RealPrinterExists()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(
            (pdfFolder / (title + QStringLiteral(".pdf")).toStdString()).string()));
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

void PreviewReport(QWidget* owner, const ReportLayout& layout,
                   const std::filesystem::path& pdfFolder) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(layout.orientation);
    PreparePrinter(printer, layout.title, pdfFolder);
    ReportPreviewDialog preview(&printer, layout, pdfFolder, owner);
    preview.exec();
}
